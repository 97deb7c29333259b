#include "heroes/Bouclier.h"

#include "scene/CercleScenique.h"
#include "scene/Sprite.h"

#include <algorithm>
#include <cmath>

Bouclier::Bouclier(SceneGraphique* scene, sf::Vector2f* a, float profondeur, int type, float portee_)
    : ElementMagique(scene, a ? *a : sf::Vector2f(), profondeur), lien(nullptr)
{
    ancre = a;
    marqueMagie = type;
    marque = type;
    portee = portee_;
    AjouterSprite(new Sprite("data/png/game/personnages/heros/ressources/boucliers.png", 160, 160,
                             sf::Vector2f(80.f, 80.f)));
    if (a)
        Synchroniser();
}

Bouclier::~Bouclier()
{
    if (lien && *lien == this)
        *lien = nullptr;
}

void Bouclier::Agir(CercleScenique* c)
{
    if (!c || !ancre || c->marque != marqueMagie)
        return;
    const sf::Vector2f d = c->position - *ancre;
    if (std::sqrt(d.x * d.x + d.y * d.y) > c->rayon + portee)
        return;
    if (std::find(cibles.begin(), cibles.end(), c) == cibles.end())
        cibles.push_back(c);
}
