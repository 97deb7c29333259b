#include "enemies/Ecureuil.h"

#include "scene/Sprite.h"

namespace
{
const double PI = 3.14159265358979323846;
}

Ecureuil::Ecureuil(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, float delai)
    : Animal(scene, position, profondeur, delai)
{
    sprites[0]->FixerImage(2, 0);
    Synchroniser();
}

void Ecureuil::ContactSolide()
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

void Ecureuil::AnimerEtat()
{
    if (forceMoteur.norme != 0.f)
        sprites[0]->AnimerLigne(2, 1, 2, 0.2f, true);
}
