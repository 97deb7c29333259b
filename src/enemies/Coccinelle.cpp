#include "enemies/Coccinelle.h"

#include "enemies/Tortue.h"
#include "scene/Sprite.h"

Coccinelle::Coccinelle(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                       const std::vector<float>& parametres)
    : Drovik(scene, position, profondeur, parametres)
{
    forceMoteur.norme = 140.f;
    AjouterSprite(new Sprite("data/png/game/personnages/droviks/coccinelle.png", 100, 100, sf::Vector2f(62.f, 50.f)));
    Synchroniser();
}

void Coccinelle::Enregistrer()
{
    Drovik::Enregistrer();
    fige = false;
}

void Coccinelle::ActiverHorsVue()
{
    fige = true;
}

void Coccinelle::AnimerEtat()
{
    sprites[0]->AnimerLigne(0, 0, 3, 0.1f, true);
}

Animal* Coccinelle::CreerAnimal()
{
    return new Tortue(scene, position, profondeur, 0.f);
}
