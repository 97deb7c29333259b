#pragma once

#include "scene/PolygoneScenique.h"

// Capsule de fin de zone, lâchée par le boss vaincu : elle tombe, se pose, et son bouton
// termine l'acte ; ouverte, elle libère 32 lapins.
class FinZone : public PolygoneScenique
{
public:
    static constexpr int ANIMAUX = 32;

    FinZone(SceneGraphique* scene, const sf::Vector2f& position);

    void ReconstruireSegments() override;
    void ContactHeros(Heros* heros) override;
    void ChangerEtat(int e) override;
    void AnimerEtat() override;

private:
    void Ouvrir();
};
