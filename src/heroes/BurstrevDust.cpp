#include "heroes/BurstrevDust.h"

#include "scene/Sprite.h"

BurstrevDust::BurstrevDust(SceneGraphique* scene, sf::Vector2f* a, bool droite)
    : ElementScenique(scene, a ? *a : sf::Vector2f(), 74.f), lien(nullptr)
{
    ancre = a ? a : &positionElement;
    versLaDroite = droite;
    AjouterSprite(new Sprite("data/png/game/personnages/heros/dust.png", 64, 64, sf::Vector2f(64.f, 34.f)));
    sprites[0]->Miroir(!droite);
    Synchroniser();
}

BurstrevDust::~BurstrevDust()
{
    if (lien && *lien == this)
        *lien = nullptr;
}

void BurstrevDust::Detacher()
{
    if (ancre && ancre != &positionElement)
        positionElement = *ancre;
    ancre = &positionElement;
    lien = nullptr;
}

void BurstrevDust::AnimerEtat()
{
    sprites[0]->AnimerLigne(0, 0, 6, 0.05f, true);
}
