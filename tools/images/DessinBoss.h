#pragma once

#include "Planche.h"

// Boss : double d'acier, engin volant, Malvek et le grand robot final
class DessinBoss
{
public:
    static std::vector<Planche> Toutes();
};
