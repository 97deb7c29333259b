#include "objects/Pung.h"

#include "engine/GestionnaireAudio.h"
#include "heroes/Heros.h"
#include "scene/Sprite.h"

Pung::Pung(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_, const std::vector<float>& parametres)
    : CercleScenique(scene_, p, profondeur_, parametres)
{
    fige = true;
    AjouterSprite(new Sprite("data/png/game/zones/_/pung.png", 0, 0, sf::Vector2f(32.f, 32.f)));
    Synchroniser();
}

void Pung::ToucherHeros(Heros* heros)
{
    if (!heros)
        return;
    GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/pung.ogg");
    heros->RepousserDepuis(this);
}
