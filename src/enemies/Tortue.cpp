#include "enemies/Tortue.h"

#include "scene/Sprite.h"

Tortue::Tortue(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, float delai)
    : Animal(scene, position, profondeur, delai)
{
    sprites[0]->FixerImage(0, 0);
    Synchroniser();
}

void Tortue::ContactSolide()
{
    ContactMarcheur(VITESSE);
}

void Tortue::AnimerEtat()
{
    AnimerMarche(0);
}
