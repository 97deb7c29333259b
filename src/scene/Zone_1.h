#pragma once

#include "engine/Horloge.h"
#include "scene/Zone.h"

// Zone 1 : mer scintillante en plans successifs, terre au loin et nuages qui dérivent.
class Zone_1 : public Zone
{
public:
    static constexpr int NOMBRE_PLANS = 16;

    explicit Zone_1(SceneGraphique* scene);

    void LancerMusique() override;
    void Animer() override;
    void Dessiner(sf::RenderTarget& cible) override;

protected:
    void ApresPlan(sf::RenderTarget& cible, const Sprite* s) override;

private:
    Horloge horlogeNuages;
    Horloge horlogeEau;
};
