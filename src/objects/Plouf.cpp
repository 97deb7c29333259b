#include "objects/Plouf.h"

#include "engine/GestionnaireAudio.h"
#include "scene/Sprite.h"

namespace
{
std::size_t nombrePloufs = 0;
}

Plouf::Plouf(SceneGraphique* scene_, const sf::Vector2f& p) : ElementScenique(scene_, p, 79.f)
{
    ++nombrePloufs;
    detruireHorsVue = true;
    GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/plouf.ogg");
    // l'origine en bas : la gerbe monte depuis la surface
    AjouterSprite(new Sprite("data/png/game/zones/_/plouf.png", 64, 64, sf::Vector2f(32.f, 64.f)));
    sprites[0]->FixerImage(0, 0);
    Synchroniser();
}

Plouf::~Plouf()
{
    --nombrePloufs;
}

void Plouf::AnimerEtat()
{
    if (sprites[0]->AnimerLigne(0, 0, 11, 0.045f, false))
        aSupprimer = true;
}

std::size_t Plouf::Nombre()
{
    return nombrePloufs;
}
