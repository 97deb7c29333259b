#include "enemies/Poisson.h"

#include "enemies/Tortue.h"
#include "scene/Sprite.h"

namespace
{
const double PI = 3.14159265358979323846;
}

Poisson::Poisson(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                 const std::vector<float>& parametres)
    : Drovik(scene, position, profondeur, parametres)
{
    cadre = sf::FloatRect(position.x - 50.f, position.y - 320.f, 100.f, 640.f);
    echelleTemps = 0.5f;
    AjouterSprite(new Sprite("data/png/game/personnages/droviks/poisson.png", 100, 100, sf::Vector2f(50.f, 50.f)));
    ChangerEtat(NAGE);
    Synchroniser();
}

void Poisson::ChangerEtat(int e)
{
    Drovik::ChangerEtat(e);
    if (e == NAGE)
    {
        forceMoteur.angle = PI / 2.0;
        forceMoteur.norme = 250.f;
        forceElan.norme = 0.f;
        forceGravite.acceleration = 0.f;
        forceGravite.norme = 0.f;
    }
    else if (e == BOND)
    {
        forceElan.angle = PI / 2.0;
        forceElan.norme = 750.f;
        forceGravite.acceleration = 9.81f;
    }
}

void Poisson::Penser()
{
    if (echelleTemps == 1.f)
        ChangerEtat(BOND);
    else if (position.y > positionElement.y)
        ChangerEtat(NAGE);
}

void Poisson::AnimerEtat()
{
    if (etat == NAGE)
        sprites[0]->AnimerLigne(0, 1, 2, 0.25f, true);
    else if (etat == BOND)
        sprites[0]->FixerImage(0, 3);
}

Animal* Poisson::CreerAnimal()
{
    return new Tortue(scene, position, profondeur, 0.f);
}
