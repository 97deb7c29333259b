#include "objects/SourceBulles.h"

#include "game/SceneGraphique.h"
#include "objects/Bulle.h"
#include "scene/Sprite.h"

#include <cstdlib>

SourceBulles::SourceBulles(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                           const std::vector<float>& parametres)
    : ElementScenique(scene_, p, profondeur_, parametres), lachees(0)
{
    AjouterSprite(new Sprite("data/png/game/zones/_/source_bulles.png", 32, 32, sf::Vector2f(16.f, 16.f)));
    sprites[0]->FixerImage(0, 0);
    Synchroniser();
}

void SourceBulles::AnimerEtat()
{
    sprites[0]->AnimerLigne(0, 0, 2, 0.5f, true);
    if (horloge.getElapsedTime().asSeconds() <= 1.f)
        return;
    horloge.restart();
    if (!scene)
        return;
    // écart de -14 à 14 pixels autour de la source
    const float r = float(std::rand() % 32768) / 32767.f * 28.f - 14.f;
    scene->AjouterElement(new Bulle(scene, sf::Vector2f(positionElement.x + r, positionElement.y - 8.f), 6));
    ++lachees;
}
