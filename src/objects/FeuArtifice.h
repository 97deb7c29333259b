#pragma once

#include "scene/ElementScenique.h"

// Salve d'explosions dispersées pendant quelques secondes.
class FeuArtifice : public ElementScenique
{
public:
    FeuArtifice(SceneGraphique* scene, const sf::Vector2f& position, float etendue, int genre, int duree);
    void Animer() override;

private:
    float etendue;
    int genre;
    int duree;
    Horloge horlogeVie;
};
