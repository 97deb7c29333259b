#include "heroes/BouclierEau.h"

#include "engine/GestionnaireAudio.h"
#include "scene/Sprite.h"

BouclierEau::BouclierEau(SceneGraphique* scene, sf::Vector2f* a) : Bouclier(scene, a, 75.f, 2)
{
    GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/bouclier.ogg");
}

void BouclierEau::AnimerEtat()
{
    if (etat == 9)
    {
        if (sprites[0]->AnimerLigne(3, 0, 3, 0.05f, false))
            ChangerEtat(0);
    }
    else
        sprites[0]->AnimerLigne(2, 0, 8, 0.08f, true);
}

void BouclierEau::ChangerEtat(int e)
{
    if (e == 9)
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/bouclier_eau.ogg");
    Bouclier::ChangerEtat(e);
}
