#include "objects/Debris.h"

#include "scene/Sprite.h"

#include <cmath>
#include <cstdlib>

Debris::Debris(SceneGraphique* scene, const sf::Vector2f& position) : CercleScenique(scene, position, 69.f)
{
    rayon = 16.f;
    masque = 0;
    masse = 60.f;
    fige = false;
    forceElan.norme = 250.f;
    forceElan.angle = 2.0 * M_PI * double(std::rand() % 32768) / 32767.0;
    forceElan.VersComposantes();
    rotation = 50.f * float(std::rand() % 32768) / 32767.f - 25.f;
    Sprite* s = new Sprite("textures/texture_128.png", 32, 32, sf::Vector2f(16.f, 16.f), true);
    s->FixerCadre(800, 992);
    AjouterSprite(s);
    Synchroniser();
    horlogeElement.restart();
}

void Debris::Animer()
{
    // rotation donnée par 1/60 s : l'angle suit le temps, pas le nombre de frames
    if (!sprites.empty())
        sprites[0]->FixerRotation(-rotation * 60.f * horlogeElement.getElapsedTime().asSeconds());
    if (horlogeElement.getElapsedTime().asSeconds() >= 1.f)
        aSupprimer = true;
}
