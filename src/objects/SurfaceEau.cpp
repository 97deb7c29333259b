#include "objects/SurfaceEau.h"

#include "scene/Sprite.h"

SurfaceEau::SurfaceEau(SceneGraphique* scene_, const sf::Vector2f& p) : ElementScenique(scene_, p, 150.f)
{
    AjouterSprite(new Sprite("data/png/game/zones/_/surface_eau.png", 64, 32, sf::Vector2f(32.f, 10.f)));
}

void SurfaceEau::Animer()
{
    sprites[0]->AnimerLigne(0, 0, 3, 0.1f, true);
}
