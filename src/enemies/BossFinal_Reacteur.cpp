#include "enemies/BossFinal_Reacteur.h"

#include "enemies/BossFinal.h"
#include "engine/GestionnaireAudio.h"
#include "scene/Sprite.h"

BossFinal_Reacteur::BossFinal_Reacteur(SceneGraphique* scene_, BossFinal* corps_, float profondeur_)
    : CercleMecanique(scene_, corps_, nullptr, profondeur_), corps(corps_)
{
    rayon = 30.f;
    decalageSprite = sf::Vector2f(112.f, 24.f);
    fige = true;
    AjouterSprite(new Sprite(BossFinal::IMAGE, 64, 48, sf::Vector2f(32.f, 0.f)));
    sprites[0]->FixerImage(0, 6);
}

BossFinal_Reacteur::~BossFinal_Reacteur()
{
    if (corps)
        corps->Oublier(this);
}

void BossFinal_Reacteur::AnimerEtat()
{
    if (sprites.empty())
        return;
    const int e = corps ? corps->Etat() : BossFinal::VAINCU;
    if ((e >= 11 && e <= 13) || e == BossFinal::VAINCU)
        sprites[0]->FixerImage(0, 6);
    else if (e == BossFinal::SAUT || e == BossFinal::SUSPENDU)
    {
        // pleine poussée, avec son souffle toutes les demi-secondes
        sprites[0]->AnimerLigne(0, 7, 8, 0.05f, true);
        if (horloge.getElapsedTime().asSeconds() > 0.5f)
        {
            GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/flamme.ogg");
            horloge.restart();
        }
    }
    else
        sprites[0]->AnimerLigne(0, 6, 7, 0.05f, true);
}

void BossFinal_Reacteur::ToucherHeros(Heros* heros)
{
    if (BossFinal::Menace(corps))
        CercleMecanique::ToucherHeros(heros);
}
