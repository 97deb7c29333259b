#include "scene/Corail.h"

#include "scene/Sprite.h"

namespace
{
// Composante de couleur : entière, ramenée à 0..255
sf::Uint8 Composante(float v)
{
    if (!(v > 0.f))
        return 0;
    return v >= 255.f ? 255 : sf::Uint8(int(v));
}
} // namespace

Corail::Corail(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
               const std::vector<float>& parametres)
    : ElementScenique(scene_, p, profondeur_, parametres)
{
    AjouterSprite(new Sprite("data/png/game/zones/1/decors/corail.png", 0, 0, sf::Vector2f(72.f, 48.f)));
    if (parametres.size() == 3)
        sprites[0]->FixerCouleur(
            sf::Color(Composante(parametres[0]), Composante(parametres[1]), Composante(parametres[2]), 255));
}
