#pragma once

#include "scene/PolygoneScenique.h"

// Bloc de pics : sa face pointue blesse le héros qui s'y pose ou y court.
class Pics : public PolygoneScenique
{
public:
    Pics(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
         const std::vector<float>& parametres, int id);

    void ContactHeros(Heros* heros) override;

    int Genre() const { return id; }
    int IndicePointes() const { return indicePointes; }

private:
    int id;
    int indicePointes;
};
