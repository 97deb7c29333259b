#include "enemies/BossFinal_Genou.h"

#include "enemies/BossFinal.h"
#include "enemies/BossFinal_Botte.h"
#include "scene/Sprite.h"

BossFinal_Genou::BossFinal_Genou(SceneGraphique* scene_, BossFinal* corps_, float profondeur_,
                                 float profondeurBotte)
    : CercleMecanique(scene_, corps_, nullptr, profondeur_), corps(corps_)
{
    rayon = 32.f;
    decalageSprite = sf::Vector2f(8.f, 72.f);
    AjouterSprite(new Sprite(BossFinal::IMAGE, 320, 64, sf::Vector2f(160.f, 32.f)));
    sprites[0]->FixerCadre(224, 0);
    FixerEnfant(new BossFinal_Botte(scene_, corps_, this, profondeurBotte));
}

BossFinal_Genou::~BossFinal_Genou()
{
    if (corps)
        corps->Oublier(this);
}

BossFinal_Botte* BossFinal_Genou::Botte() const
{
    return static_cast<BossFinal_Botte*>(enfant);
}

void BossFinal_Genou::ChangerEtat(int e)
{
    CercleMecanique::ChangerEtat(e);
    if ((e == 0 || e == 43 || e == 50 || e == 57) && Botte())
        Botte()->ChangerEtat(e);
}

void BossFinal_Genou::Entrainer()
{
    forceMoteur.Annuler();
    BossFinal_Botte* b = Botte();
    if (avecDecalage || !b || !corps)
        return;
    const BossFinal& s = *corps;
    const float dx = b->decalageSprite.x + decalageSprite.x;
    // le corps est plus en arrière que l'aplomb de cette botte
    const bool derriere = versLaDroite ? s.position.x > b->position.x - dx : s.position.x < b->position.x + dx;
    float fx = 0.f, fy = 0.f;
    if (b->Moteur())
    {
        fx = derriere ? 11.f / 12.f * b->forceMoteur.x : 5.f / 6.f * b->forceMoteur.x;
        fy = derriere ? b->forceMoteur.y : 1.5f * b->forceMoteur.y;
    }
    else if (s.Moteur())
    {
        const bool descend = s.vitesse.y > 0.f;
        const bool suit = descend ? b->sol == nullptr : position.y - decalageSprite.y > s.position.y;
        fx = suit ? s.forceMoteur.x : s.forceMoteur.x / 4.f;
        fy = suit ? s.forceMoteur.y : s.forceMoteur.y / 4.f;
    }
    else if (derriere)
    {
        fx = s.forceMoteur.x / 6.f;
        fy = s.forceMoteur.y / 2.f;
    }
    else if ((s.Etat() == BossFinal::MARCHE && s.vitesse.y <= 0.f) || (s.Etat() == BossFinal::RECUL && s.vitesse.y > 0.f))
    {
        fx = s.forceMoteur.x / 3.f;
        fy = s.forceMoteur.y / 3.f;
    }
    else
    {
        fx = s.forceMoteur.x / 3.f;
        fy = s.forceMoteur.y / 2.f;
    }
    forceMoteur.x = fx;
    forceMoteur.y = fy;
    forceMoteur.VersPolaire();
}

void BossFinal_Genou::AnimerEtat()
{
    if (sprites.empty())
        return;
    if (corps && corps->Invulnerable())
    {
        const float t = horloge.getElapsedTime().asSeconds();
        if (t > 0.2f)
        {
            sprites[0]->FixerCadre(224, 0);
            horloge.restart();
        }
        else if (t > 0.1f)
            sprites[0]->FixerCadre(224, 320);
    }
    else
        sprites[0]->FixerCadre(224, 0);
}

void BossFinal_Genou::ToucherHeros(Heros* heros)
{
    if (BossFinal::Menace(corps))
        CercleMecanique::ToucherHeros(heros);
}
