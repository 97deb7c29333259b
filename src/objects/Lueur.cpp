#include "objects/Lueur.h"

#include "engine/GestionnaireAudio.h"
#include "scene/Sprite.h"

#include <algorithm>

Lueur::Lueur(SceneGraphique* scene_, const sf::Vector2f& p) : ElementScenique(scene_, p, 78.f)
{
    Sprite* s = new Sprite("data/png/game/zones/_/lueur.png", 96, 2, sf::Vector2f(48.f, 2.f));
    s->FixerImage(0, 0);
    s->FixerEchelle(1.f, 480.f);
    AjouterSprite(s);
    // bornes coupées au haut du niveau : la colonne d'un portail haut placé reste dans l'index
    const float haut = std::max(0.f, p.y - 960.f);
    cadre = sf::FloatRect(p.x - 48.f, haut, 96.f, std::max(1.f, p.y - haut));
    Synchroniser();
    GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/teleportation.ogg");
}

void Lueur::AnimerEtat()
{
    if (!sprites.empty())
        sprites[0]->AnimerColonne(0, 1, 40, 0.1f, false);
}
