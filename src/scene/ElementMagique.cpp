#include "scene/ElementMagique.h"

#include "engine/MoteurGraphique.h"
#include "game/GameEngine.h"
#include "scene/CercleScenique.h"

#include <algorithm>

ElementMagique::ElementMagique(SceneGraphique* scene, const sf::Vector2f& position, float profondeur)
    : EntiteMagique(), ElementScenique(scene, position, profondeur, std::vector<float>())
{
}

ElementMagique::~ElementMagique()
{
    GameEngine::RetirerMagie(this);
}

void ElementMagique::Enregistrer()
{
    MoteurGraphique::Instance()->Ajouter(this);
    GameEngine::AjouterMagie(this);
}

void ElementMagique::FiltrerCibles()
{
    const int m = marqueMagie;
    cibles.erase(std::remove_if(cibles.begin(), cibles.end(),
                                [m](const CercleScenique* c) { return !c || c->marque != m; }),
                 cibles.end());
}
