#include "enemies/BossFinal_Epaule.h"

#include "enemies/BossFinal.h"
#include "scene/Sprite.h"

BossFinal_Epaule::BossFinal_Epaule(SceneGraphique* scene_, BossFinal* corps_, float profondeur_)
    : CercleMecanique(scene_, corps_, nullptr, profondeur_), corps(corps_)
{
    rayon = 30.f;
    decalageSprite = sf::Vector2f(24.f, -40.f);
    fige = true;
    AjouterSprite(new Sprite(BossFinal::IMAGE, 320, 64, sf::Vector2f(160.f, 32.f)));
    sprites[0]->FixerImage(7, 0);
}

BossFinal_Epaule::~BossFinal_Epaule()
{
    if (corps)
        corps->Oublier(this);
}

void BossFinal_Epaule::ToucherHeros(Heros* heros)
{
    if (BossFinal::Menace(corps))
        CercleMecanique::ToucherHeros(heros);
}
