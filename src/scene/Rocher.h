#pragma once

#include "scene/PolygoneScenique.h"

// Rocher : bloc 64 × 92 aux coins du haut coupés, solide de tous les côtés.
class Rocher : public PolygoneScenique
{
public:
    Rocher(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
           const std::vector<float>& parametres);
};
