#include "heroes/Heros.h"

#include "engine/GestionnaireAudio.h"
#include "engine/GestionnaireControleurs.h"
#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "game/Camera.h"
#include "game/SceneGraphique.h"
#include "heroes/Bouclier.h"
#include "heroes/BouclierEau.h"
#include "heroes/BouclierEclair.h"
#include "objects/BassinEau.h"
#include "heroes/BouclierFeu.h"
#include "heroes/BouclierTerre.h"
#include "heroes/BouclierTotal.h"
#include "heroes/BurstrevDust.h"
#include "objects/Anneau.h"
#include "objects/Bulle.h"
#include "physics/PolygonePhysique.h"
#include "scene/Sprite.h"
#include "shell/MyQtSFMLWindow.h"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

bool PresqueAPlat(double a)
{
    return a > 7.0 * PI / 4.0 || a < PI / 4.0;
}

void Son(const char* chemin)
{
    GestionnaireAudio::Instance()->JouerSon(chemin);
}
}

Heros::Heros(SceneGraphique* scene, const sf::Vector2f& position)
    : EntiteInteractive(), Personnage(scene, position, 59.f), phaseSaut(-1), commandesBloquees(false),
      poussiere(nullptr), anneaux(0), score(0), bouclierActif(nullptr), bouclierEnAttente(0),
      dureeInvincibilite(20.f), turbo(false), turboApplique(false), dureeTurbo(10.f)
{
    couche = 256;
    masque = 7;
    profondeur = 59.f;
    marque = 0;
    etat = 0;
    MoteurGraphique::Instance()->AjouterPermanent(this);
}

Heros::~Heros()
{
    RetirerBouclier();
    QuitterCharge();
    MoteurGraphique::Instance()->RetirerPermanent(this);
}

float Heros::Dt() const
{
    return MyQtSFMLWindow::DureeFrame() * echelleTemps;
}

// --- Commandes ---

void Heros::MettreAJour(sf::RenderWindow&)
{
    if (commandesBloquees)
        return;
    if (GestionnaireControleurs::Instance()->Controleur() == GestionnaireControleurs::MANETTE)
        LireManette();
    else
        LireClavier();
}

void Heros::TraiterEvenement(const sf::Event& e)
{
    if (commandesBloquees)
        return;
    if (GestionnaireControleurs::Instance()->Controleur() == GestionnaireControleurs::MANETTE)
        EvenementManette(e);
    else
        EvenementClavier(e);
}

void Heros::LireClavier()
{
    if (sf::Keyboard::isKeyPressed(sf::Keyboard::Down))
        Bas();
    else if (sf::Keyboard::isKeyPressed(sf::Keyboard::Up))
        Haut();
    else
    {
        BasRelache();
        HautRelache();
    }
    if (sf::Keyboard::isKeyPressed(sf::Keyboard::Right))
        Droite();
    else if (sf::Keyboard::isKeyPressed(sf::Keyboard::Left))
        Gauche();
    else
        SansDirection();
    const int t = GestionnaireControleurs::Instance()->Touche(5);
    if (t >= 0 && t < sf::Keyboard::KeyCount && sf::Keyboard::isKeyPressed(sf::Keyboard::Key(t)))
        SautMaintenu();
    else
        SautRelache();
}

void Heros::LireManette()
{
    const float y = sf::Joystick::getAxisPosition(0, sf::Joystick::Y);
    const float x = sf::Joystick::getAxisPosition(0, sf::Joystick::X);
    if (y > 1.f)
        Bas();
    else if (y < -1.f)
        Haut();
    else
    {
        BasRelache();
        HautRelache();
    }
    if (x > 1.f)
        Droite();
    else if (x < -1.f)
        Gauche();
    else
        SansDirection();
    if (sf::Joystick::isButtonPressed(0, GestionnaireControleurs::Instance()->Bouton(1)))
        SautMaintenu();
    else
        SautRelache();
}

void Heros::EvenementClavier(const sf::Event& e)
{
    if (e.type == sf::Event::KeyPressed && int(e.key.code) == GestionnaireControleurs::Instance()->Touche(5))
        AppuiSaut();
}

void Heros::EvenementManette(const sf::Event& e)
{
    if (e.type == sf::Event::JoystickButtonPressed &&
        e.joystickButton.button == GestionnaireControleurs::Instance()->Bouton(1))
        AppuiSaut();
}

