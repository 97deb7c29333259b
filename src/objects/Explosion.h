#pragma once

#include "scene/ElementScenique.h"

// Explosion d'un robot, d'un moniteur ou d'un feu d'artifice ; le genre est la ligne de l'image.
class Explosion : public ElementScenique
{
public:
    Explosion(SceneGraphique* scene, const sf::Vector2f& position, int genre);
    void Animer() override;
    int Genre() const { return genre; }

private:
    int genre;
};
