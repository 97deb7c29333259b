#pragma once

#include "scene/PolygoneScenique.h"

// Poteau épineux : un capteur vertical de 256 dont les pics sortent bande après bande.
class PoteauEpineux : public PolygoneScenique
{
public:
    PoteauEpineux(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                  const std::vector<float>& parametres = std::vector<float>());

    void ContactHeros(Heros* heros) override;
    void AnimerEtat() override;

    // Bande de 64 (modulo 4), comptée depuis le haut du poteau, qui contient y
    int Bande(float y) const;
};