void Heros::AppuiSaut()
{
    if (etat == HEROS_ACCROUPI)
        ChangerEtat(HEROS_BURSTREV);
    else if (etat == HEROS_BURSTREV)
    {
        Son("data/ogg/sounds/burstrev.ogg");
        reglages.chargeBurstrev = std::min(reglages.chargeBurstrev + reglages.incrementBurstrev,
                                           reglages.chargeMaxBurstrev);
    }
}

void Heros::Droite()
{
    if (FinDActe())
        PreparerCourseForcee();
    Diriger(1.f);
}

bool Heros::FinDActe() const
{
    return commandesBloquees && scene && scene->EtatScene() == SCENE_FIN_ACTE;
}

// Fin d'acte : le héros quitte les poses d'où la course forcée vers la droite ne part pas
void Heros::PreparerCourseForcee()
{
    if (etat == HEROS_ACCROUPI || etat == HEROS_REGARDE_HAUT || etat == HEROS_BURSTREV)
        ChangerEtat(HEROS_DEBOUT);
}

void Heros::Gauche()
{
    Diriger(-1.f);
}

// Une direction tenue : sens = 1 vers la droite, -1 vers la gauche (les vitesses lues dans ce sens)
void Heros::Diriger(float sens)
{
    const ReglagesHeros& r = reglages;
    Force& m = forceMoteur;
    const float v = sens * m.norme;
    const bool versCeSens = sens > 0.f;
    switch (etat)
    {
    case HEROS_DEBOUT:
        versLaDroite = versCeSens;
        ChangerEtat(HEROS_COURSE);
        break;
    case HEROS_COURSE:
        m.acceleration = sens * r.accelerationSol;
        if (v < 0.f)
        {
            if (PresqueAPlat(m.angle))
            {
                if (v < -r.vitesseDerapage)
                    ChangerEtat(HEROS_DERAPAGE);
                else if (versLaDroite != versCeSens || m.angle == 0.0)
                {
                    m.norme = sens * r.vitesseMin;
                    ChangerEtat(HEROS_COURSE);
                }
            }
        }
        else
        {
            versLaDroite = versCeSens;
            if (v > r.vitesseMax)
                m.acceleration = 0.f;
        }
        break;
    case HEROS_CHUTE:
    case HEROS_SAUT:
    case HEROS_PROPULSE:
        m.acceleration = 0.f;
        if (sens * vitesse.x < r.vitesseMaxAir)
        {
            m.acceleration = sens * r.accelerationAir;
            if (sens * vitesse.x >= 0.f)
                versLaDroite = versCeSens;
        }
        break;
    case HEROS_DERAPAGE:
        if (v < 0.f)
        {
            m.acceleration = -sens * r.freinageDerapage;
            if (v > -2.f * r.vitesseMin)
            {
                m.acceleration = 0.f;
                ChangerEtat(HEROS_DEMI_TOUR);
            }
        }
        break;
    case HEROS_ROULADE:
        if (v < 0.f)
        {
            m.acceleration = -sens * r.freinageRoulade;
            if (v > -r.vitesseMinRoulade)
                ChangerEtat(HEROS_DEBOUT);
        }
        break;
    case HEROS_VRILLE:
        m.acceleration = 0.f;
        versLaDroite = versCeSens;
        if (v < r.vitesseMax)
            Decoller();
        break;
    case HEROS_POUSSEE:
        // pousser ne prend pas d'élan ; la direction opposée fait repartir, et aussi un mur qui n'est plus là
        // (chaque contact de face relance l'horloge de l'état)
        m.acceleration = 0.f;
        if (v < 0.f || (v == 0.f && versLaDroite != versCeSens))
        {
            m.norme = 0.f;
            ChangerEtat(HEROS_COURSE);
        }
        else if (horloge.getElapsedTime().asSeconds() > std::max(0.1f, 2.f * MyQtSFMLWindow::DureeFrame()))
            ChangerEtat(HEROS_COURSE);
        break;
    default:
        break;
    }
}

