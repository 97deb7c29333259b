#pragma once

#include "scene/PolygoneScenique.h"

// Point de passage : touché une fois, il devient le point de retour du héros.
class CheckPoint : public PolygoneScenique
{
public:
    CheckPoint(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
               const std::vector<float>& parametres = std::vector<float>());

    void ContactHeros(Heros* heros) override;
    void AnimerEtat() override;
};
