#include "heroes/Tormundo.h"

#include "scene/Sprite.h"

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;
}

Tormundo::Tormundo(SceneGraphique* scene, const sf::Vector2f& position) : Heros(scene, position)
{
    masse = 175.f;
    AjouterSprite(new Sprite("data/png/game/personnages/heros/tormundo.png", 160, 160, sf::Vector2f(80.f, 80.f)));
}

void Tormundo::Droite()
{
    if (etat != HEROS_PLANE || FinDActe())
        return Heros::Droite();
    reglages.virageADroite = true;
    if (reglages.anglePlane == 0.f)
        reglages.vitesseAvantVirage = forceMoteur.norme;
}

void Tormundo::PreparerCourseForcee()
{
    switch (etat)
    {
    case HEROS_PLANE:
        // il lâche le vol plané et tombe, les commandes de l'air reprennent
        forceMoteur.norme *= reglages.ralentiLache;
        ChangerEtat(HEROS_CHUTE);
        break;
    case HEROS_LACHE:
        ChangerEtat(HEROS_CHUTE);
        break;
    case HEROS_ESCALADE:
        Decoller();
        break;
    case HEROS_GLISSADE:
        if (std::fabs(forceMoteur.norme) < reglages.vitesseMin)
            ChangerEtat(HEROS_RELEVE);
        break;
    default:
        Heros::PreparerCourseForcee();
        break;
    }
}

void Tormundo::Gauche()
{
    if (etat != HEROS_PLANE)
        return Heros::Gauche();
    reglages.virageADroite = false;
    if (reglages.anglePlane == 180.f)
        reglages.vitesseAvantVirage = -forceMoteur.norme;
}

void Tormundo::SansDirection()
{
    if (etat != HEROS_PLANE)
        return Heros::SansDirection();
    Force& m = forceMoteur;
    const ReglagesHeros& r = reglages;
    if (m.norme < 0.f && r.anglePlane == 0.f)
        m.acceleration = -r.accelerationPlane;
    else if (m.norme > 0.f && r.anglePlane == 180.f)
        m.acceleration = r.accelerationPlane;
    if (std::fabs(m.norme) >= r.vitesseMaxPlane)
    {
        m.acceleration = 0.f;
        m.norme = m.norme < 0.f ? -r.vitesseMaxPlane : r.vitesseMaxPlane;
    }
}

void Tormundo::Haut()
{
    if (etat != HEROS_ESCALADE)
        return Heros::Haut();
    forceMoteur.norme = forceMoteur.angle == PI / 2.0 ? reglages.vitesseEscalade : -reglages.vitesseEscalade;
}

void Tormundo::Bas()
{
    if (etat != HEROS_ESCALADE)
        return Heros::Bas();
    forceMoteur.norme = forceMoteur.angle == PI / 2.0 ? -reglages.vitesseEscalade : reglages.vitesseEscalade;
}

void Tormundo::HautRelache()
{
    if (etat != HEROS_ESCALADE)
        return Heros::HautRelache();
    forceMoteur.norme = 0.f;
}

void Tormundo::BasRelache()
{
    if (etat != HEROS_ESCALADE)
        return Heros::BasRelache();
    forceMoteur.norme = 0.f;
}

void Tormundo::SautMaintenu()
{
    ReglagesHeros& r = reglages;
    if (etat == HEROS_ESCALADE)
    {
        if (phaseSaut == 0)
        {
            // saut hors du mur, à l'opposé de celui-ci
            phaseSaut = 1;
            forceMoteur.angle = versLaDroite ? PI / 4.0 : 7.0 * PI / 4.0;
            ChangerEtat(HEROS_SAUT);
            forceElan.norme = r.vitesseSautCoupe;
            versLaDroite = !versLaDroite;
        }
        return;
    }
    if (etat == HEROS_GLISSADE)
    {
        if (std::fabs(forceMoteur.norme) < r.vitesseMin)
            ChangerEtat(HEROS_RELEVE);
        return;
    }
    if (etat == HEROS_PLANE)
    {
        Force& m = forceMoteur;
        if (r.vitesseAvantVirage != 0.f)
        {
            m.acceleration = 0.f;
            r.anglePlane += (r.virageADroite ? 1.f : -1.f) * r.vitesseVirage * Dt();
            m.norme = float(std::cos(r.anglePlane * PI / 180.0)) * r.vitesseAvantVirage;
            if (r.anglePlane > 180.f)
            {
                r.anglePlane = 180.f;
                m.norme = -r.vitesseAvantVirage;
                m.acceleration = r.accelerationPlane;
                r.vitesseAvantVirage = 0.f;
            }
            else if (r.anglePlane < 0.f)
            {
                r.anglePlane = 0.f;
                m.norme = r.vitesseAvantVirage;
                m.acceleration = -r.accelerationPlane;
                r.vitesseAvantVirage = 0.f;
            }
        }
        versLaDroite = m.norme >= 0.f;
        forceElan.VersComposantes();
        if ((forceElan.x > 0.f && m.norme < 0.f) || (forceElan.x < 0.f && m.norme > 0.f))
            ChangerEtat(HEROS_LACHE);
        return;
    }
    Heros::SautMaintenu();
    if (etat == HEROS_SAUT && phaseSaut == 2)
        ChangerEtat(HEROS_PLANE);
}

void Tormundo::SautRelache()
{
    if (etat == HEROS_PLANE)
    {
        forceMoteur.norme *= reglages.ralentiLache;
        ChangerEtat(HEROS_LACHE);
        return;
    }
    if (etat == HEROS_GLISSADE)
    {
        if (std::fabs(forceMoteur.norme) < reglages.vitesseMin)
            ChangerEtat(HEROS_RELEVE);
        return;
    }
    Heros::SautRelache();
}

