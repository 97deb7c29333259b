#pragma once

#include "scene/ElementScenique.h"

class BouclierTotal;

// Étoile scintillante de l'invincibilité.
class EtoileMagique : public ElementScenique
{
public:
    EtoileMagique(SceneGraphique* scene, BouclierTotal* proprietaire, const sf::Vector2f& position, int indice);
    void AnimerEtat() override;

private:
    int indice;
};
