#pragma once

#include "enemies/Boss.h"

// Scène de clôture du premier acte : le méchant s'envole vers la droite, intouchable.
class Cinematique_Z1_1 : public Boss
{
public:
    Cinematique_Z1_1(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                     const std::vector<float>& parametres = std::vector<float>());

    void Penser() override;
    void ToucherHeros(Heros*) override {}
    void ContactSolide() override {}
    void AnimerEtat() override;
};
