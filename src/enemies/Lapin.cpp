#include "enemies/Lapin.h"

#include "scene/Sprite.h"

namespace
{
const double PI = 3.14159265358979323846;
}

Lapin::Lapin(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, float delai)
    : Animal(scene, position, profondeur, delai)
{
    sprites[0]->FixerImage(1, 0);
    Synchroniser();
}

void Lapin::AnimerEtat()
{
    if (forceElan.angle == PI / 2.0)
        return;
    if (forceElan.norme != 0.f)
        sprites[0]->AnimerLigne(1, 1, 2, 0.2f, true);
}
