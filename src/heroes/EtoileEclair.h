#pragma once

#include "scene/ElementScenique.h"

// Étincelle du double saut électrique.
class EtoileEclair : public ElementScenique
{
public:
    EtoileEclair(SceneGraphique* scene, const sf::Vector2f& position);
    void AnimerEtat() override;
};
