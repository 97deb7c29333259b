#pragma once

#include "scene/CercleScenique.h"

// Éclat de mur cassé : projeté au hasard, tourne, traverse tout, disparaît après 1 s.
class Debris : public CercleScenique
{
public:
    Debris(SceneGraphique* scene, const sf::Vector2f& position);
    void Animer() override;
    float Rotation() const { return rotation; }

private:
    float rotation;
};
