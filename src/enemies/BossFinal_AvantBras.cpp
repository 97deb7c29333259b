#include "enemies/BossFinal_AvantBras.h"

#include "enemies/BossFinal.h"
#include "enemies/BossFinal_Bras.h"
#include "engine/GestionnaireAudio.h"
#include "heroes/Heros.h"
#include "scene/Sprite.h"

namespace
{
const double PI = 3.14159265358979323846;
}

BossFinal_AvantBras::BossFinal_AvantBras(SceneGraphique* scene_, BossFinal* corps_, BossFinal_Bras* bras,
                                         float profondeur_)
    : CercleMecanique(scene_, bras, nullptr, profondeur_), corps(corps_)
{
    rayon = 32.f;
    masse = 300.f;
    decalageSprite = sf::Vector2f(-74.f, 30.f);
    AjouterSprite(new Sprite(BossFinal::IMAGE, 320, 64, sf::Vector2f(160.f, 32.f)));
    sprites[0]->FixerImage(9, 0);
}

BossFinal_AvantBras::~BossFinal_AvantBras()
{
    if (corps)
        corps->Oublier(this);
}

BossFinal_Bras* BossFinal_AvantBras::Bras() const
{
    return static_cast<BossFinal_Bras*>(parent);
}

void BossFinal_AvantBras::ChangerEtat(int e)
{
    CercleMecanique::ChangerEtat(e);
    if (e == 0)
    {
        // retour à sa place au bout du bras
        moteur = false;
        ReinitialiserForces();
        forceGravite.acceleration = 0.f;
        if (Bras())
            position = Bras()->position +
                       sf::Vector2f(versLaDroite ? decalageSprite.x : -decalageSprite.x, decalageSprite.y);
    }
    else if (e == ETAT_POING)
    {
        // lancé vers l'avant, rappelé en arrière de 3000 px/s chaque seconde
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/fsht.ogg");
        moteur = true;
        const double a = versLaDroite ? PI + PI / 30.0 : -PI / 30.0;
        forceMoteur.angle = a;
        forceMoteur.norme = 1750.f;
        forceMoteur.acceleration = 0.f;
        forceGravite.angle = a - PI;
        forceGravite.norme = 0.f;
        forceGravite.acceleration = 10.f;
    }
}

void BossFinal_AvantBras::Penser()
{
    BossFinal_Bras* b = Bras();
    if (etat != ETAT_POING || !b)
        return;
    // revenu à sa place
    const bool revenu = versLaDroite ? position.x > b->position.x + decalageSprite.x
                                     : position.x < b->position.x - decalageSprite.x;
    if (revenu)
        ChangerEtat(0);
}

void BossFinal_AvantBras::Entrainer()
{
    if (avecDecalage || moteur)
        return;
    if (corps)
        support = &corps->forceMoteur;
    if (Bras())
    {
        forceMoteur.angle = Bras()->forceMoteur.angle;
        forceMoteur.norme = Bras()->forceMoteur.norme;
    }
}

void BossFinal_AvantBras::ToucherHeros(Heros* heros)
{
    if (heros && BossFinal::Menace(corps) && heros->Blesser(0))
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/pics.ogg");
}

void BossFinal_AvantBras::AnimerEtat()
{
    if (sprites.empty())
        return;
    if (corps && corps->Invulnerable())
    {
        const float t = horloge.getElapsedTime().asSeconds();
        if (t > 0.2f)
        {
            sprites[0]->FixerImage(9, 0);
            horloge.restart();
        }
        else if (t > 0.1f)
            sprites[0]->FixerImage(9, 1);
    }
    else
        sprites[0]->FixerImage(9, 0);
}
