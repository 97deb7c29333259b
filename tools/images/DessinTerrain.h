#pragma once

#include "Dessin.h"
#include "Planche.h"

// Tuiles du décor fixe : planches texture_128 et texture_xl d'une zone
class DessinTerrain
{
public:
    static Planche Planche128(int zone);
    static Planche PlancheXl(int zone);
    // dessine le genre de tuile, origine au centre de la tuile ; variante 0..4
    static void Tuile(cairo_t* cr, int zone, int genre, int variante);
};
