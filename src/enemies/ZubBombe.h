#pragma once

#include "scene/CercleScenique.h"

class BossFinal;

// Bombe lancée par le robot final : tombe, se pose, explose une seconde et quart plus tard.
class ZubBombe : public CercleScenique
{
public:
    ZubBombe(SceneGraphique* scene, const sf::Vector2f& position, double angle);
    ~ZubBombe() override;

    void ToucherHeros(Heros* heros) override;
    void ContactSolide() override;
    void AnimerEtat() override;

    // le robot qui l'a lancée (nul s'il n'est plus là)
    BossFinal* corps = nullptr;
};
