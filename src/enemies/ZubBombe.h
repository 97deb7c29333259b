#pragma once

#include "scene/CercleScenique.h"

// Bombe lancée par le robot final : tombe, se pose, explose une seconde et quart plus tard.
class ZubBombe : public CercleScenique
{
public:
    ZubBombe(SceneGraphique* scene, const sf::Vector2f& position, double angle);

    void ToucherHeros(Heros* heros) override;
    void ContactSolide() override;
    void AnimerEtat() override;
};
