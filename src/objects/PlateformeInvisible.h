#pragma once

#include "scene/PolygoneScenique.h"

// Plate-forme qu'on ne voit que lorsqu'on s'y tient, et un quart de seconde après.
class PlateformeInvisible : public PolygoneScenique
{
public:
    PlateformeInvisible(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                        const std::vector<float>& parametres);

    void ContactHeros(Heros* heros) override;
    void Animer() override;
};
