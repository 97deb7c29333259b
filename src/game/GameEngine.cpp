#include "game/GameEngine.h"

#include <algorithm>

std::vector<PolygoneScenique*> GameEngine::polygones;
std::vector<CercleScenique*> GameEngine::cercles;
std::vector<ElementMagique*> GameEngine::magies;

namespace
{
template <typename T>
void Enlever(std::vector<T*>& liste, T* e)
{
    liste.erase(std::remove(liste.begin(), liste.end(), e), liste.end());
}
}

void GameEngine::RetirerPolygone(PolygoneScenique* p)
{
    Enlever(polygones, p);
}

void GameEngine::RetirerCercle(CercleScenique* c)
{
    Enlever(cercles, c);
}

void GameEngine::RetirerMagie(ElementMagique* m)
{
    Enlever(magies, m);
}

void GameEngine::ViderListes()
{
    polygones.clear();
    cercles.clear();
    magies.clear();
}
