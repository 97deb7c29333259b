#include "enemies/Ecureuil.h"

#include "scene/Sprite.h"

Ecureuil::Ecureuil(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, float delai)
    : Animal(scene, position, profondeur, delai)
{
    sprites[0]->FixerImage(2, 0);
    Synchroniser();
}

void Ecureuil::ContactSolide()
{
    ContactMarcheur(VITESSE);
}

void Ecureuil::AnimerEtat()
{
    AnimerMarche(2);
}
