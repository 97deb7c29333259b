#pragma once

#include "Planche.h"

// Arrière-plans des zones et décors de la zone 1
class DessinZones
{
public:
    static std::vector<Planche> ArrierePlans(int zone);
    static std::vector<Planche> Decors();
};
