#pragma once

#include "Planche.h"

// Robots, projectiles, animaux libérés et boss
class DessinEnnemis
{
public:
    static std::vector<Planche> Toutes();
};
