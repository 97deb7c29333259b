#include "objects/SurfaceLave.h"

#include "scene/Sprite.h"

SurfaceLave::SurfaceLave(SceneGraphique* scene_, const sf::Vector2f& p) : ElementScenique(scene_, p, 150.f)
{
    AjouterSprite(new Sprite("data/png/game/zones/_/surface_lave.png", 64, 32, sf::Vector2f(32.f, 32.f)));
}

void SurfaceLave::Animer()
{
    sprites[0]->AnimerLigne(0, 0, 2, 0.3f, true);
}