bool Heros::AnimerPoseCommune(Sprite* s, float k)
{
    switch (etat)
    {
    case HEROS_DEBOUT: s->FixerImage(0, 0); return true;
    case HEROS_ACCROUPI: s->AnimerLigne(3, 0, 1, 0.1f * k, false); return true;
    case HEROS_REGARDE_HAUT: s->AnimerLigne(4, 4, 5, 0.15f * k, false); return true;
    case HEROS_ROULADE:
        // la roulade tourne plus vite avec la vitesse
        s->AnimerLigne(2, 0, 7, 0.06f / float(int(std::fabs(forceMoteur.norme)) / 200 + 1) * k, true);
        return true;
    case HEROS_SAUT: s->AnimerLigne(2, 0, 7, 0.07f * k, true); return true;
    default: return false;
    }
}

void Heros::SansDirection()
{
    const ReglagesHeros& r = reglages;
    Force& m = forceMoteur;
    const float v = m.norme;
    switch (etat)
    {
    case HEROS_COURSE:
        m.acceleration = v < 0.f ? -r.frottementSol : r.frottementSol;
        if (std::fabs(v) < r.vitesseMin)
        {
            m.acceleration = 0.f;
            if (PresqueAPlat(m.angle))
            {
                m.Annuler();
                if (sol)
                    ChangerEtat(HEROS_DEBOUT);
            }
        }
        break;
    case HEROS_CHUTE:
    case HEROS_SAUT:
    case HEROS_PROPULSE:
    case HEROS_LACHE:
        m.acceleration = v < 0.f ? -r.frottementAir : r.frottementAir;
        if (std::fabs(vitesse.x) < r.vitesseMinAir)
            m.acceleration = 0.f;
        break;
    case HEROS_DERAPAGE:
    case HEROS_DEMI_TOUR:
        ChangerEtat(HEROS_COURSE);
        break;
    case HEROS_VRILLE:
        if (std::fabs(v) < r.vitesseMax)
            Decoller();
        else
            m.acceleration = v < 0.f ? -r.frottementSol : r.frottementSol;
        break;
    case HEROS_POUSSEE:
        ChangerEtat(HEROS_DEBOUT);
        break;
    default:
        break;
    }
}

void Heros::Bas()
{
    if (!sol)
        return;
    Force& m = forceMoteur;
    switch (etat)
    {
    case HEROS_DEBOUT:
        ChangerEtat(HEROS_ACCROUPI);
        break;
    case HEROS_ACCROUPI:
        if (scene && scene->CameraScene())
            scene->CameraScene()->FixerSuivi(false);
        break;
    case HEROS_COURSE:
    case HEROS_VRILLE:
        if (std::fabs(m.norme) > reglages.vitesseMinRoulade)
        {
            Son("data/ogg/sounds/roule.ogg");
            ChangerEtat(HEROS_ROULADE);
        }
        break;
    case HEROS_ROULADE:
        m.acceleration = 0.f;
        if (m.angle == 0.0 && std::fabs(m.norme) < reglages.vitesseMinRoulade)
            ChangerEtat(HEROS_DEBOUT);
        break;
    default:
        break;
    }
}

void Heros::BasRelache()
{
    Force& m = forceMoteur;
    switch (etat)
    {
    case HEROS_ROULADE:
        m.acceleration = m.norme < 0.f ? -reglages.frottementRoulade : reglages.frottementRoulade;
        if (m.angle == 0.0 && std::fabs(m.norme) < reglages.vitesseMinRoulade)
            ChangerEtat(HEROS_DEBOUT);
        break;
    case HEROS_BURSTREV:
    {
        Son("data/ogg/sounds/burstrev_go.ogg");
        const float elan = reglages.vitesseBurstrev + reglages.chargeBurstrev;
        ChangerEtat(HEROS_ROULADE); // la poussière part, la charge retombe
        m.norme = versLaDroite ? elan : -elan;
        phaseSaut = -1;
        break;
    }
    case HEROS_ACCROUPI:
        ChangerEtat(HEROS_DEBOUT);
        break;
    default:
        break;
    }
}

void Heros::Haut()
{
    if (etat == HEROS_DEBOUT)
        ChangerEtat(HEROS_REGARDE_HAUT);
    else if (etat == HEROS_REGARDE_HAUT && scene && scene->CameraScene())
        scene->CameraScene()->FixerSuivi(false);
}

void Heros::HautRelache()
{
    if (etat == HEROS_REGARDE_HAUT)
        ChangerEtat(HEROS_DEBOUT);
}

