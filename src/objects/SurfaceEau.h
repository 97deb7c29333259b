#pragma once

#include "scene/ElementScenique.h"

// Vaguelettes à la surface d'un bassin, une par colonne de 64 pixels, devant le niveau.
class SurfaceEau : public ElementScenique
{
public:
    SurfaceEau(SceneGraphique* scene, const sf::Vector2f& position);

    void Animer() override;
};
