#include "objects/Balancier.h"

#include "physics/PolygonePhysique.h"

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;
const double MILIEU = 3.0 * PI / 2.0;
}

// Mouvement exact à accélération constante, coupé au passage de 3π/2 où elle change de signe :
// la trajectoire ne dépend pas de la durée des frames.
double Balancier::Pas(float dt)
{
    const double A = double(alpha) / (FRAME_REFERENCE * FRAME_REFERENCE);
    double reste = dt;
    for (int i = 0; i < 4 && reste > 0.0; ++i)
    {
        if (A <= 0.0)
        {
            theta += omega * reste;
            break;
        }
        // du côté de π l'accélération pousse vers 3π/2, de l'autre elle ramène
        const bool avant = theta < MILIEU || (theta == MILIEU && omega < 0.0);
        const double a = avant ? A : -A;
        const double ecart = std::fabs(MILIEU - theta);
        // instant où la phase atteint 3π/2 en allant vers elle
        const double v = avant ? omega : -omega;
        const double t = ecart > 0.0 ? (-v + std::sqrt(v * v + 2.0 * A * ecart)) / A : 0.0;
        if (ecart > 0.0 && t < reste)
        {
            theta = MILIEU;
            omega += a * t;
            reste -= t;
            continue;
        }
        if (ecart == 0.0 && omega == 0.0)
            break;
        theta += omega * reste + 0.5 * a * reste * reste;
        omega += a * reste;
        reste = 0.0;
    }
    return theta;
}

void Balancier::DeplacerVers(PolygonePhysique& corps, const sf::Vector2f& cible, float dt)
{
    if (!(dt > 0.f))
    {
        // pas de temps : pas de vitesse à calculer
        corps.forceMoteur.norme = 0.f;
        corps.vitesse.x = corps.vitesse.y = 0.f;
        corps.deplacementFait = sf::Vector2f(0.f, 0.f);
        return;
    }
    corps.deplacementFait = cible - corps.position;
    corps.dtCourant = dt;
    corps.positionSuivante = cible;
    corps.vitesse.x = (cible.x - corps.position.x) / dt;
    corps.vitesse.y = (cible.y - corps.position.y) / dt;
    corps.vitesse.VersPolaire();
    corps.forceMoteur.norme = corps.vitesse.norme;
    corps.forceMoteur.angle = corps.vitesse.angle;
    corps.ValiderDeplacement();
    corps.vitesse.x = corps.vitesse.y = 0.f;
}
