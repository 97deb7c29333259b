#pragma once

#include "heroes/Bouclier.h"

// Bouclier électrique : double saut et aimant à anneaux.
class BouclierEclair : public Bouclier
{
public:
    BouclierEclair(SceneGraphique* scene, sf::Vector2f* ancre);
    ~BouclierEclair() override;
    void AnimerEtat() override;
    void ActualiserMagie() override;

private:
    std::vector<CercleScenique*> attires;
};
