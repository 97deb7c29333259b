#pragma once

#include "scene/ElementScenique.h"

// Corail ; trois paramètres (rouge, vert, bleu) le teintent.
class Corail : public ElementScenique
{
public:
    Corail(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
           const std::vector<float>& parametres);
};
