#include "objects/Bulle.h"

#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "objects/BassinEau.h"
#include "scene/Sprite.h"

#include <cmath>
#include <cstdlib>

Bulle::Bulle(SceneGraphique* scene, const sf::Vector2f& position, int n) : CercleScenique(scene, position, 99.f)
{
    masse = -4.f;
    rayon = 1.f;
    echelleTemps = 0.5f;
    yDepart = position.y;
    const BassinEau* eau = BassinEau::Contenant(scene, position);
    dansLEau = eau != nullptr;
    ligne = eau ? eau->LigneBulles() : 0.f;
    imageCible = int(std::round(double(n) * double(std::rand() % 32768) / 32767.0));
    AjouterSprite(new Sprite("data/png/game/personnages/heros/ressources/bulle.png", 64, 64, sf::Vector2f(32.f, 32.f)));
    sprites[0]->FixerImage(0, 0);
    Synchroniser();
}

void Bulle::ToucherHeros(Heros* heros)
{
    if (heros && rayon == 16.f && etat == 0)
    {
        ChangerEtat(9);
        heros->ChangerEtat(HEROS_RESPIRE);
    }
}

void Bulle::ContactSolide()
{
    ChangerEtat(9);
}

void Bulle::AnimerEtat()
{
    if (etat == 0)
    {
        // bulle partie sous l'eau qui ne sera pas pleine : éclate à la ligne d'entrée de son bassin
        if (imageCible < 6 && dansLEau && yDepart > ligne && position.y <= ligne)
        {
            ChangerEtat(9);
            return;
        }
        if (horloge.getElapsedTime().asSeconds() > 3.f && imageCible > 0)
        {
            if (sprites[0]->AnimerLigne(0, 0, imageCible, 0.2f, false) && imageCible == 6)
                rayon = 16.f;
        }
    }
    else if (etat == 9)
    {
        if (rayon > 1.f)
        {
            if (sprites[0]->AnimerLigne(0, 7, 8, 0.1f, false))
                aSupprimer = true;
        }
        else
            aSupprimer = true;
    }
}
