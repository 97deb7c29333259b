#include "scene/Totem.h"

#include "scene/Sprite.h"

Totem::Totem(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
             const std::vector<float>& parametres)
    : ElementScenique(scene_, p, profondeur_, parametres)
{
    AjouterSprite(new Sprite("data/png/game/zones/1/decors/totem.png", 0, 0, sf::Vector2f(48.f, 64.f)));
}
