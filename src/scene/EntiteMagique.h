#pragma once

#include <vector>

class CercleScenique;

// Effet temporisé qui agit sur les cercles proches (boucliers).
class EntiteMagique
{
public:
    EntiteMagique();
    virtual ~EntiteMagique();

    virtual void Agir(CercleScenique* cercle) = 0;
    virtual void ActualiserMagie() = 0;

    int marqueMagie;
    float portee;
    std::vector<CercleScenique*> cibles;
};
