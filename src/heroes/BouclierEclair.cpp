#include "heroes/BouclierEclair.h"

#include "engine/GestionnaireAudio.h"
#include "game/SceneGraphique.h"
#include "heroes/EtoileEclair.h"
#include "objects/Anneau.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <algorithm>

BouclierEclair::BouclierEclair(SceneGraphique* scene, sf::Vector2f* a) : Bouclier(scene, a, 75.f, 4, 192.f)
{
    GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/bouclier.ogg");
}

BouclierEclair::~BouclierEclair()
{
    // les anneaux encore en route ne peuvent plus être pris
    for (CercleScenique* c : attires)
        if (Anneau::Existe(c))
        {
            c->masque = 0;
            c->detruireHorsVue = true;
        }
}

void BouclierEclair::AnimerEtat()
{
    if (etat == 1)
    {
        sprites[0]->FixerImage(8, 2);
        if (ancre && scene)
        {
            scene->AjouterElement(new EtoileEclair(scene, *ancre + sf::Vector2f(32.f, -16.f)));
            scene->AjouterElement(new EtoileEclair(scene, *ancre + sf::Vector2f(-32.f, -16.f)));
        }
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/bouclier_eclair.ogg");
        ChangerEtat(9);
    }
    else if (etat == 9)
    {
        if (sprites[0]->AnimerLigne(8, 0, 2, 0.08f, false))
            ChangerEtat(0);
    }
    else
        sprites[0]->AnimerLigne(7, 0, 9, 0.08f, true);
}

void BouclierEclair::ActualiserMagie()
{
    if (!ancre)
    {
        cibles.clear();
        return;
    }
    for (CercleScenique* c : cibles)
        if (Anneau::Existe(c) && std::find(attires.begin(), attires.end(), c) == attires.end())
            attires.push_back(c);
    cibles.clear();
    // un anneau pris vient jusqu'au héros, même sorti de la portée ; détruit ou ramassé, il sort de la liste
    attires.erase(std::remove_if(attires.begin(), attires.end(),
                                 [](CercleScenique* c) { return !Anneau::Existe(c) || c->Etat() != 0; }),
                  attires.end());
    for (CercleScenique* c : attires)
    {
        c->fige = false;
        c->forceGravite.angle = Segment::CalculerAngle(c->positionSuivante, *ancre);
    }
}
