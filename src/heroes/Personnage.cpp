#include "heroes/Personnage.h"

#include "scene/Sprite.h"

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;

double Ramener(double a)
{
    a = std::fmod(a, 2.0 * PI);
    if (a < 0.0)
        a += 2.0 * PI;
    return a;
}
}

Personnage::Personnage(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                       const std::vector<float>& parametres)
    : CercleScenique(scene, position, profondeur, parametres), vies(3), dureeAir(17.5f)
{
}

Personnage::~Personnage()
{
}

void Personnage::Rebondir()
{
    const double a = collision.angleSol;
    if (a == PI)
    {
        // plafond plat : seule la part horizontale de l'élan reste
        forceElan.VersComposantes();
        forceElan.norme = forceElan.x;
        forceElan.angle = 0.0;
        forceGravite.norme = 0.f;
    }
    else if (a == PI / 2.0 || a == 3.0 * PI / 2.0)
    {
        forceMoteur.Annuler();
        forceMoteur.angle = 0.0;
        forceElan.VersComposantes();
        forceElan.norme = -forceElan.y;
        forceElan.angle = PI / 2.0;
        if (collision.compteur == 1)
            positionSuivante.y = position.y + vitesse.y * dtCourant;
    }
    else
    {
        // glissement le long de la surface
        double d = Ramener(vitesse.angle - a);
        if (d == 0.0)
            d = 2.0 * PI;
        forceElan.norme = float(std::cos(d) * vitesse.norme);
        forceElan.angle = a;
        forceMoteur.Annuler();
        forceGravite.norme = 0.f;
    }
}

void Personnage::ContactSolide()
{
    const double a = collision.angleSol, r = collision.angleReflexion;
    if (sol)
    {
        if ((a >= PI / 4.0 && a <= 7.0 * PI / 4.0) || r < 3.0 * PI / 4.0 || r > 5.0 * PI / 4.0)
        {
            forceMoteur.norme = -forceMoteur.norme;
            positionSuivante = position;
            versLaDroite = !versLaDroite;
        }
        else
            Reception();
    }
    else if (a >= PI / 2.0 && a <= 3.0 * PI / 2.0)
        Rebondir();
    else
        Reception();
}

void Personnage::ChangerEtat(int e)
{
    CercleScenique::ChangerEtat(e);
}

bool Personnage::EstDangereux(const EntitePhysique*)
{
    return false;
}

void Personnage::ActualiserSpecifique()
{
    Incliner();
}

void Personnage::Reception()
{
    Atterrir();
}

bool Personnage::AirRestant() const
{
    if (echelleTemps != 0.5f)
        return true;
    return horlogeAir.getElapsedTime().asSeconds() <= dureeAir;
}

void Personnage::RelancerAir()
{
    horlogeAir.restart();
}

void Personnage::Incliner()
{
    if (sol && !sprites.empty())
        sprites[0]->FixerRotation(float(forceMoteur.angle * 180.0 / PI));
}