void Heros::SautMaintenu()
{
    switch (etat)
    {
    case HEROS_DEBOUT:
    case HEROS_COURSE:
    case HEROS_ROULADE:
    case HEROS_SAUT:
    case HEROS_VRILLE:
    case HEROS_POUSSEE:
        if (phaseSaut == 0)
        {
            phaseSaut = 1;
            ChangerEtat(HEROS_SAUT);
        }
        break;
    default:
        break;
    }
}

void Heros::SautRelache()
{
    const ReglagesHeros& r = reglages;
    if (etat == HEROS_SAUT && phaseSaut == 1)
    {
        // saut court : la montée est coupée à vitesseSautCoupe
        if (-vitesse.y > r.vitesseSautCoupe && forceElan.norme == r.impulsionSaut)
        {
            forceElan.norme = r.vitesseSautCoupe;
            forceGravite.norme = 0.f;
        }
        phaseSaut = 2;
        forceElan.VersComposantes();
        forceMoteur.VersComposantes();
        forceElan.x += forceMoteur.x;
        forceElan.y += forceMoteur.y;
        forceElan.VersPolaire();
        forceElan.angle = Ramener(forceElan.angle);
        forceMoteur.Annuler();
        forceMoteur.angle = 0.0;
    }
    else if (etat == HEROS_BURSTREV)
        reglages.chargeBurstrev -= 2.f * reglages.chargeBurstrev * Dt();
    if (sol)
        phaseSaut = 0;
}

// --- Mouvement et contacts ---

void Heros::AppliquerMoteur()
{
    const float avant = forceMoteur.norme;
    EntitePhysique::AppliquerMoteur();
    // un freinage qui passerait zéro dans la frame s'arrête à zéro, quelle que soit la durée de la frame
    if ((etat == HEROS_DERAPAGE || etat == HEROS_ROULADE || etat == HEROS_GLISSADE) &&
        avant * forceMoteur.acceleration < 0.f && avant * forceMoteur.norme <= 0.f)
    {
        forceMoteur.norme = 0.f;
        forceMoteur.acceleration = 0.f;
        if (etat == HEROS_DERAPAGE)
            ChangerEtat(HEROS_DEMI_TOUR);
        else if (etat == HEROS_GLISSADE)
            ChangerEtat(HEROS_RELEVE);
        else if (PresqueAPlat(forceMoteur.angle))
            ChangerEtat(HEROS_DEBOUT);
    }
    if (etat == HEROS_COURSE || etat == HEROS_DERAPAGE || etat == HEROS_ROULADE)
        forceMoteur.norme -= float(std::sin(forceMoteur.angle)) * reglages.vitesseMax * dtCourant;
    const double a = forceMoteur.angle;
    if (sol && a >= PI / 2.0 && a <= 3.0 * PI / 2.0 && std::fabs(forceMoteur.norme) < reglages.vitesseMax * 0.5f &&
        etat != HEROS_ESCALADE)
        Decoller();
}

void Heros::DecollerCorps()
{
    // quitter le sol sans perdre le mouvement (le saut y ajoute son élan)
    sol = nullptr;
    support = &forcePropre;
    forceExterne = &forcePropre;
    fige = false;
}

void Heros::Decoller()
{
    EntitePhysique::Decoller();
    phaseSaut = -1;
    if (etat == HEROS_ROULADE)
        etat = HEROS_SAUT;
    else
        ChangerEtat(HEROS_CHUTE);
}

void Heros::Reception()
{
    if (!sol)
    {
        if (etat == HEROS_BLESSE)
            ChangerEtat(HEROS_DEBOUT);
        else if (std::round(vitesse.x) == 0.f && collision.angleSol == 0.0)
            ChangerEtat(HEROS_DEBOUT);
        else
            ChangerEtat(HEROS_COURSE);
    }
    Atterrir();
}

void Heros::Rebondir()
{
    Personnage::Rebondir();
}

bool Heros::RebondBullePossible() const
{
    return marque == 2 && phaseSaut == 3;
}

void Heros::RebondBulle()
{
    phaseSaut = 4;
    forceGravite.norme = 0.f;
    forceElan.norme = reglages.vitesseRebondBulle;
    forceElan.angle = PI / 2.0;
}

