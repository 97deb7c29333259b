#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

// Rectangle d'image adressé par le jeu
struct Cadre
{
    int x, y, l, h;
};

// Une image du jeu : chemin relatif au dossier de données, taille, grille
// et cadres que le code adresse, et la façon de la dessiner
struct Planche
{
    std::string chemin;
    std::string famille;
    int largeur = 0, hauteur = 0;
    int largeurCadre = 0, hauteurCadre = 0; // 0 : image entière
    std::vector<Cadre> cadres;
    bool opaque = false;
    std::function<void(cairo_t*)> dessiner;

    // ajoute les cadres (ligne, colonnes c0..c1) de la grille
    Planche& Ligne(int ligne, int c0, int c1);
    Planche& Rect(int x, int y, int l, int h);
};

// Dessine une cellule de grille : origine placée en (ox, oy) de la cellule
void DansCellule(cairo_t* cr, int lc, int hc, int ligne, int colonne, double ox, double oy,
                 const std::function<void()>& f);
