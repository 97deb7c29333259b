#pragma once

#include "Planche.h"
#include "Silhouette.h"

// Planches des deux héros et de leurs ressources
class DessinHeros
{
public:
    static Planche Feuille(int heros);      // vanto.png / tormundo.png
    static Planche Poussiere();             // dust.png
    static Planche Anneau();
    static Planche Bulle();
    static Planche Moniteurs();
    static Planche Boucliers();
    static Pose PoseDebout();
    static Pose PoseMarche(double phase, double amplitude, bool course);
    static Pose PoseBoule(double angle, double vitesse);
    // figure debout, pour les écrans
    static void Portrait(cairo_t* cr, int heros, double echelle);
};
