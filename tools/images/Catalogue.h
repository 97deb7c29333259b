#pragma once

#include "Planche.h"

// Liste de toutes les images que le jeu lit
class Catalogue
{
public:
    static std::vector<Planche> Toutes();
};
