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
            c->masque = 0;
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
    {
        if (!Anneau::Existe(c))
            continue;
        c->fige = false;
        c->forceGravite.angle = Segment::CalculerAngle(c->positionSuivante, *ancre);
        if (std::find(attires.begin(), attires.end(), c) == attires.end())
            attires.push_back(c);
    }
    // les anneaux détruits sortent de la liste
    attires.erase(std::remove_if(attires.begin(), attires.end(), [](CercleScenique* c) { return !Anneau::Existe(c); }),
                  attires.end());
    cibles.clear();
}
