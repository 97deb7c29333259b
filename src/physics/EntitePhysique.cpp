#include "physics/EntitePhysique.h"

#include "physics/CerclePhysique.h"
#include "physics/PolygonePhysique.h"
#include "physics/RegistreCorps.h"
#include "physics/Segment.h"

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;

double Ramener(double angle)
{
    angle = std::fmod(angle, 2.0 * PI);
    if (angle < 0.0)
        angle += 2.0 * PI;
    return angle;
}

float Scalaire(const sf::Vector2f& u, const sf::Vector2f& v)
{
    return u.x * v.x + u.y * v.y;
}

// Inscrit le contact du dernier test comme contact retenu
void Retenir(EntitePhysique& corps, PolygonePhysique* polygone, int i, const Segment& s, float marge)
{
    Collision& c = corps.collision;
    const double theta = s.Angle();
    c.autre = polygone;
    c.indiceSegment = i;
    c.angleSol = theta;
    c.type = c.typeTest;
    c.t = c.tTest;
    c.point = c.pointTest;
    c.decalage = sf::Vector2f(float(std::sin(theta)), float(std::cos(theta))) * (corps.rayon + marge);
    const double reflexion = corps.forceMoteur.norme > 0.f ? corps.forceMoteur.angle + PI - theta
                                                           : theta + PI - corps.forceMoteur.angle;
    c.angleReflexion = Ramener(reflexion);
}
}

EntitePhysique::EntitePhysique(const sf::Vector2f& point)
    : couche(0), position(point), positionPrecedente(point), positionSuivante(point), positionDepart(point),
      fige(true), masse(0.f), rayon(0.f), echelleTemps(1.f), dtCourant(0.f), forceExterne(&forcePropre),
      sol(nullptr), support(&forcePropre), masque(0)
{
    forceGravite.acceleration = 9.81f;
    forceGravite.angle = 3.0 * PI / 2.0;
    RegistreCorps::Inscrire(this);
}

EntitePhysique::~EntitePhysique()
{
    RegistreCorps::Retirer(this);
}

void EntitePhysique::Integrer(float dt)
{
    dtCourant = dt * echelleTemps;
    PreparerCollision();
    if (fige)
        return;
    Transporter();
    AppliquerMoteur();
    AppliquerGravite();
    VerifierForceExterne();
    CalculerComposantes();
    CalculerVitesse();
    PredirePosition();
}

void EntitePhysique::PreparerCollision()
{
    collision.Preparer();
}

void EntitePhysique::Transporter()
{
    support->VersComposantes();
    vitesse.x = support->x;
    vitesse.y = support->y;
    PredirePosition();
    position = positionSuivante;
}

void EntitePhysique::AppliquerMoteur()
{
    if (masse != 0.f)
        forceMoteur.norme += forceMoteur.acceleration / masse * dtCourant;
}

void EntitePhysique::AppliquerGravite()
{
    if (sol)
        forceGravite.norme = 0.f;
    else
        forceGravite.norme += forceGravite.acceleration * masse * dtCourant;
}

void EntitePhysique::VerifierForceExterne()
{
    if (forceExterne->norme == 0.f)
        forceExterne = &forcePropre;
}

void EntitePhysique::CalculerComposantes()
{
    forceMoteur.VersComposantes();
    forceGravite.VersComposantes();
    forceElan.VersComposantes();
    forceExterne->VersComposantes();
}

void EntitePhysique::CalculerVitesse()
{
    vitesse.x = forceMoteur.x + forceGravite.x + forceElan.x + forceExterne->x;
    vitesse.y = forceMoteur.y + forceGravite.y + forceElan.y + forceExterne->y;
    vitesse.VersPolaire();
}

void EntitePhysique::PredirePosition()
{
    positionSuivante = position + sf::Vector2f(vitesse.x, vitesse.y) * dtCourant;
}

void EntitePhysique::ValiderDeplacement()
{
    positionPrecedente = position;
    position = positionSuivante;
}

void EntitePhysique::Atterrir()
{
    if (!sol)
        forceMoteur.norme = float(std::cos(vitesse.angle - collision.angleSol) * vitesse.norme);
    forceMoteur.angle = collision.angleSol;
    forceElan.Annuler();
    if (collision.autre)
    {
        // Indice hors de la liste (segments reconstruits entre-temps) : on garde le sol actuel
        Segment* s = collision.autre->SegmentNumero(collision.indiceSegment);
        if (s)
        {
            sol = s;
            support = &collision.autre->forceMoteur;
        }
    }
}

bool EntitePhysique::AuDelaDeSonSol() const
{
    if (!sol || (sol->Drapeaux() & SEG_BORD))
        return false;
    // tant que son corps touche encore le bout, il y tient (et passe une fente plus étroite que lui)
    const float d = Scalaire(sol->Direction(), positionSuivante);
    return d < sol->ProjA() - rayon || d > sol->ProjB() + rayon;
}

