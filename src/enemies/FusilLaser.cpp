#include "enemies/FusilLaser.h"

#include "enemies/Projectile.h"
#include "game/SceneGraphique.h"
#include "scene/Sprite.h"

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;
}

float FusilLaser::LirePeriode(const std::vector<float>& p)
{
    // période absente, nulle, négative ou absurde : celle par défaut (pas un tir par frame)
    if (p.empty() || !std::isfinite(p[0]) || !(p[0] > 0.f))
        return PERIODE_DEFAUT;
    return p[0];
}

FusilLaser::FusilLaser(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                       const std::vector<float>& parametres, int genre)
    : CercleScenique(scene, position, profondeur, parametres), periode(LirePeriode(parametres))
{
    entier = genre;
    rayon = 0.f;
    Sprite* s = new Sprite("data/png/game/personnages/droviks/zubrobot.png", 128, 160, sf::Vector2f(64.f, 80.f));
    s->FixerImage(0, 9);
    if (genre == GENRE_GAUCHE)
        s->Miroir(true);
    AjouterSprite(s);
    Synchroniser();
}

void FusilLaser::Animer()
{
    if (horloge.getElapsedTime().asSeconds() <= periode)
        return;
    Projectile* tir = new Projectile(scene, position, entier == GENRE_GAUCHE ? PI : 0.0, 4);
    if (scene)
        scene->AjouterElement(tir);
    else
        delete tir;
    horloge.restart();
}
