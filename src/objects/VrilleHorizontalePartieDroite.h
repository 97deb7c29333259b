#pragma once

#include "objects/Vrille.h"

// Seconde moitié d'une vrille horizontale, descendant vers la droite.
class VrilleHorizontalePartieDroite : public Vrille
{
public:
    VrilleHorizontalePartieDroite(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                                  const std::vector<float>& parametres);

    static constexpr int GENRE = 2000872001;
};
