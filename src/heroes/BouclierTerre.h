#pragma once

#include "heroes/Bouclier.h"

// Bouclier de terre : image fixe.
class BouclierTerre : public Bouclier
{
public:
    BouclierTerre(SceneGraphique* scene, sf::Vector2f* ancre);
    void AnimerEtat() override;
};
