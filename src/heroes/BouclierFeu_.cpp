#include "heroes/BouclierFeu_.h"

#include "scene/Sprite.h"

BouclierFeu_::BouclierFeu_(SceneGraphique* scene, sf::Vector2f* a) : Bouclier(scene, a, 50.f, 3)
{
}

void BouclierFeu_::AnimerEtat()
{
    if (etat == 9)
        sprites[0]->FixerImage(4, 9);
    else
        sprites[0]->AnimerLigne(4, 0, 8, 0.08f, true);
}
