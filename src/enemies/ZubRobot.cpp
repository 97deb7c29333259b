#include "enemies/ZubRobot.h"

#include "enemies/Lapin.h"
#include "scene/Sprite.h"

namespace
{
const double PI = 3.14159265358979323846;
}

ZubRobot::ZubRobot(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                   const std::vector<float>& parametres)
    : Drovik(scene, position, profondeur, parametres)
{
    forceGravite.acceleration = 0.f;
    AjouterSprite(new Sprite("data/png/game/personnages/droviks/zubrobot.png", 128, 160, sf::Vector2f(82.f, 56.f)));
    Synchroniser();
}

void ZubRobot::Penser()
{
    if (etat == 0 && horloge2.getElapsedTime().asSeconds() > PERIODE)
    {
        Tirer(sf::Vector2f(0.f, -4.f), PI, 4);
        horloge2.restart();
    }
}

void ZubRobot::AnimerEtat()
{
    if (etat == 0)
        sprites[0]->AnimerLigne(0, 0, 7, 0.2f, true);
}

Animal* ZubRobot::CreerAnimal()
{
    return new Lapin(scene, position, profondeur, 0.f);
}
