#include "scene/Feuilles.h"

#include "scene/Sprite.h"

Feuilles::Feuilles(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                   const std::vector<float>& parametres)
    : ElementScenique(scene_, p, profondeur_, parametres)
{
    AjouterSprite(new Sprite("data/png/game/zones/1/decors/feuilles.png", 0, 0, sf::Vector2f(32.f, 24.f)));
}
