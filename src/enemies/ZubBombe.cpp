#include "enemies/ZubBombe.h"

#include "enemies/BossFinal.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "objects/Explosion.h"
#include "scene/Sprite.h"

#include <cmath>

ZubBombe::ZubBombe(SceneGraphique* scene_, const sf::Vector2f& p, double angle) : CercleScenique(scene_, p, 31.f)
{
    rayon = 32.f;
    masse = 100.f;
    if (scene)
        cadre = sf::FloatRect(0.f, 0.f, float(scene->Largeur()), float(scene->Hauteur()));
    AjouterSprite(new Sprite("data/png/game/personnages/boss/final/robot.png", 64, 64, sf::Vector2f(32.f, 32.f)));
    sprites[0]->FixerImage(0, 9);
    forceElan.angle = angle;
    forceElan.norme = 450.f;
}

ZubBombe::~ZubBombe()
{
    if (corps)
        corps->Oublier(this);
}

void ZubBombe::ToucherHeros(Heros* heros)
{
    // le robot vaincu, ses bombes ne blessent plus
    if (heros && BossFinal::Menace(corps))
        heros->Blesser(0);
}

void ZubBombe::ContactSolide()
{
    // posée sur un sol plat, la mèche part ; ailleurs elle est seulement arrêtée
    if (collision.type != CONTACT_SOL || std::fabs(std::sin(collision.angleSol)) > 1e-6 ||
        std::cos(collision.angleSol) < 0.0 || sol)
        return;
    Atterrir();
    ReinitialiserForces();
    forceGravite.acceleration = 0.f;
    horloge.restart();
}

void ZubBombe::AnimerEtat()
{
    if (aSupprimer || !sol || horloge.getElapsedTime().asSeconds() <= 1.25f)
        return;
    if (scene)
        scene->AjouterElement(new Explosion(scene, position, 3));
    aSupprimer = true;
}
