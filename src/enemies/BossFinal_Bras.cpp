#include "enemies/BossFinal_Bras.h"

#include "enemies/BossFinal.h"
#include "enemies/BossFinal_AvantBras.h"
#include "scene/Sprite.h"

BossFinal_Bras::BossFinal_Bras(SceneGraphique* scene_, BossFinal* corps_, float profondeur_,
                               float profondeurAvantBras)
    : CercleMecanique(scene_, corps_, nullptr, profondeur_), corps(corps_)
{
    rayon = 24.f;
    decalageSprite = sf::Vector2f(24.f, -14.f);
    AjouterSprite(new Sprite(BossFinal::IMAGE, 320, 64, sf::Vector2f(160.f, 32.f)));
    sprites[0]->FixerImage(8, 0);
    FixerEnfant(new BossFinal_AvantBras(scene_, corps_, this, profondeurAvantBras));
}

BossFinal_Bras::~BossFinal_Bras()
{
    if (corps)
        corps->Oublier(this);
}

BossFinal_AvantBras* BossFinal_Bras::AvantBras() const
{
    return static_cast<BossFinal_AvantBras*>(enfant);
}

void BossFinal_Bras::ChangerEtat(int e)
{
    CercleMecanique::ChangerEtat(e);
    if (e == 0)
    {
        if (AvantBras())
            AvantBras()->ChangerEtat(0);
        forceMoteur.Annuler();
    }
    else if (e == BossFinal_AvantBras::ETAT_POING && AvantBras())
        AvantBras()->ChangerEtat(BossFinal_AvantBras::ETAT_POING);
}

void BossFinal_Bras::Entrainer()
{
    if (avecDecalage)
        return;
    // porté par le corps, il balance en sens contraire de l'autre bras pendant la marche
    if (corps)
        support = &corps->forceMoteur;
    forceMoteur.Annuler();
    if (corps && (etat == BossFinal::MARCHE || etat == BossFinal::RECUL))
    {
        const float signe = etat == BossFinal::MARCHE ? 1.f : -1.f;
        forceMoteur.x = signe * 0.5f * corps->forceMoteur.x;
        forceMoteur.y = signe * 0.125f * corps->forceMoteur.y;
    }
    forceMoteur.VersPolaire();
}

void BossFinal_Bras::AnimerEtat()
{
    if (sprites.empty())
        return;
    if (corps && corps->Invulnerable())
    {
        const float t = horloge.getElapsedTime().asSeconds();
        if (t > 0.2f)
        {
            sprites[0]->FixerImage(8, 0);
            horloge.restart();
        }
        else if (t > 0.1f)
            sprites[0]->FixerImage(8, 1);
    }
    else
        sprites[0]->FixerImage(8, 0);
}

void BossFinal_Bras::ToucherHeros(Heros* heros)
{
    if (BossFinal::Menace(corps))
        CercleMecanique::ToucherHeros(heros);
}
