#include "physics/CerclePhysique.h"

#include "physics/PolygonePhysique.h"
#include "physics/Segment.h"

#include <algorithm>
#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;

float Scalaire(const sf::Vector2f& u, const sf::Vector2f& v)
{
    return u.x * v.x + u.y * v.y;
}

float Distance(const sf::Vector2f& p, const sf::Vector2f& q)
{
    const sf::Vector2f d = p - q;
    return std::sqrt(d.x * d.x + d.y * d.y);
}
}

CerclePhysique::CerclePhysique(const sf::Vector2f& point) : EntitePhysique(point)
{
    couche = 1;
    masque = 0x102;
    fige = false;
    rayon = 30.f;
}

CerclePhysique::~CerclePhysique()
{
}

void CerclePhysique::ResoudreCollision()
{
    positionSuivante = collision.point - collision.decalage;
}

void CerclePhysique::Rebondir()
{
    if (sol)
        return;
    double theta = collision.angleSol;
    if (collision.autre)
    {
        const Segment* s = collision.autre->SegmentNumero(collision.indiceSegment);
        if (s)
            theta = s->Angle();
    }
    forceMoteur.Annuler();
    forceGravite.norme = 0.f;
    forceElan.norme = vitesse.norme;
    double angle = 2.0 * theta + PI - vitesse.angle;
    if (angle >= PI)
        angle -= PI;
    forceElan.angle = angle;
}

void CerclePhysique::Rebrousser()
{
    positionSuivante = positionPrecedente;
    if (sol)
    {
        forceMoteur.acceleration = 0.f;
        forceMoteur.norme = -forceMoteur.norme;
        return;
    }
    vitesse.angle -= PI;
    if (vitesse.angle < 0.0)
        vitesse.angle += 2.0 * PI;
    forceElan.angle = vitesse.angle;
    forceElan.norme = vitesse.norme;
    forceMoteur.Annuler();
    forceGravite.norme = 0.f;
}

void CerclePhysique::RepousserDepuis(const EntitePhysique* autre)
{
    if (sol || !autre)
    {
        if (sol)
        {
            positionSuivante = positionPrecedente;
            forceMoteur.acceleration = 0.f;
            forceMoteur.norme = -forceMoteur.norme;
        }
        return;
    }
    positionSuivante = positionPrecedente;
    forceElan.angle = Segment::CalculerAngle(autre->position, position);
    forceElan.norme = vitesse.norme;
    forceMoteur.Annuler();
    forceGravite.norme = 0.f;
}

void CerclePhysique::Amortir()
{
    if (sol)
        return;
    positionSuivante = position;
    if (forceElan.norme == 0.f)
        forceElan.angle = PI / 2.0; // aucun élan : droit vers le haut
    else
        forceElan.angle = std::acos(std::max(-1.0, std::min(1.0, double(forceElan.x) / forceElan.norme)));
    forceElan.norme = 0.75f * vitesse.norme;
    forceGravite.norme = 0.f;
}

bool CerclePhysique::TesterSegment(const Segment& s)
{
    Collision& col = collision;
    col.tTest = 0.f;
    col.indiceCapteur = -1;

    const sf::Vector2f P = position, N = positionSuivante;
    const float r = rayon;
    const Segment* G = sol;
    const sf::Vector2f n = s.Normale(), u = s.Direction();
    const float h = s.DistanceOrigine();
    const float projA = s.ProjA(), projB = s.ProjB();
    const double theta = s.Angle();
    const int F = s.Drapeaux();

    // 1. Positions à travers la ligne et le long du segment ; décalage du pied
    const float a = Scalaire(n, P), b = Scalaire(n, N);
    const float c = Scalaire(u, P), d = Scalaire(u, N);
    const sf::Vector2f o = sf::Vector2f(float(std::sin(theta)), float(std::cos(theta))) * r;

    // 2. Passage du pied sur la ligne
    const sf::Vector2f X = s.Intersection(P + o, N + o);
    col.pointTest = X;
    const float w = Scalaire(u, X);

    // 3. Tests permis
    const bool testSol = (F & SEG_SOL) || ((F & SEG_SOL_SI_AU_SOL) && G);
    const bool testBord = (F & SEG_BORD) && G && col.type != CONTACT_SUITE;
    const bool testSuite = (F & SEG_CONTINUITE) && G && theta == forceMoteur.angle &&
                           (col.type == CONTACT_AUCUN || col.type == CONTACT_MONTEE);

    // 4. Extrémités et côté
    bool testExtremite = false, testCote = false;
    if ((F & SEG_TOUS_SENS) || b - a > 0.f)
    {
        testExtremite = (F & SEG_EXTREMITE) || (F & SEG_COTE);
        testCote = (F & SEG_COTE) != 0;
    }

    // 5. Continuité
    if (testSuite)
    {
        const sf::Vector2f X2 = s.Intersection(N, N + o);
        if (projA <= d && d <= projB && Distance(N, X2) < r + 1.f)
        {
            col.pointTest = X2;
            col.typeTest = CONTACT_SUITE;
            col.tTest = 0.f;
            col.t = col.tTest;
            return true;
        }
    }

    // 6. Extrémités
    if (testExtremite)
    {
        const float J = std::fabs(d - c);
        const bool pres = Distance(P, s.A()) < r || Distance(P, s.B()) < r;
        int etape = 0; // 2 : 6b, 3 : 6c
        if (projA < c && c < projB && a - r < h && h <= a + r)
        {
            col.tTest = J;
            etape = 2;
        }
        else if (pres)
        {
            col.tTest = J;
            etape = (projA < c && c < projB) ? 2 : 3;
        }
        if (etape == 2)
        {
            if (a - r < h && h < a + r)
            {
                if (testCote)
                {
                    col.compteur += 1;
                    col.pointTest = s.Intersection(P, P - o);
                    col.typeTest = CONTACT_COTE;
                    return true;
                }
                etape = 0;
            }
            else
                etape = 3;
        }
        if (etape == 3)
        {
            if (Distance(P, s.A()) < r && d >= c)
            {
                if (F & SEG_EXTREMITE)
                {
                    col.pointTest = s.A();
                    col.typeTest = CONTACT_EXTREMITE;
                    return true;
                }
            }
            else if (Distance(P, s.B()) < r && d <= c && (F & SEG_EXTREMITE))
            {
                col.pointTest = s.B();
                col.typeTest = CONTACT_EXTREMITE;
                return true;
            }
        }
    }

    // 7. Sol : le pied passe la ligne entre P et N
    const float traversee = std::fabs(b - a);
    if (testSol && projA <= w && w <= projB && a + r < h && h < b + r)
    {
        if (!G || h > Scalaire(n, G->A()) || h > Scalaire(n, G->B()))
        {
            col.compteur += 1;
            col.tTest = traversee > 0.f ? (b + r - h) / traversee : 0.f;
            col.typeTest = CONTACT_SOL;
            return true;
        }
    }

    // 8. Bord : le pied repasse la ligne à contre-normale, juste au-delà d'une extrémité
    if (testBord && projA - 1.5f * r < w && w < projB + 1.5f * r && (w < projA || w > projB) &&
        b + r + 0.1f < h && h < a + r + 0.1f && (h < Scalaire(n, G->A()) || h < Scalaire(n, G->B())))
    {
        col.tTest = traversee > 0.f ? -(b + r - h) / traversee : 0.f;
        col.typeTest = CONTACT_MONTEE;
        return true;
    }

    return false;
}
