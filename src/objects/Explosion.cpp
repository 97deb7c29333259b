#include "objects/Explosion.h"

#include "engine/GestionnaireAudio.h"
#include "scene/Sprite.h"

Explosion::Explosion(SceneGraphique* scene, const sf::Vector2f& position, int g)
    : ElementScenique(scene, position, 79.f), genre(g)
{
    detruireHorsVue = true;
    GestionnaireAudio::Instance()->JouerSon(genre == 0 ? "data/ogg/sounds/bim.ogg" : "data/ogg/sounds/pouf.ogg");
    Sprite* s = new Sprite("data/png/game/zones/_/explosions.png", 80, 80, sf::Vector2f(40.f, 40.f));
    s->FixerImage(genre, 0);
    AjouterSprite(s);
    Synchroniser();
}

void Explosion::Animer()
{
    if (!sprites.empty() && sprites[0]->AnimerLigne(genre, 0, 7, 0.1f, false))
        aSupprimer = true;
}
