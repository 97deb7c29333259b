#include "enemies/Oursin.h"

#include "enemies/Gorvalux.h"
#include "heroes/Heros.h"
#include "scene/Sprite.h"

Oursin::Oursin(SceneGraphique* scene, const sf::Vector2f& position, double decalage, Gorvalux* porteur_)
    : CercleScenique(scene, position, 49.f), decalagePhase(decalage), porteur(porteur_)
{
    masque = 256;
    forceGravite.acceleration = 0.f;
    echelleTemps = 0.5f;
    rayon = 16.f;
    Sprite* s = new Sprite("data/png/game/personnages/droviks/projectiles.png", 64, 64, sf::Vector2f(32.f, 32.f));
    s->FixerImage(0, 3);
    AjouterSprite(s);
    Synchroniser();
}

Oursin::~Oursin()
{
    // une boule détruite avant son porteur (sortie du niveau) ne doit pas rester dans sa liste
    if (porteur)
        porteur->OublierOursin(this);
}

void Oursin::ToucherHeros(Heros* heros)
{
    if (heros)
        heros->Blesser(0);
}
