#include "heroes/EtoileMagique.h"

#include "scene/Sprite.h"

EtoileMagique::EtoileMagique(SceneGraphique* scene, BouclierTotal*, const sf::Vector2f& position, int i)
    : ElementScenique(scene, position, 75.f), indice(i)
{
    AjouterSprite(new Sprite("data/png/game/personnages/heros/ressources/boucliers.png", 160, 160,
                             sf::Vector2f(80.f, 80.f)));
    sprites[0]->FixerImage(11, 11);
    Synchroniser();
    detruireHorsVue = true; // effet bref : il ne survit pas hors de la vue
}

void EtoileMagique::AnimerEtat()
{
    if (horloge.getElapsedTime().asSeconds() <= 0.0166f * float(indice))
        return;
    sprites[0]->Tourner(float(indice) * 0.5f);
    if (sprites[0]->AnimerLigne(11, 0, 6, 0.0166f, false))
        aSupprimer = true;
}
