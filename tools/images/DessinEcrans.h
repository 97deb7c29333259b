#pragma once

#include "Planche.h"

// Écrans, logos, rideau du titre de niveau et icône de la fenêtre
class DessinEcrans
{
public:
    static std::vector<Planche> Toutes();
};
