#include "heroes/BouclierTerre.h"

#include "engine/GestionnaireAudio.h"
#include "scene/Sprite.h"

BouclierTerre::BouclierTerre(SceneGraphique* scene, sf::Vector2f* a) : Bouclier(scene, a, 75.f, 1)
{
    GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/bouclier.ogg");
    sprites[0]->FixerImage(0, 0);
}

void BouclierTerre::AnimerEtat()
{
}
