#pragma once

#include "enemies/Animal.h"

// Écureuil : retombe après son saut et détale.
class Ecureuil : public Animal
{
public:
    static constexpr float VITESSE = -200.f;

    Ecureuil(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, float delai = 0.f);
    void ContactSolide() override;
    void AnimerEtat() override;
};
