#pragma once

#include "objects/Vrille.h"

// Première moitié, haute, d'une vrille verticale.
class VrilleVerticalePartieHaute : public Vrille
{
public:
    VrilleVerticalePartieHaute(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                               const std::vector<float>& parametres);

    static constexpr int GENRE = 2000634001;
};
