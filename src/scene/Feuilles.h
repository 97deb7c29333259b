#pragma once

#include "scene/ElementScenique.h"

// Feuillage, simple image.
class Feuilles : public ElementScenique
{
public:
    Feuilles(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
             const std::vector<float>& parametres);
};
