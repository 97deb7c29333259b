#pragma once

#include "Dessin.h"

// Posture du personnage paramétrique. Repère : origine au centre du corps,
// x vers l'avant (le héros regarde à droite), y vers le bas. Angles en degrés.
struct Pose
{
    enum Yeux { OUVERTS, FERMES, CROIX, PLISSES, GRANDS, HAUT };
    enum Bouche { SOURIRE, OUVERTE, SERREE, JOUES, GRIMACE };

    double lacet = 0;        // tour autour de l'axe vertical (0 profil, 90 face)
    double rotation = 0;     // rotation de toute la figure dans le plan
    double dx = 0, dy = 0;   // décalage des hanches
    double tronc = 8;        // inclinaison du buste (+ vers l'avant)
    double tete = 0;         // inclinaison de la tête (+ lève le nez)
    double brasAv[2] = {20, 60}, brasAr[2] = {-20, 10};       // épaule, coude
    double jambeAv[2] = {5, -5}, jambeAr[2] = {-5, -15};      // hanche, genou
    double echelleY = 1;     // écrasement (accroupi)
    double queue = 0;        // angle de la queue
    double echarpe = 0;      // flottement de l'écharpe (0..1)
    int yeux = OUVERTS;
    int bouche = SOURIRE;
    bool boule = false;      // enroulé
    double angleBoule = 0;
    double vitesse = 0;      // traînées de vitesse (0..1)
    bool planeur = false;    // bras tendus en planeur (Tormundo)
};

// Dessin des deux héros à partir de la posture
class Silhouette
{
public:
    static void Dessiner(cairo_t* cr, int heros, const Pose& p);
    static void Tete(cairo_t* cr, int heros, double x, double y, double r, double lacet, int yeux,
                     int bouche, double incl = 0);

    // la botte suit à moitié le tibia : elle reste presque à plat
    static double AngleBotte(double tibia) { return tibia * 0.45; }

    // couleurs des héros
    static Teinte Principale(int heros);
    static Teinte Contour(int heros);
};
