#include "enemies/Projectile.h"

#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "scene/Sprite.h"

#include <algorithm>

namespace
{
const double PI = 3.14159265358979323846;
}

Projectile::Projectile(SceneGraphique* scene, const sf::Vector2f& position, double angle, int t)
    : CercleScenique(scene, position, 49.f), type(std::max(0, std::min(4, t)))
{
    masque = 256;
    forceElan.angle = angle;
    if (scene)
        cadre = sf::FloatRect(0.f, 0.f, float(scene->Largeur()), float(scene->Hauteur()));
    Sprite* s = new Sprite("data/png/game/personnages/droviks/projectiles.png", 64, 64, sf::Vector2f(32.f, 32.f));
    s->FixerImage(0, type);
    AjouterSprite(s);

    forceGravite.acceleration = 0.f;
    rayon = 12.f;
    forceElan.norme = 400.f;
    switch (type)
    {
    case 1:
        forceGravite.acceleration = 9.81f;
        masse = 120.f;
        break;
    case 2:
        rayon = 14.f;
        s->FixerRotation(float(angle * 180.0 / PI));
        break;
    case 3:
        rayon = 14.f;
        forceElan.norme = 800.f;
        s->FixerRotation(float(angle * 180.0 / PI));
        break;
    case 4:
        forceElan.norme = 1000.f;
        profondeur += 37.f - 49.f;
        break;
    default:
        break;
    }
    Synchroniser();
}

void Projectile::ToucherHeros(Heros* heros)
{
    if (heros)
        heros->Blesser(0);
    aSupprimer = true;
}

void Projectile::Animer()
{
    if (!sprites.empty())
    {
        Sprite* s = sprites[0];
        switch (type)
        {
        case 0: s->FixerImage(0, 0); break;
        case 1: s->AnimerLigne(0, 1, 2, 0.15f, true); break;
        case 2: s->FixerImage(0, 4); break;
        case 3: s->FixerImage(0, 6); break;
        default: s->FixerImage(0, 7); break;
        }
    }
    if (horloge.getElapsedTime().asSeconds() > DUREE_VIE)
        aSupprimer = true;
}
