#include "enemies/Guepe.h"

#include "enemies/Lapin.h"
#include "game/SceneGraphique.h"
#include "scene/Sprite.h"

Guepe::Guepe(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, const std::vector<float>& parametres)
    : Drovik(scene, position, profondeur, parametres)
{
    masque = 256;
    forceGravite.acceleration = 0.f;
    forceMoteur.norme = VITESSE;
    if (scene)
        cadre = sf::FloatRect(0.f, 0.f, float(scene->Largeur()), float(scene->Hauteur()));
    AjouterSprite(new Sprite("data/png/game/personnages/droviks/guepe.png", 128, 160, sf::Vector2f(64.f, 80.f)));
    Synchroniser();
}

void Guepe::ChangerEtat(int e)
{
    Drovik::ChangerEtat(e);
    if (e == 0)
        FaireDemiTour();
    else if (e == 1)
        forceMoteur.norme = 0.f;
    else if (e == 2)
        forceMoteur.norme = -VITESSE;
}

void Guepe::Penser()
{
    const float sx = positionElement.x, x = position.x;
    if (etat == 0)
    {
        if (forceMoteur.norme > 0.f && x > sx + 1200.f)
            FaireDemiTour();
        else if (forceMoteur.norme < 0.f && x < sx + 600.f)
            ChangerEtat(1);
    }
    else if (etat == 1)
    {
        if (horloge2.getElapsedTime().asSeconds() > 0.4f)
        {
            Tirer(sf::Vector2f(-32.f, 48.f), 3.9269908169872414, 0);
            ChangerEtat(2);
        }
    }
    else if (etat == 2 && x < sx)
        ChangerEtat(0);
}

void Guepe::AnimerEtat()
{
    if (etat == 1)
        sprites[0]->AnimerLigne(0, 4, 7, 0.1f, false);
    else
        sprites[0]->AnimerLigne(0, 0, 3, 0.1f, true);
}

Animal* Guepe::CreerAnimal()
{
    return new Lapin(scene, position, profondeur, 0.f);
}
