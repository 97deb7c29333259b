#pragma once

#include "heroes/Bouclier.h"

// Invincibilité : nuée d'étoiles et musique propre.
class BouclierTotal : public Bouclier
{
public:
    BouclierTotal(SceneGraphique* scene, sf::Vector2f* ancre);
    ~BouclierTotal() override;
    void AnimerEtat() override;

private:
    void SemerEtoiles();
};
