#include "enemies/Piranha.h"

#include "enemies/Tortue.h"
#include "scene/Sprite.h"

Piranha::Piranha(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                 const std::vector<float>& parametres)
    : Drovik(scene, position, profondeur, parametres)
{
    echelleTemps = 0.5f;
    forceGravite.acceleration = 0.f;
    forceMoteur.norme = -100.f;
    AjouterSprite(new Sprite("data/png/game/personnages/droviks/piranha.png", 100, 100, sf::Vector2f(50.f, 50.f)));
    Synchroniser();
}

void Piranha::Enregistrer()
{
    Drovik::Enregistrer();
    fige = false;
}

void Piranha::ActiverHorsVue()
{
    fige = true;
}

void Piranha::Penser()
{
    if (horloge2.getElapsedTime().asSeconds() > 8.f)
    {
        FaireDemiTour();
        horloge2.restart();
    }
}

void Piranha::ContactSolide()
{
    if (collision.type == CONTACT_SOL)
        FaireDemiTour();
}

void Piranha::AnimerEtat()
{
    sprites[0]->AnimerLigne(0, 0, 3, 0.12f, true);
}

Animal* Piranha::CreerAnimal()
{
    return new Tortue(scene, position, profondeur, 0.f);
}
