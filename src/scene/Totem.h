#pragma once

#include "scene/ElementScenique.h"

// Totem sculpté, simple image.
class Totem : public ElementScenique
{
public:
    Totem(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
          const std::vector<float>& parametres);
};
