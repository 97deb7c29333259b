#pragma once

#include "scene/Zone.h"

// Zone hors du monde (zone 99) : une seule image fixe.
class Zone_0 : public Zone
{
public:
    explicit Zone_0(SceneGraphique* scene);

    void LancerMusique() override;
    void Animer() override;
    void Dessiner(sf::RenderTarget& cible) override;
};
