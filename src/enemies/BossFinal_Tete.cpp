#include "enemies/BossFinal_Tete.h"

#include "enemies/BossFinal.h"
#include "scene/Sprite.h"

BossFinal_Tete::BossFinal_Tete(SceneGraphique* scene_, BossFinal* corps_, float profondeur_)
    : CercleMecanique(scene_, corps_, nullptr, profondeur_), corps(corps_)
{
    rayon = 30.f;
    decalageSprite = sf::Vector2f(32.f, -80.f);
    fige = true;
    AjouterSprite(new Sprite(BossFinal::IMAGE, 320, 48, sf::Vector2f(192.f, 40.f)));
    sprites[0]->FixerCadre(0, 0);
}

BossFinal_Tete::~BossFinal_Tete()
{
    if (corps)
        corps->Oublier(this);
}

void BossFinal_Tete::AnimerEtat()
{
    if (sprites.empty())
        return;
    // le couvercle bascule en 0,9 s, puis se referme de même
    const float t = horloge.getElapsedTime().asSeconds();
    if (etat == BossFinal::OUVERTURE)
    {
        if (t > 0.9f)
        {
            sprites[0]->FixerRotation(-90.f);
            ChangerEtat(BossFinal::PILOTE);
        }
        else
            sprites[0]->FixerRotation(-90.f * t);
    }
    else if (etat == BossFinal::FERMETURE)
    {
        if (t > 0.9f)
        {
            sprites[0]->FixerRotation(0.f);
            ChangerEtat(BossFinal::PAUSE);
        }
        else
            sprites[0]->FixerRotation(90.f * t - 90.f);
    }
}

void BossFinal_Tete::ToucherHeros(Heros* heros)
{
    if (BossFinal::Menace(corps))
        CercleMecanique::ToucherHeros(heros);
}
