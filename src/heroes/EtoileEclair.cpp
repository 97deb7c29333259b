#include "heroes/EtoileEclair.h"

#include "scene/Sprite.h"

EtoileEclair::EtoileEclair(SceneGraphique* scene, const sf::Vector2f& position)
    : ElementScenique(scene, position, 75.f)
{
    AjouterSprite(new Sprite("data/png/game/personnages/heros/ressources/boucliers.png", 160, 160,
                             sf::Vector2f(80.f, 80.f)));
    sprites[0]->FixerImage(7, 8);
    Synchroniser();
    detruireHorsVue = true; // effet bref : il ne survit pas hors de la vue
}

void EtoileEclair::AnimerEtat()
{
    if (sprites[0]->AnimerLigne(8, 8, 9, 0.1f, false))
        aSupprimer = true;
}
