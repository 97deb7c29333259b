#include "enemies/Animal.h"

#include "game/IAEngine.h"
#include "scene/Sprite.h"

#include <cmath>
#include <cstdlib>

namespace
{
const double PI = 3.14159265358979323846;

double Hasard()
{
    return double(std::rand() % 32768) / 32767.0;
}
}

Animal::Animal(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, float delai_)
    : Personnage(scene, position, profondeur), delai(delai_)
{
    fige = true;
    masse = 140.f;
    versLaDroite = false;
    detruireHorsVue = true;
    AjouterSprite(new Sprite("data/png/game/personnages/animaux/animaux.png", 64, 64, sf::Vector2f(32.f, 32.f)));
    IAEngine::Inscrire(this);
}

Animal::~Animal()
{
    IAEngine::Desinscrire(this);
}

void Animal::Penser()
{
    if (!fige || horloge2.getElapsedTime().asSeconds() <= delai)
        return;
    fige = false;
    forceElan.angle = PI / 2.0;
    forceElan.norme = float(300.0 + 200.0 * Hasard());
    profondeur += 45.f - std::floor(profondeur);
}

void Animal::ContactSolide()
{
    if (forceElan.angle == PI / 2.0)
        Bondir();
    else
    {
        // rebond du corps, sans perte de vitesse
        CerclePhysique::Rebondir();
        versLaDroite = vitesse.x > 0.f;
    }
}

void Animal::Bondir()
{
    ReinitialiserForces();
    const double r1 = Hasard(), r2 = Hasard(), r3 = Hasard();
    const double d = PI / 6.0 - r2 * PI / 24.0;
    if (std::lround(r1) == 1)
    {
        versLaDroite = true;
        forceElan.angle = PI / 2.0 - d;
    }
    else
    {
        versLaDroite = false;
        forceElan.angle = PI / 2.0 + d;
    }
    forceElan.norme = float(500.0 + 200.0 * r3);
}

void Animal::ContactMarcheur(float vitesse)
{
    const double a = collision.angleSol;
    const bool plancher = a < PI / 2.0 || a > 3.0 * PI / 2.0;
    if (sol)
    {
        if (collision.angleReflexion < 3.0 * PI / 2.0 || plancher)
            Reception();
        else
            Decoller();
    }
    else if (plancher)
    {
        Reception();
        forceMoteur.norme = vitesse;
    }
}

void Animal::AnimerMarche(int ligne)
{
    if (forceMoteur.norme != 0.f && !sprites.empty())
        sprites[0]->AnimerLigne(ligne, 1, 2, 0.2f, true);
}
