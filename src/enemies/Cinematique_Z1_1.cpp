#include "enemies/Cinematique_Z1_1.h"

#include "scene/Sprite.h"

Cinematique_Z1_1::Cinematique_Z1_1(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                                   const std::vector<float>& parametres)
    : Boss(scene_, p, profondeur_, parametres)
{
    masque = 0;
    versLaDroite = true;
    rayon = 0.f;
    AjouterSprite(
        new Sprite("data/png/game/personnages/boss/cinematique_z1_1.png", 160, 192, sf::Vector2f(80.f, 96.f)));
    sprites[0]->FixerImage(0, 0);
    Synchroniser();
}

void Cinematique_Z1_1::Penser()
{
    // au bout d'une seconde et demie, il accélère vers la droite (200 px/s² avec sa masse de 300)
    if (horloge2.getElapsedTime().asSeconds() > 1.5f)
        forceMoteur.acceleration = 60000.f;
}

void Cinematique_Z1_1::AnimerEtat()
{
    if (!sprites.empty())
        sprites[0]->AnimerLigne(0, 0, 3, 0.1f, true);
}
