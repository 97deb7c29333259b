#include "objects/ScieCirculaire.h"

#include "heroes/Heros.h"
#include "scene/Sprite.h"

ScieCirculaire::ScieCirculaire(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                               const std::vector<float>& parametres)
    : CercleScenique(scene_, p, profondeur_, parametres)
{
    masque = 256;
    forceGravite.acceleration = 0.f;
    rayon = 64.f;
    Sprite* s = new Sprite("data/png/game/zones/2/objets/scie_circulaire.png", 128, 128, sf::Vector2f(64.f, 64.f));
    s->FixerImage(0, 0);
    AjouterSprite(s);
    Synchroniser();
}

void ScieCirculaire::ToucherHeros(Heros* heros)
{
    if (heros)
        heros->Blesser(0);
}

void ScieCirculaire::AnimerEtat()
{
    if (!sprites.empty())
        sprites[0]->AnimerLigne(0, 0, 1, 0.25f, true);
}