void Heros::ContactSolide()
{
    const int type = collision.type;
    const double a = collision.angleSol, r = collision.angleReflexion;
    if (type == CONTACT_SOL || type == CONTACT_SUITE || type == CONTACT_COTE)
    {
        if (!sol)
        {
            if (a >= PI / 2.0 && a <= 3.0 * PI / 2.0)
                Rebondir();
            else if (RebondBullePossible())
                RebondBulle();
            else
                Reception();
        }
        else if (r == PI / 2.0)
            ChangerEtat(std::fabs(forceMoteur.norme) > 2.f * reglages.vitesseMax ? HEROS_BLESSE : HEROS_POUSSEE);
        else if (r < PI / 2.0)
        {
            if (type == CONTACT_COTE)
                ChangerEtat(HEROS_MORT);
            else
                Rebondir();
        }
        else if (RebondBullePossible())
            RebondBulle();
        else
            Reception();
    }
    else if (type == CONTACT_MONTEE)
    {
        if (r >= 3.839724354387525)
            Decoller();
        else
            Reception();
    }
    else if (type == CONTACT_EXTREMITE)
    {
        if (sol)
            ChangerEtat(HEROS_MORT);
    }
}

void Heros::QuitterCharge()
{
    if (poussiere)
    {
        poussiere->FixerSuppression(true);
        poussiere->Detacher();
        poussiere = nullptr;
    }
    reglages.chargeBurstrev = 0.f;
}

void Heros::ChangerEtat(int n)
{
    // quitter la charge, par quelque chemin que ce soit, la perd
    if (etat == HEROS_BURSTREV && n != HEROS_BURSTREV)
        QuitterCharge();
    const bool simple = n == HEROS_COURSE || n == HEROS_CHUTE || n == HEROS_POUSSEE ||
                        ((n == HEROS_NOYE || n == HEROS_MORT) && masque == 0);
    if (simple)
    {
        etat = n;
        horloge.restart();
        horloge2.restart();
        if (n != HEROS_POUSSEE)
            return;
    }
    else
        Personnage::ChangerEtat(n);

    Camera* camera = scene ? scene->CameraScene() : nullptr;
    switch (n)
    {
    case HEROS_PORTAIL:
        if (!sprites.empty())
            sprites[0]->FixerImage(11, 10);
        break;
    case HEROS_DEBOUT:
    case HEROS_RECEPTION_LACHE:
    case HEROS_RELEVE:
        forceMoteur.Annuler();
        vitesse.Annuler();
        break;
    case HEROS_DERAPAGE:
        Son("data/ogg/sounds/glisse.ogg");
        break;
    case HEROS_SAUT:
    {
        Son("data/ogg/sounds/saut.ogg");
        const double a = forceMoteur.angle;
        DecollerCorps();
        forceElan.norme = reglages.impulsionSaut;
        forceElan.angle = Ramener(a + PI / 2.0);
        break;
    }
    case HEROS_BURSTREV:
        Son("data/ogg/sounds/burstrev.ogg");
        if (!poussiere)
        {
            poussiere = new BurstrevDust(scene, &position, versLaDroite);
            poussiere->FixerLien(&poussiere);
            if (scene)
                scene->AjouterElement(poussiere);
        }
        break;
    case HEROS_POUSSEE:
    {
        // contre un mur le héros garde tout juste vitessePoussee, sans élan ; un bloc poussable avance avec lui
        forceMoteur.acceleration = 0.f;
        forceMoteur.norme = versLaDroite ? reglages.vitessePoussee : -reglages.vitessePoussee;
        PolygonePhysique* p = collision.autre;
        if (p && p->poussable && p->sol)
        {
            p->fige = false;
            p->forceExterne = &forceMoteur;
        }
        break;
    }
    case HEROS_RESPIRE:
        Son("data/ogg/sounds/oxygene.ogg");
        ReinitialiserForces();
        RelancerAir();
        break;
    case HEROS_BLESSE:
        DecollerCorps();
        ReinitialiserForces();
        forceElan.norme = reglages.vitesseBlessure;
        forceElan.angle = versLaDroite ? 3.0 * PI / 4.0 : PI / 4.0;
        positionSuivante = position;
        if (!sprites.empty())
            sprites[0]->Clignoter(3.f);
        break;
    case HEROS_NOYE:
    case HEROS_MORT:
        if (masque != 0)
        {
            Son(n == HEROS_NOYE ? "data/ogg/sounds/se_noye.ogg" : "data/ogg/sounds/perdu.ogg");
            DecollerCorps();
            ReinitialiserForces();
            masque = 0;
            if (n == HEROS_MORT)
            {
                forceElan.norme = reglages.vitesseMort;
                forceElan.angle = PI / 2.0;
            }
            positionSuivante = position;
            if (!sprites.empty())
                sprites[0]->Clignoter(0.f);
            if (camera)
                camera->FixerCible(nullptr);
        }
        break;
    default:
        break;
    }
}

