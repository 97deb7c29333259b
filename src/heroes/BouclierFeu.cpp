#include "heroes/BouclierFeu.h"

#include "engine/GestionnaireAudio.h"
#include "game/SceneGraphique.h"
#include "heroes/BouclierFeu_.h"
#include "scene/Sprite.h"

BouclierFeu::BouclierFeu(SceneGraphique* scene, sf::Vector2f* a)
    : Bouclier(scene, a, 75.f, 3), arriere(nullptr), lienArriere(nullptr)
{
    GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/bouclier.ogg");
    if (scene)
    {
        arriere = new BouclierFeu_(scene, a);
        lienArriere = arriere;
        arriere->FixerLien(&lienArriere);
        scene->AjouterElement(arriere);
    }
}

BouclierFeu::~BouclierFeu()
{
    // la moitié arrière appartient à la scène : on la marque seulement
    if (lienArriere)
    {
        lienArriere->FixerLien(nullptr);
        lienArriere->FixerSuppression(true);
    }
}

void BouclierFeu::AnimerEtat()
{
    if (lienArriere)
        lienArriere->FixerVersLaDroite(versLaDroite);
    if (etat == 9)
    {
        if (sprites[0]->AnimerLigne(6, 0, 3, 0.08f, false))
            ChangerEtat(0);
    }
    else
        sprites[0]->AnimerLigne(5, 0, 8, 0.08f, true);
}

void BouclierFeu::ChangerEtat(int e)
{
    if (e == 9)
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/bouclier_feu.ogg");
    else
        versLaDroite = true; // au repos, jamais en miroir
    Bouclier::ChangerEtat(e);
    if (lienArriere)
        lienArriere->ChangerEtat(e);
}
