#pragma once

#include "Planche.h"

// Objets des niveaux : ceux partagés par les zones et ceux de chaque zone
class DessinObjets
{
public:
    static std::vector<Planche> Communs();
    static std::vector<Planche> DeZone(int zone);
};
