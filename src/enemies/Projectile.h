#pragma once

#include "scene/CercleScenique.h"

// Tir d'un robot ou d'un fusil : ne touche que le héros, traverse les murs, vit 2,5 s.
// Genres : 0 boule droite, 1 bombe en cloche, 2 et 3 dards, 4 laser.
class Projectile : public CercleScenique
{
public:
    static constexpr float DUREE_VIE = 2.5f;

    Projectile(SceneGraphique* scene, const sf::Vector2f& position, double angle, int type);

    void ToucherHeros(Heros* heros) override;
    void Animer() override;

    int Type() const { return type; }

private:
    int type;
};