void EntitePhysique::Decoller()
{
    sol = nullptr;
    forceElan.norme = forceMoteur.norme;
    forceElan.angle = forceMoteur.angle;
    forceMoteur.Annuler();
    forceMoteur.angle = 0.0;
    support = &forcePropre;
    forceExterne = &forcePropre;
    fige = false;
}

void EntitePhysique::FixerEchelleTemps(float echelle)
{
    echelleTemps = echelle;
}

void EntitePhysique::ReinitialiserForces()
{
    forceMoteur = Force();
    forceGravite = Force();
    forceElan = Force();
    vitesse = Force();
    forceGravite.acceleration = 9.81f;
    forceGravite.angle = 3.0 * PI / 2.0;
    support = &forcePropre;
    forceExterne = &forcePropre;
}

bool EntitePhysique::Interagissent(const EntitePhysique& a, const EntitePhysique& b)
{
    return (a.masque & b.couche) != 0 && (b.masque & a.couche) != 0;
}

bool EntitePhysique::ToucheCercle(const EntitePhysique* heros, const CerclePhysique* cercle)
{
    if (!heros || !cercle || !Interagissent(*heros, *cercle))
        return false;
    const sf::Vector2f d = heros->position - cercle->position;
    return std::sqrt(d.x * d.x + d.y * d.y) <= heros->rayon + cercle->rayon;
}

bool EntitePhysique::ToucheSegments(CerclePhysique* cercle, PolygonePhysique* polygone)
{
    if (!cercle || !polygone || cercle->fige || !Interagissent(*cercle, *polygone))
        return false;
    Collision& c = cercle->collision;
    // un polygone déjà déplacé vers le haut pendant cette frame (ascenseur) rattrape par-dessous un corps
    // en l'air : le test se fait dans son repère, le départ du corps décalé d'autant
    sf::Vector2f d(0.f, 0.f);
    if (!cercle->sol && polygone->deplacementFait.y < 0.f)
        d = polygone->deplacementFait;
    cercle->position += d;
    bool capteur = false;
    const std::vector<Segment*>& liste = polygone->Segments();
    for (std::size_t i = 0; i < liste.size() && !capteur; ++i)
    {
        const Segment& s = *liste[i];
        if (!cercle->TesterSegment(s))
            continue;
        if (s.Drapeaux() & SEG_CAPTEUR)
        {
            c.indiceCapteur = int(i);
            capteur = true;
            continue;
        }
        if (c.t <= c.tTest)
            Retenir(*cercle, polygone, int(i), s, 0.05f);
    }
    cercle->position -= d;
    return capteur;
}

bool EntitePhysique::TouchePolygone(PolygonePhysique* p1, PolygonePhysique* p2)
{
    if (!p1 || !p2 || p1->fige || !Interagissent(*p1, *p2))
        return false;
    const sf::Vector2f p = p1->position, q = p1->positionSuivante;
    const float r = p1->rayon;
    Collision& c = p1->collision;
    bool trouve = false;
    const std::vector<Segment*>& liste = p2->Segments();
    for (std::size_t i = 0; i < liste.size(); ++i)
    {
        const Segment& s = *liste[i];
        const Vecteur& n = s.Normale();
        const Vecteur& u = s.Direction();
        const float h = s.DistanceOrigine();
        const float np = Scalaire(n, p) + r, nq = Scalaire(n, q) + r;
        const float up = Scalaire(u, p);
        bool contact = false;
        if ((s.Drapeaux() & SEG_SOL) && s.ProjA() <= up && up <= s.ProjB() && np <= h && h < nq)
        {
            c.typeTest = CONTACT_SOL;
            if (s.EstHorizontal())
                c.pointTest = sf::Vector2f(p.x, s.A().y);
            else if (s.EstVertical())
                c.pointTest = sf::Vector2f(s.A().x, p.y);
            else
                c.pointTest = p + sf::Vector2f(n.x, n.y) * (h - Scalaire(n, p)); // pente : pied de la normale
            contact = true;
        }
        else if ((s.Drapeaux() & SEG_BORD) && p1->sol && s.EstVertical() && h <= np && h > nq)
        {
            const float cc = up;
            if (s.ProjB() <= cc - r && cc - r < s.ProjB() + r)
            {
                c.typeTest = CONTACT_MONTEE;
                c.pointTest = sf::Vector2f(s.B().x, p.y);
                contact = true;
            }
            else if (s.ProjA() >= cc + r && cc + r > s.ProjA() - r)
            {
                c.typeTest = CONTACT_MONTEE;
                c.pointTest = sf::Vector2f(s.A().x, p.y);
                contact = true;
            }
        }
        if (contact)
        {
            c.tTest = 0.f;
            Retenir(*p1, p2, int(i), s, 0.f);
            trouve = true;
        }
    }
    return trouve;
}
