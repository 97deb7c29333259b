#pragma once

#include "scene/ElementScenique.h"

// Colonne de lumière du portail : 960 de haut, révélée rangée par rangée.
class Lueur : public ElementScenique
{
public:
    Lueur(SceneGraphique* scene, const sf::Vector2f& position);

    void AnimerEtat() override;
};
