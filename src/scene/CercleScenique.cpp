#include "scene/CercleScenique.h"

#include "engine/MoteurGraphique.h"
#include "game/GameEngine.h"

CercleScenique::CercleScenique(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                               const std::vector<float>& parametres)
    : CerclePhysique(position), ElementScenique(scene, position, profondeur, parametres), entierCercle(0),
      drapeauCercle(false)
{
    ancre = &this->position;
}

CercleScenique::~CercleScenique()
{
    GameEngine::RetirerCercle(this);
}

void CercleScenique::Enregistrer()
{
    MoteurGraphique::Instance()->Ajouter(this);
    GameEngine::AjouterCercle(this);
}

void CercleScenique::ActiverHorsVue()
{
    if (detruireHorsVue)
        aSupprimer = true;
    else if (!fige)
        GameEngine::AjouterCercle(this);
}

void CercleScenique::Reinitialiser()
{
    if (fige)
        return;
    position = positionElement;
    etat = 0;
    ReinitialiserForces();
    sol = nullptr;
    support = &forcePropre;
}

void CercleScenique::ToucherHeros(Heros*)
{
}

void CercleScenique::ContactSolide()
{
    Rebondir();
}

void CercleScenique::SuivreAncre()
{
    if (!avecDecalage || !ancre)
        return;
    position = *ancre + sf::Vector2f(versLaDroite ? decalageSprite.x : -decalageSprite.x, decalageSprite.y);
}

void CercleScenique::ChangerEtat(int e)
{
    ElementScenique::ChangerEtat(e);
    horloge2.restart();
}

bool CercleScenique::EstDangereux(const EntitePhysique*)
{
    return false;
}
