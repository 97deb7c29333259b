#pragma once

#include "scene/CercleScenique.h"

// Rond rebondissant : renvoie le héros qui le touche.
class Pung : public CercleScenique
{
public:
    Pung(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
         const std::vector<float>& parametres = std::vector<float>());

    void ToucherHeros(Heros* heros) override;
};
