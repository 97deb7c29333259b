#pragma once

#include <cairo.h>

#include <string>
#include <vector>

// Couleur RVBA en 0..255
struct Teinte
{
    double r, v, b, a;
    Teinte(double r_ = 0, double v_ = 0, double b_ = 0, double a_ = 255) : r(r_), v(v_), b(b_), a(a_) {}
    Teinte Clair(double f) const;   // vers le blanc
    Teinte Sombre(double f) const;  // vers le noir
    Teinte Alpha(double a_) const { return Teinte(r, v, b, a_); }
};

// Petits outils de dessin au-dessus de Cairo
class Dessin
{
public:
    static void Source(cairo_t* cr, const Teinte& t);
    // remplit le chemin courant puis trace son contour
    static void Remplir(cairo_t* cr, const Teinte& fond, const Teinte& trait, double epaisseur = 2.0);
    static void RemplirDegrade(cairo_t* cr, const Teinte& haut, const Teinte& bas, double y0, double y1,
                               const Teinte& trait, double epaisseur = 2.0);
    static void RemplirRadial(cairo_t* cr, double cx, double cy, double r, const Teinte& centre,
                              const Teinte& bord, const Teinte& trait, double epaisseur = 2.0);
    static void Tracer(cairo_t* cr, const Teinte& t, double epaisseur);
    static void Cercle(cairo_t* cr, double x, double y, double r);
    static void Ellipse(cairo_t* cr, double x, double y, double rx, double ry, double angleDeg = 0);
    static void RectArrondi(cairo_t* cr, double x, double y, double l, double h, double r);
    static void Polygone(cairo_t* cr, const std::vector<double>& xy);
    // segment épais à bouts ronds, avec contour
    static void Membre(cairo_t* cr, double x1, double y1, double x2, double y2, double larg,
                       const Teinte& fond, const Teinte& trait);
    static void Etoile(cairo_t* cr, double x, double y, double r1, double r2, int branches, double angleDeg);
    static void Texte(cairo_t* cr, const std::string& s, double x, double y, double taille,
                      const Teinte& fond, const Teinte& trait, double epaisseur, bool centre = true,
                      bool gras = true);
    static double LargeurTexte(cairo_t* cr, const std::string& s, double taille, bool gras = true);
    static void Reflet(cairo_t* cr, double x, double y, double rx, double ry, double alpha = 0.55);
    // nombre pseudo-aléatoire 0..1 (rand)
    static double Hasard();
};
