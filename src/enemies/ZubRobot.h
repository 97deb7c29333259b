#pragma once

#include "enemies/Drovik.h"

// Robot tourelle : immobile, un tir de laser vers la gauche toutes les 3 s.
class ZubRobot : public Drovik
{
public:
    static constexpr float PERIODE = 3.f;

    ZubRobot(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
             const std::vector<float>& parametres = std::vector<float>());

    void Penser() override;
    void AnimerEtat() override;

protected:
    Animal* CreerAnimal() override;
};
