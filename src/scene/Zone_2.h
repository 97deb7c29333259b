#pragma once

#include "scene/Zone.h"

// Zone 2 : ciel fixe et galaxie lointaine.
class Zone_2 : public Zone
{
public:
    explicit Zone_2(SceneGraphique* scene);

    void LancerMusique() override;
    void Animer() override;
    void Dessiner(sf::RenderTarget& cible) override;
};
