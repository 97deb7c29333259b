#include "enemies/Malvek.h"

#include "enemies/BossFinal.h"
#include "game/SceneGraphique.h"
#include "scene/Sprite.h"

Malvek::Malvek(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_, const std::vector<float>& parametres)
    : Ennemi(scene_, p, profondeur_, parametres), corps(nullptr)
{
    masse = 160.f;
    forceGravite.acceleration = 0.f;
    vies = 5;
    if (scene)
        cadre = sf::FloatRect(0.f, 0.f, float(scene->Largeur()), float(scene->Hauteur()));
    AjouterSprite(new Sprite("data/png/game/personnages/boss/malvek.png", 128, 128, sf::Vector2f(64.f, 64.f)));
    sprites[0]->FixerImage(0, 0);
}

Malvek::~Malvek()
{
    if (corps)
        corps->Oublier(this);
}

void Malvek::AnimerEtat()
{
    if (sprites.empty())
        return;
    if (etat == ETAT_SALUT)
        sprites[0]->AnimerLigne(0, 0, 1, 0.15f, true);
    else if (etat == 0)
        sprites[0]->FixerImage(0, 0);
}

void Malvek::ChangerEtat(int e)
{
    Ennemi::ChangerEtat(e);
    if (e >= 11 && e <= 13)
        ReinitialiserForces();
}

void Malvek::Reception()
{
    Atterrir();
}
