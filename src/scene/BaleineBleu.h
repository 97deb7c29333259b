#pragma once

#include "scene/ElementScenique.h"

// Grande baleine bleue, simple image.
class BaleineBleu : public ElementScenique
{
public:
    BaleineBleu(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                const std::vector<float>& parametres);
};
