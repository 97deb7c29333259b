#pragma once

#include "heroes/Heros.h"

// Héros rapide : les coups de bouclier après un saut.
class Vanto : public Heros
{
public:
    explicit Vanto(SceneGraphique* scene, const sf::Vector2f& position = sf::Vector2f(0.f, -160.f));
    void SautMaintenu() override;
    void AnimerEtat() override;
};
