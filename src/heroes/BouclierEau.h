#pragma once

#include "heroes/Bouclier.h"

// Bouclier d'eau : air sans fin, plongée et rebond.
class BouclierEau : public Bouclier
{
public:
    BouclierEau(SceneGraphique* scene, sf::Vector2f* ancre);
    void AnimerEtat() override;
    void ChangerEtat(int e) override;
};