void Heros::Propulser(double angle, float v)
{
    const double d = forceMoteur.angle - angle;
    if (sol && (d == 0.0 || std::fabs(d) == PI))
    {
        if (forceMoteur.norme > 0.f)
            forceMoteur.norme = v;
        else if (forceMoteur.norme < 0.f)
            forceMoteur.norme = -v;
        return;
    }
    DecollerCorps();
    forceElan.norme = std::fabs(v);
    forceElan.angle = angle;
    forceElan.VersComposantes();
    forceMoteur.norme = 0.f;
    forceGravite.norme = 0.f;
    if (angle == 0.0 || angle == PI)
    {
        forceElan.y += vitesse.y;
        forceElan.VersPolaire();
    }
    else if (angle == PI / 2.0)
    {
        forceElan.x += vitesse.x;
        forceElan.VersPolaire();
        ChangerEtat(HEROS_PROPULSE);
    }
    else if (angle == 3.0 * PI / 2.0)
    {
        forceElan.x += vitesse.x;
        forceElan.VersPolaire();
    }
    forceElan.angle = Ramener(forceElan.angle);
}

void Heros::AfficherVrille(int sens, int image)
{
    if (sprites.empty())
        return;
    Sprite* s = sprites[0];
    s->FixerImage(10, image);
    float rot = 0.f;
    if (!versLaDroite)
    {
        switch (image)
        {
        case 1: case 5: rot = 45.f; break;
        case 2: case 3: rot = 90.f; break;
        case 4: rot = 60.f; break;
        case 6: rot = 345.f; break;
        case 7: rot = 315.f; break;
        case 8: rot = 285.f; break;
        case 9: rot = 270.f; break;
        case 10: rot = 300.f; break;
        default: rot = 0.f; break;
        }
    }
    if (sens == 1)
        rot -= 90.f;
    s->FixerRotation(rot);
}

void Heros::LimiterAuNiveau()
{
    if (commandesBloquees || !scene)
        return;
    const float g = float(scene->LimiteGauche()) + rayon, d = float(scene->LimiteDroite()) - rayon;
    // même immobile ou repoussé, le héros reste entre les limites : la vue le montre toujours
    if (positionSuivante.x < g)
        positionSuivante.x = g;
    if (positionSuivante.x > d)
        positionSuivante.x = d;
    if (masque != 0 && position.y > float(scene->LimiteBas()))
        ChangerEtat(HEROS_MORT);
}

void Heros::PlacerAncreBouclier()
{
    if (etat == HEROS_ROULADE || etat == HEROS_SAUT || etat == HEROS_BURSTREV || etat == HEROS_APPARITION)
        positionDepart = position;
    else
        positionDepart = sf::Vector2f(position.x, position.y - 9.f);
}

void Heros::Reinitialiser()
{
    commandesBloquees = true;
    ReinitialiserForces();
    DecollerCorps();
    masque = 7;
    echelleTemps = 1.f;
    if (positionElement.x > 640.f || !scene)
        position = positionElement;
    else
        position = scene->PointDepart();
    positionSuivante = positionPrecedente = position;
    ChangerEtat(HEROS_APPARITION);
    versLaDroite = true;
    profondeur = 59.f;
    anneaux = 0;
    RetirerBouclier();
    RelancerAir();
    if (scene && scene->CameraScene())
        scene->CameraScene()->FixerCible(this);
}

bool Heros::EstDangereux(const EntitePhysique*)
{
    return etat == HEROS_ROULADE || etat == HEROS_SAUT || etat == HEROS_BURSTREV || etat == HEROS_PLANE ||
           marque == 5;
}

// --- Objets et coups ---

void Heros::AjouterAnneaux(int n)
{
    Son("data/ogg/sounds/anneau.ogg");
    anneaux += n;
}

void Heros::AjouterVies(int n)
{
    vies += n;
    Son("data/ogg/sounds/vie.ogg");
}

