#pragma once

#include "objects/Vrille.h"

// Seconde moitié, basse, d'une vrille verticale.
class VrilleVerticalePartieBasse : public Vrille
{
public:
    VrilleVerticalePartieBasse(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                               const std::vector<float>& parametres);

    static constexpr int GENRE = 2000496001;
};
