#pragma once

#include "enemies/Animal.h"

// Tortue : retombe après son saut et s'en va à petits pas.
class Tortue : public Animal
{
public:
    static constexpr float VITESSE = -50.f;

    Tortue(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, float delai = 0.f);
    void ContactSolide() override;
    void AnimerEtat() override;
};
