#include "objects/Balancier.h"

#include "physics/PolygonePhysique.h"

namespace
{
const double PI = 3.14159265358979323846;
}

double Balancier::Pas()
{
    const float a = theta < 3.0 * PI / 2.0 ? alpha : -alpha;
    omega += a;
    theta += omega;
    return theta;
}

void Balancier::DeplacerVers(PolygonePhysique& corps, const sf::Vector2f& cible, float dt)
{
    if (!(dt > 0.f))
    {
        // pas de temps : pas de vitesse à calculer
        corps.forceMoteur.norme = 0.f;
        corps.vitesse.x = corps.vitesse.y = 0.f;
        return;
    }
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