void Heros::EmpilerBonus(int id)
{
    bonusEnAttente.push_back(id);
    horlogesBonus.push_back(Horloge());
}

bool Heros::Blesser(int genre)
{
    if (masque == 0 || (!sprites.empty() && sprites[0]->EnClignotement()))
        return false;
    if (marque != 0)
    {
        if (genre == marque || marque == 5)
            return false;
        Son("data/ogg/sounds/perdu.ogg");
        RetirerBouclier();
        ChangerEtat(HEROS_BLESSE);
        return true;
    }
    if (anneaux == 0)
    {
        ChangerEtat(HEROS_MORT);
        return true;
    }
    DisperserAnneaux();
    ChangerEtat(HEROS_BLESSE);
    return true;
}

void Heros::DisperserAnneaux()
{
    Son("data/ogg/sounds/anneaux.ogg");
    if (anneaux >= 32)
        anneaux = 32;
    const int n = anneaux;
    float force = 500.f;
    auto Lancer = [this, &force](double angle) {
        Force f;
        f.norme = force;
        f.angle = angle;
        Anneau* a = new Anneau(scene, positionSuivante, f);
        if (scene)
            scene->AjouterElement(a);
        else
            delete a;
    };
    if (n % 2 == 1 && n < 32)
    {
        Lancer(versLaDroite ? 0.45 * PI : 0.55 * PI);
        anneaux -= 1;
    }
    double r = PI / 10.0;
    while (anneaux > 0)
    {
        Lancer(PI / 2.0 - r);
        Lancer(PI / 2.0 + r);
        anneaux -= 2;
        if (n - anneaux == 10 || n - anneaux == 20)
        {
            force -= 100.f;
            r = PI / 40.0;
        }
        else
            r += PI / 10.0;
    }
    anneaux = 0;
}

void Heros::DonnerBouclier(int type)
{
    if (marque == 5)
    {
        // une seconde invincibilité prolonge la première, le bouclier d'avant attend toujours
        if (type == 5)
            horlogeBouclier.restart();
        else
            bouclierEnAttente = type;
        return;
    }
    bouclierEnAttente = marque;
    RetirerBouclier();
    marque = type;
    horlogeBouclier.restart();
    class Bouclier* b = nullptr;
    switch (type)
    {
    case 1: b = new BouclierTerre(scene, &positionDepart); break;
    case 2: b = new BouclierEau(scene, &positionDepart); break;
    case 3: b = new BouclierFeu(scene, &positionDepart); break;
    case 4: b = new BouclierEclair(scene, &positionDepart); break;
    case 5: b = new BouclierTotal(scene, &positionDepart); break;
    default:
        marque = 0;
        bouclierEnAttente = 0;
        return;
    }
    bouclierActif = b;
    b->FixerLien(&bouclierActif);
    if (scene)
        scene->AjouterElement(b);
    if (type != 5)
        bouclierEnAttente = 0;
}

void Heros::RetirerBouclier()
{
    if (bouclierActif)
    {
        bouclierActif->FixerSuppression(true);
        bouclierActif->FixerLien(nullptr);
        if (!scene)
            delete bouclierActif;
    }
    bouclierActif = nullptr;
    marque = 0;
}

void Heros::AppliquerTurbo(bool doubler)
{
    if (turboApplique == doubler)
        return;
    turboApplique = doubler;
    const float f = doubler ? 2.f : 0.5f;
    reglages.accelerationSol *= f;
    reglages.frottementSol *= f;
    reglages.vitesseMax *= f;
    reglages.accelerationAir *= f;
    reglages.frottementRoulade *= f;
    MoteurAudio::Instance()->DefinirHauteur(doubler ? 1.25f : 1.f);
}

void Heros::ActiverTurbo(bool actif, bool relancer)
{
    if (turbo == actif)
        return;
    turbo = actif;
    if (actif)
    {
        AppliquerTurbo(echelleTemps != 0.5f);
        if (relancer)
            horlogeTurbo.restart();
    }
    else
        AppliquerTurbo(false);
}

void Heros::FixerEchelleTemps(float s)
{
    EntitePhysique::FixerEchelleTemps(s);
    if (!turbo)
        return;
    if (s == 0.5f)
        AppliquerTurbo(false);
    else
    {
        AppliquerTurbo(true);
        horlogeTurbo.restart();
    }
}

// --- Par frame ---

