#include "game/IAEngine.h"

#include "scene/CercleScenique.h"

#include <algorithm>

std::vector<CercleScenique*> IAEngine::cercles;

IAEngine::IAEngine() : actif(false)
{
}

IAEngine::~IAEngine()
{
}

void IAEngine::Inscrire(CercleScenique* cercle)
{
    if (cercle)
        cercles.push_back(cercle);
}

void IAEngine::Desinscrire(CercleScenique* cercle)
{
    cercles.erase(std::remove(cercles.begin(), cercles.end(), cercle), cercles.end());
}

void IAEngine::Desactiver()
{
    actif = false;
    cercles.clear();
}

void IAEngine::Penser()
{
    if (!actif)
        return;
    // Un cercle peut en inscrire ou en retirer pendant sa réflexion : on relit la liste
    for (std::size_t i = 0; i < cercles.size(); ++i)
        cercles[i]->Penser();
}
