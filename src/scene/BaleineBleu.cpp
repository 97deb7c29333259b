#include "scene/BaleineBleu.h"

#include "scene/Sprite.h"

BaleineBleu::BaleineBleu(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                         const std::vector<float>& parametres)
    : ElementScenique(scene_, p, profondeur_, parametres)
{
    AjouterSprite(new Sprite("data/png/game/zones/1/decors/baleine_bleu.png", 0, 0, sf::Vector2f(384.f, 64.f)));
}
