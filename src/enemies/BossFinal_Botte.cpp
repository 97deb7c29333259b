#include "enemies/BossFinal_Botte.h"

#include "enemies/BossFinal.h"
#include "enemies/BossFinal_Genou.h"
#include "engine/GestionnaireAudio.h"
#include "game/Camera.h"
#include "game/SceneGraphique.h"
#include "scene/Sprite.h"

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;
}

BossFinal_Botte::BossFinal_Botte(SceneGraphique* scene_, BossFinal* corps_, BossFinal_Genou* cuisse,
                                 float profondeur_)
    : CercleMecanique(scene_, cuisse, nullptr, profondeur_), corps(corps_)
{
    rayon = 60.f;
    decalageSprite = sf::Vector2f(0.f, 52.f);
    AjouterSprite(new Sprite(BossFinal::IMAGE, 320, 120, sf::Vector2f(160.f, 60.f)));
    sprites[0]->FixerCadre(304, 0);
}

BossFinal_Botte::~BossFinal_Botte()
{
    if (corps)
        corps->Oublier(this);
}

BossFinal_Genou* BossFinal_Botte::Cuisse() const
{
    return static_cast<BossFinal_Genou*>(parent);
}

void BossFinal_Botte::Lancer(double angle, float norme)
{
    forceMoteur.angle = angle;
    forceMoteur.norme = norme;
}

void BossFinal_Botte::ChangerEtat(int e)
{
    CercleMecanique::ChangerEtat(e);
    // départ d'un pas : la botte quitte le sol et retient d'où elle part
    auto Partir = [this]() {
        Decoller();
        moteur = true;
        positionElement = position;
    };
    auto Poser = [this](int n) {
        forceMoteur.Annuler();
        moteur = false;
        if (Cuisse())
            Cuisse()->ChangerEtat(n);
    };
    switch (e)
    {
    // petit pas en avant
    case 43: Partir(); Lancer(3.0 * PI / 4.0, 100.f); break;
    case 44: Lancer(std::atan2(3.0, -4.0), 100.f); break;
    case 45: Lancer(PI, 100.f); break;
    case 46: Lancer(std::atan2(-5.0, -2.0), 150.f); break;
    case 49: Poser(49); break;
    // grand pas en avant
    case 50: Partir(); Lancer(std::atan2(1.0, -6.0), 200.f); break;
    case 51: Lancer(std::atan2(3.0, -5.0), 100.f); break;
    case 52: Lancer(PI, 100.f); break;
    case 53: Lancer(std::atan2(-5.0, -2.0), 150.f); break;
    case 56: Poser(56); break;
    // pas en arrière
    case 57: Partir(); Lancer(std::atan2(5.0, 2.0), 100.f); break;
    case 58: Lancer(0.0, 100.f); break;
    case 59: Lancer(std::atan2(-3.0, 4.0), 100.f); break;
    case 60: Lancer(-PI / 4.0, 150.f); break;
    case 63: Poser(63); break;
    default: break;
    }
    if (!versLaDroite)
        forceMoteur.angle = PI - forceMoteur.angle;
}

void BossFinal_Botte::Penser()
{
    const float d = std::fabs(position.x - positionElement.x);
    switch (etat)
    {
    case 43: if (d > 16.f) ChangerEtat(44); break;
    case 44: if (d > 48.f) ChangerEtat(45); break;
    case 45: if (d > 80.f) ChangerEtat(46); break;
    case 46: if (sol) ChangerEtat(49); break;
    case 50: if (d > 96.f) ChangerEtat(51); break;
    case 51: if (d > 144.f) ChangerEtat(52); break;
    case 52: if (d > 176.f) ChangerEtat(53); break;
    case 53: if (sol) ChangerEtat(56); break;
    case 57: if (d > 16.f) ChangerEtat(58); break;
    case 58: if (d > 48.f) ChangerEtat(59); break;
    case 59: if (d > 80.f) ChangerEtat(60); break;
    case 60: if (sol) ChangerEtat(63); break;
    default: break;
    }
}

void BossFinal_Botte::ContactSolide()
{
    // seul un sol plat compte ; une botte déjà posée ne se repose pas à chaque frame
    if (collision.type != CONTACT_SOL || std::fabs(std::sin(collision.angleSol)) > 1e-6 ||
        std::cos(collision.angleSol) < 0.0 || sol)
        return;
    Atterrir();
    ReinitialiserForces();
    forceGravite.acceleration = 0.f;
    GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/brrr.ogg");
    Camera* camera = scene ? scene->CameraScene() : nullptr;
    if (moteur)
    {
        if (camera)
            camera->Secouer(5.f, 0.5f);
        return;
    }
    // le robot retombe de son saut : le corps se pose juste au-dessus de cette botte
    BossFinal_Genou* k = Cuisse();
    if (corps && k)
    {
        const float dx = decalageSprite.x + k->decalageSprite.x;
        corps->positionSuivante = sf::Vector2f(versLaDroite ? positionSuivante.x - dx : positionSuivante.x + dx,
                                               positionSuivante.y - decalageSprite.y - k->decalageSprite.y);
    }
    if (camera)
        camera->Secouer(12.f, 1.5f);
}

void BossFinal_Botte::Integrer(float dt)
{
    if (!avecDecalage || support == &forcePropre)
    {
        CercleMecanique::Integrer(dt);
        return;
    }
    // attachée et portée par le corps qui tombe : son trajet de la frame est celui du corps,
    // pour que le sol l'arrête (sinon elle serait déplacée d'un coup, sans trajet à tester)
    dtCourant = dt * echelleTemps;
    PreparerCollision();
    support->VersComposantes();
    vitesse.x = support->x;
    vitesse.y = support->y;
    vitesse.VersPolaire();
    PredirePosition();
}

void BossFinal_Botte::Entrainer()
{
    if (avecDecalage || moteur)
        return;
    forceMoteur.Annuler();
    BossFinal_Genou* k = Cuisse();
    if (!k || !corps || !corps->Moteur())
    {
        forceMoteur.VersPolaire();
        return;
    }
    const BossFinal& s = *corps;
    bool suit = false;
    if (s.vitesse.y < 0.f)
    {
        // le corps monte : la jambe pend et n'est tirée que si sa cuisse monte droit
        if (position.y - decalageSprite.y > k->position.y && std::fabs(k->forceMoteur.angle - PI / 2.0) < 1e-6)
        {
            if (sol)
                Decoller();
            suit = true;
        }
    }
    else
        suit = sol == nullptr;
    if (suit)
    {
        forceMoteur.x = k->forceMoteur.x;
        forceMoteur.y = k->forceMoteur.y;
    }
    forceMoteur.VersPolaire();
}

void BossFinal_Botte::AnimerEtat()
{
    if (sprites.empty())
        return;
    if (corps && corps->Invulnerable())
    {
        const float t = horloge.getElapsedTime().asSeconds();
        if (t > 0.2f)
        {
            sprites[0]->FixerCadre(304, 0);
            horloge.restart();
        }
        else if (t > 0.1f)
            sprites[0]->FixerCadre(304, 320);
    }
    else
        sprites[0]->FixerCadre(304, 0);
}

void BossFinal_Botte::ToucherHeros(Heros* heros)
{
    if (BossFinal::Menace(corps))
        CercleMecanique::ToucherHeros(heros);
}
