#include "enemies/Tortue.h"

#include "scene/Sprite.h"

namespace
{
const double PI = 3.14159265358979323846;
}

Tortue::Tortue(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, float delai)
    : Animal(scene, position, profondeur, delai)
{
    sprites[0]->FixerImage(0, 0);
    Synchroniser();
}

void Tortue::ContactSolide()
{
    const double a = collision.angleSol;
    const bool plancher = a < PI / 2.0 || a > 3.0 * PI / 2.0;
    if (sol)
    {
        if (collision.angleReflexion < 3.0 * PI / 2.0 || plancher)
            Reception();
        else
            Decoller();
    }
    else if (plancher)
    {
        Reception();
        forceMoteur.norme = VITESSE;
    }
}

void Tortue::AnimerEtat()
{
    if (forceMoteur.norme != 0.f)
        sprites[0]->AnimerLigne(0, 1, 2, 0.2f, true);
}