void Tormundo::ContactSolide()
{
    if (etat != HEROS_ESCALADE)
        return Heros::ContactSolide();
    const int type = collision.type;
    const double a = collision.angleSol;
    if (type == CONTACT_SOL)
        ChangerEtat(HEROS_LACHE);
    else if (type == CONTACT_MONTEE)
    {
        if (a == PI / 4.0 || a == 7.0 * PI / 4.0)
            ChangerEtat(HEROS_HISSE);
        else
        {
            Decoller();
            ChangerEtat(HEROS_LACHE);
        }
    }
}

void Tormundo::Reception()
{
    if (etat == HEROS_PLANE)
    {
        Atterrir();
        ChangerEtat(HEROS_GLISSADE);
    }
    else if (etat == HEROS_LACHE)
    {
        Atterrir();
        ChangerEtat(HEROS_RECEPTION_LACHE);
    }
    else
        Heros::Reception();
}

void Tormundo::Rebondir()
{
    const double a = collision.angleSol;
    if (etat == HEROS_PLANE && (a == PI / 2.0 || a == 3.0 * PI / 2.0))
    {
        ChangerEtat(HEROS_ESCALADE);
        Atterrir();
        forceMoteur.norme = 0.f;
        forceMoteur.acceleration = 0.f;
        forceGravite.norme = 0.f;
        positionSuivante = collision.point - collision.decalage;
        return;
    }
    Heros::Rebondir();
}

// Renvoyé en plein vol plané (un boss frappé) : il lâche le vol et retombe avec l'élan du renvoi,
// au lieu de monter tant que le saut est tenu
void Tormundo::Rebrousser()
{
    const bool planait = etat == HEROS_PLANE && !sol;
    Heros::Rebrousser();
    if (planait)
        ChangerEtat(HEROS_LACHE);
}

void Tormundo::ChangerEtat(int n)
{
    ReglagesHeros& r = reglages;
    forceGravite.acceleration = 9.81f;
    Heros::ChangerEtat(n);
    Force& m = forceMoteur;
    switch (n)
    {
    case HEROS_PLANE:
        phaseSaut = -1;
        forceElan.Annuler();
        if (vitesse.y < r.chutePlane)
        {
            forceGravite.acceleration = 0.f;
            forceGravite.norme = r.chutePlane;
        }
        else
        {
            forceGravite.acceleration = r.gravitePlane;
            forceGravite.norme = vitesse.y;
        }
        r.vitesseAvantVirage = 0.f;
        m.Annuler();
        m.angle = 0.0;
        if (versLaDroite)
        {
            r.anglePlane = 180.f;
            m.acceleration = r.accelerationPlane;
            m.norme = r.vitessePlane;
        }
        else
        {
            r.anglePlane = 0.f;
            m.acceleration = -r.accelerationPlane;
            m.norme = -r.vitessePlane;
        }
        break;
    case HEROS_GLISSADE:
        phaseSaut = -1;
        m.acceleration = m.norme > 0.f ? r.freinageGlissade : -r.freinageGlissade;
        break;
    case HEROS_ESCALADE:
        if (!sprites.empty())
            sprites[0]->FixerImage(9, 0);
        m.norme = 0.f;
        m.acceleration = 0.f;
        phaseSaut = -1;
        break;
    case HEROS_HISSE:
        positionSuivante.x += m.angle == PI / 2.0 ? rayon : -rayon;
        positionSuivante.y -= 22.f;
        m.Annuler();
        m.angle = 0.0;
        break;
    default:
        break;
    }
}

void Tormundo::AnimerEtat()
{
    Heros::AnimerEtat();
    if (sprites.empty())
        return;
    Sprite* s = sprites[0];
    const float k = echelleTemps > 0.f ? 1.f / echelleTemps : 1.f;
    if (AnimerPoseCommune(s, k))
        return;
    const float a = reglages.anglePlane;
    switch (etat)
    {
    case HEROS_DERAPAGE: s->AnimerLigne(5, 0, 1, 0.05f * k, false); break;
    case HEROS_DEMI_TOUR:
        ElementScenique::ChangerEtat(HEROS_COURSE);
        versLaDroite = !versLaDroite;
        break;
    case HEROS_BURSTREV: s->AnimerLigne(3, 3, 6, 0.015f * k, true); break;
    case HEROS_POUSSEE: s->FixerImage(1, 4); break;
    case HEROS_ESCALADE:
        if (forceMoteur.norme != 0.f)
            s->AnimerLigne(9, 0, 5, 0.07f * k, true);
        break;
    case HEROS_HISSE:
        if (s->AnimerLigne(9, 6, 8, 0.17f * k, false))
            ChangerEtat(HEROS_DEBOUT);
        break;
    case HEROS_PLANE:
        s->FixerImage(8, (a == 0.f || a == 180.f) ? 0 : ((a < 60.f || a > 120.f) ? 1 : 2));
        break;
    case HEROS_LACHE: s->AnimerLigne(8, 3, 4, 0.2f * k, false); break;
    case HEROS_RECEPTION_LACHE:
        if (s->AnimerLigne(3, 0, 1, 0.15f * k, false))
            ChangerEtat(HEROS_DEBOUT);
        break;
    case HEROS_GLISSADE: s->FixerImage(8, 5); break;
    case HEROS_RELEVE:
        if (s->AnimerLigne(8, 5, 6, 0.15f * k, false))
            ChangerEtat(HEROS_DEBOUT);
        break;
    default: break;
    }
}
