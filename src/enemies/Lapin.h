#pragma once

#include "enemies/Animal.h"

// Lapin : bondit sans fin.
class Lapin : public Animal
{
public:
    Lapin(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, float delai = 0.f);
    void AnimerEtat() override;
};
