#pragma once

#include "scene/PolygoneScenique.h"

// Tube en S : le héros y roule toujours, et il est relancé s'il y ralentit trop.
class Tunnel : public PolygoneScenique
{
public:
    Tunnel(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
           const std::vector<float>& parametres);

    void ContactHeros(Heros* heros) override;

    static constexpr int GENRE = 2000363001;
    static constexpr float VITESSE_RELANCE = 500.f;
};
