#pragma once

#include "scene/ElementScenique.h"

// Bouillonnement à la surface d'un bassin de lave, une par colonne de 64 pixels.
class SurfaceLave : public ElementScenique
{
public:
    SurfaceLave(SceneGraphique* scene, const sf::Vector2f& position);

    void Animer() override;
};
