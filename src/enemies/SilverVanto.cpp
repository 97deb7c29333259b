#include "enemies/SilverVanto.h"

#include "engine/GestionnaireAudio.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "scene/Sprite.h"

#include <cmath>

namespace
{
void Son(const char* chemin)
{
    GestionnaireAudio::Instance()->JouerSon(chemin);
}
} // namespace

SilverVanto::SilverVanto(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                         const std::vector<float>& parametres)
    : Boss(scene_, p, profondeur_, parametres)
{
    if (scene)
        scene->FixerLimiteDroite(int(p.x + 64.f));
    entierCercle = 0;
    rayon = 48.f;
    versLaDroite = false;
    AjouterSprite(new Sprite("data/png/game/personnages/boss/silver.png", 192, 192, sf::Vector2f(96.f, 96.f)));
    sprites[0]->FixerImage(0, 1);
    Synchroniser();
}

void SilverVanto::Commencer()
{
    Boss::Commencer();
    ReinitialiserForces();
    ChangerEtat(DESCENTE);
}

void SilverVanto::Penser()
{
    Boss::Penser();
    const float t = horloge2.getElapsedTime().asSeconds();
    const float vitesse = std::fabs(forceMoteur.norme);
    switch (etat)
    {
    case DESCENTE:
        // elle ne descend que de la pesanteur d'une frame de 1/60 s, à toute cadence
        forceGravite.acceleration = 0.f;
        forceGravite.norme = 9.81f * masse / 60.f;
        break;
    case DEBOUT:
        if (t > 2.5f)
            ChangerEtat(CHOIX);
        break;
    case CHOIX:
        if (t > 0.25f)
        {
            entierCercle += 1;
            if (entierCercle == 1 || entierCercle == 3)
                ChangerEtat(RUEE);
            else if (entierCercle == 2 || entierCercle == 4)
                ChangerEtat(CHARGE);
            else
                entierCercle = 0; // la frame suivante repart sur une ruée
        }
        break;
    case PAUSE:
        if (t > 0.25f)
            ChangerEtat(DEBOUT);
        break;
    case RUEE:
    case RUEE_CHARGEE:
        if (vitesse < 250.f)
            ChangerEtat(FREINAGE);
        break;
    case CHARGE:
        if (t > 0.5f)
        {
            if (entierCercle == 2)
                ChangerEtat(RUEE_CHARGEE);
            else if (entierCercle == 4)
                ChangerEtat(SAUT);
        }
        break;
    case FREINAGE:
        if (vitesse < 50.f)
        {
            versLaDroite = !versLaDroite;
            ChangerEtat(DEBOUT);
        }
        break;
    default:
        break;
    }
}

void SilverVanto::Reception()
{
    // vaincu, il se pose sans reprendre le combat
    if (etat != ETAT_VAINCU)
        ChangerEtat(etat == SAUT ? RUEE_CHARGEE : DEBOUT);
    Atterrir();
}

void SilverVanto::ToucherHeros(Heros* heros)
{
    if (etat == DESCENTE)
        return;
    Boss::ToucherHeros(heros);
}

void SilverVanto::Courir()
{
    // moteur qui freine : la vitesse perd 162750 / 300 pixels par seconde chaque seconde
    forceMoteur.norme = versLaDroite ? 750.f : -750.f;
    forceMoteur.acceleration = versLaDroite ? -162750.f : 162750.f;
}

void SilverVanto::ChangerEtat(int e)
{
    Boss::ChangerEtat(e);
    switch (e)
    {
    case DEBOUT:
        Son("data/ogg/sounds/scie.ogg");
        break;
    case RUEE:
        Son("data/ogg/sounds/fsht.ogg");
        Son("data/ogg/sounds/flamme.ogg");
        Courir();
        break;
    case RUEE_CHARGEE:
        Son("data/ogg/sounds/burstrev_go.ogg");
        Courir();
        break;
    case SAUT:
        sol = nullptr;
        support = &forcePropre;
        forceElan.x = versLaDroite ? 750.f : -750.f;
        forceElan.y = -1100.f;
        forceElan.VersPolaire();
        forceMoteur.acceleration = forceElan.x * -217.f;
        break;
    case ETAT_VAINCU:
        ReinitialiserForces();
        break;
    default:
        break;
    }
}

bool SilverVanto::Derriere(const EntitePhysique* autre) const
{
    return versLaDroite ? autre->position.x < position.x : autre->position.x > position.x;
}

bool SilverVanto::EstDangereux(const EntitePhysique* autre)
{
    if (!autre)
        return false;
    switch (etat)
    {
    case DEBOUT:
    case CHOIX:
    case PAUSE:
        return Derriere(autre);
    case RUEE:
        if (forceMoteur.norme == 0.f || Derriere(autre))
            return true;
        // mouvement du héros par rapport au double : il le blesse s'il ne vient pas à sa rencontre
        return forceMoteur.norme * (autre->vitesse.x - vitesse.x) >= 0.f;
    default:
        return true;
    }
}

void SilverVanto::Flammes()
{
    if (horloge.getElapsedTime().asSeconds() > 0.5f)
    {
        Son("data/ogg/sounds/flamme.ogg");
        horloge.restart();
    }
}

void SilverVanto::AnimerEtat()
{
    if (horloge3.getElapsedTime().asSeconds() > 1.f)
        drapeauCercle = false;
    if (sprites.empty())
        return;
    Sprite* s = sprites[0];
    const bool h = drapeauCercle;
    switch (etat)
    {
    case DEBOUT:
        s->AnimerLigne(0, h ? 5 : 0, h ? 7 : 2, 0.08f, true);
        break;
    case CHOIX:
    case PAUSE:
    case RUEE:
        s->AnimerLigne(1, h ? 5 : 0, h ? 6 : 1, 0.02f, true);
        Flammes();
        break;
    case FREINAGE:
        s->AnimerLigne(1, h ? 7 : 2, h ? 8 : 3, 0.25f, false);
        break;
    case RUEE_CHARGEE:
    case SAUT:
    case CHARGE:
        s->AnimerLigne(2, 0, 2, 0.04f, true);
        break;
    case ETAT_VAINCU:
        s->FixerImage(4, 0);
        break;
    case DESCENTE:
        s->AnimerLigne(3, 0, 1, 0.02f, true);
        Flammes();
        break;
    default:
        s->FixerImage(0, 1);
        break;
    }
}