void Heros::Animer()
{
    // contenus des moniteurs : un par frame, une demi-seconde après la casse
    if (!bonusEnAttente.empty() && horlogesBonus.front().getElapsedTime().asSeconds() > 0.5f)
    {
        const int id = bonusEnAttente.front();
        bonusEnAttente.pop_front();
        horlogesBonus.pop_front();
        switch (id)
        {
        case 5000010: AjouterAnneaux(10); break;
        case 5000020: AjouterVies(1); break;
        case 5000030: ActiverTurbo(true, true); break;
        case 5000050: Blesser(0); break;
        case 5000110: DonnerBouclier(1); break;
        case 5000120: DonnerBouclier(2); break;
        case 5000130: DonnerBouclier(3); break;
        case 5000140: DonnerBouclier(4); break;
        case 5000199: DonnerBouclier(5); break;
        default: break;
        }
    }
    if (marque == 5)
    {
        if (horlogeBouclier.getElapsedTime().asSeconds() > dureeInvincibilite)
        {
            RetirerBouclier();
            DonnerBouclier(bouclierEnAttente);
        }
        if (bouclierEnAttente == 2 || marque == 2)
            RelancerAir();
    }
    else if (marque == 2)
        RelancerAir();
    if (turbo && horlogeTurbo.getElapsedTime().asSeconds() > dureeTurbo)
        ActiverTurbo(false, true);

    // mort : on recommence l'acte trois secondes plus tard s'il reste des vies
    if (scene && scene->EtatScene() == SCENE_JEU && masque == 0 && horloge.getElapsedTime().asSeconds() > 3.f)
    {
        if (vies <= 1)
            vies = 0;
        else
        {
            vies -= 1;
            scene->FixerEtatScene(SCENE_RECOMMENCER);
        }
        return;
    }
    ElementScenique::Animer();
}

void Heros::AnimerEtat()
{
    if (sprites.empty())
        return;
    Sprite* s = sprites[0];
    const float k = echelleTemps > 0.f ? 1.f / echelleTemps : 1.f;
    const float v = std::fabs(forceMoteur.norme);
    switch (etat)
    {
    case HEROS_COURSE:
    case HEROS_CHUTE:
        if (v < reglages.vitesseMin)
            s->AnimerLigne(1, 0, 7, 0.17f * k, true);
        else if (v < reglages.vitesseMax - 50.f ||
                 (v < reglages.vitesseMax && s->LigneCourante() == 1 && s->ColonneCourante() < 8))
            s->AnimerLigne(1, 0, 7, 0.1f / (std::floor(std::round(v) / 300.f) + 1.f) * k, true);
        else
            s->AnimerLigne(1, 8, 11, 0.05f * k, true);
        break;
    case HEROS_PROPULSE:
        if (s->AnimerLigne(10, 0, 11, 0.15f * k, false))
            ChangerEtat(HEROS_CHUTE);
        break;
    case HEROS_RESPIRE:
        s->FixerImage(11, 0);
        if (horlogeAir.getElapsedTime().asSeconds() > 1.f)
            ChangerEtat(HEROS_CHUTE);
        break;
    case HEROS_APPARITION:
    case HEROS_BLESSE:
        s->AnimerLigne(4, 10, 11, 0.2f * k, true);
        break;
    case HEROS_NOYE:
        s->FixerImage(11, 9);
        if (horlogeBulles.getElapsedTime().asSeconds() > 0.05f)
        {
            horlogeBulles.restart();
            const float dx = float(std::rand() % 9 - 4);
            Bulle* b = new Bulle(scene, sf::Vector2f(position.x + dx, position.y - rayon), 2);
            if (scene)
                scene->AjouterElement(b);
            else
                delete b;
        }
        break;
    case HEROS_MORT:
        s->FixerImage(11, 11);
        break;
    default:
        break;
    }
}

void Heros::ActualiserSpecifique()
{
    // sorti de l'eau sans passer la ligne de sortie (ressort, vrille, tube) : de nouveau à l'air libre
    if (echelleTemps == 0.5f && scene && !BassinEau::SousUneSortie(scene, position))
    {
        FixerEchelleTemps(1.f);
        RelancerAir();
    }
    if (etat == HEROS_COURSE || etat == HEROS_CHUTE)
        Incliner();
    else if (etat != HEROS_VRILLE && !sprites.empty())
        sprites[0]->FixerRotation(0.f);
}
