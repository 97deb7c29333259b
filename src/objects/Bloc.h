#pragma once

#include "scene/PolygoneScenique.h"

// Bloc que le héros pousse ; frappé par-dessous, il saute et retombe.
class Bloc : public PolygoneScenique
{
public:
    Bloc(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
         const std::vector<float>& parametres = std::vector<float>());

    void ReconstruireSegments() override;
    void ContactHeros(Heros* heros) override;
    void Reinitialiser() override;
};
