#include "engine/PasFixes.h"

#include <algorithm>
#include <cmath>

PasFixes::PasFixes(float p, float max) : pas(p > 0.f ? p : DUREE_PAS), dureeMax(std::max(max, pas)), reste(0.f)
{
}

int PasFixes::Pas(float duree)
{
    if (!(duree > 0.f))
        return 0;
    reste += std::min(duree, dureeMax);
    // une frame à un quart de pas près compte pour un pas entier : à 60 images/s, les petits écarts
    // de l'horloge donnent toujours un pas, jamais zéro puis deux
    const int n = std::max(0, int(std::floor((reste + 0.25f * pas) / pas)));
    reste -= float(n) * pas;
    return n;
}
