#include "enemies/Crabe.h"

#include "enemies/Ecureuil.h"
#include "scene/Sprite.h"

Crabe::Crabe(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, const std::vector<float>& parametres)
    : Drovik(scene, position, profondeur, parametres)
{
    forceMoteur.norme = VITESSE;
    AjouterSprite(new Sprite("data/png/game/personnages/droviks/crabe.png", 100, 100, sf::Vector2f(50.f, 50.f)));
    Synchroniser();
}

void Crabe::Enregistrer()
{
    Drovik::Enregistrer();
    fige = false;
}

void Crabe::ActiverHorsVue()
{
    fige = true;
}

void Crabe::ChangerEtat(int e)
{
    Drovik::ChangerEtat(e);
    if (e == 0)
        forceMoteur.norme = versLaDroite ? VITESSE : -VITESSE;
    else if (e == 1)
    {
        forceMoteur.norme = 0.f;
        sprites[0]->FixerImage(0, 5);
    }
}

void Crabe::Penser()
{
    const float t = horloge2.getElapsedTime().asSeconds();
    if (etat == 0 && t > 3.f)
        ChangerEtat(1);
    else if (etat == 1 && t > 1.f)
    {
        Tirer(sf::Vector2f(-40.f, -16.f), 1.9634954084936207, 1);
        Tirer(sf::Vector2f(40.f, -16.f), 1.1780972450961724, 1);
        ChangerEtat(2);
    }
    else if (etat == 2 && t > 1.f)
        ChangerEtat(0);
}

void Crabe::AnimerEtat()
{
    if (etat == 0)
        sprites[0]->AnimerLigne(0, 0, 3, 0.2f, true);
}

Animal* Crabe::CreerAnimal()
{
    return new Ecureuil(scene, position, profondeur, 0.f);
}
