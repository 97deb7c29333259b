#include "DessinEnnemis.h"

#include "Dessin.h"
#include "Silhouette.h"

#include <cmath>

namespace
{
const Teinte TRAIT(18, 20, 30);
const Teinte ACIER(170, 180, 196);
const Teinte ACIER_F(96, 104, 122);

void Rivet(cairo_t* cr, double x, double y, double r = 1.6)
{
    Dessin::Cercle(cr, x, y, r);
    Dessin::Remplir(cr, Teinte(230, 235, 240), TRAIT, 0.8);
}

void Oeil(cairo_t* cr, double x, double y, double r, const Teinte& lumiere)
{
    Dessin::Cercle(cr, x, y, r);
    Dessin::Remplir(cr, Teinte(30, 30, 40), TRAIT, 1.5);
    Dessin::Cercle(cr, x, y, r * 0.65);
    Dessin::RemplirRadial(cr, x, y, r * 0.65, lumiere.Clair(0.7), lumiere, TRAIT, 0);
    Dessin::Cercle(cr, x - r * 0.25, y - r * 0.25, r * 0.2);
    Dessin::Source(cr, Teinte(255, 255, 255));
    cairo_fill(cr);
}

void Roue(cairo_t* cr, double x, double y, double r, double angle)
{
    Dessin::Cercle(cr, x, y, r);
    Dessin::Remplir(cr, Teinte(50, 52, 60), TRAIT, 1.5);
    Dessin::Cercle(cr, x, y, r * 0.45);
    Dessin::Remplir(cr, ACIER, TRAIT, 1);
    for (int k = 0; k < 3; ++k)
    {
        double a = angle + k * 2 * M_PI / 3;
        cairo_move_to(cr, x + r * 0.45 * std::cos(a), y + r * 0.45 * std::sin(a));
        cairo_line_to(cr, x + r * 0.9 * std::cos(a), y + r * 0.9 * std::sin(a));
    }
    Dessin::Tracer(cr, Teinte(120, 120, 130), 1.5);
}

Planche Nouvelle(const std::string& nom, int l, int h, int lc, int hc)
{
    Planche p;
    p.chemin = "png/game/personnages/" + nom;
    p.famille = "ennemis";
    p.largeur = l;
    p.hauteur = h;
    p.largeurCadre = lc;
    p.hauteurCadre = hc;
    return p;
}

// Coccinelle : scarabée mécanique sur roues, regarde à droite, origine (62, 50)
void Coccinelle(cairo_t* cr, int c)
{
    double rot = c * M_PI / 6;
    Roue(cr, -18, 22, 8, rot);
    Roue(cr, 10, 22, 8, rot + 1);
    // pattes articulées
    for (int k = 0; k < 2; ++k)
    {
        double ph = c * M_PI / 2 + k * M_PI;
        cairo_move_to(cr, -4 + 10 * k, 10);
        cairo_line_to(cr, -2 + 10 * k + 6 * std::cos(ph), 24 + 3 * std::sin(ph));
        Dessin::Tracer(cr, TRAIT, 3);
    }
    // carapace en dôme
    cairo_move_to(cr, -34, 14);
    cairo_curve_to(cr, -34, -26, 16, -30, 22, 12);
    cairo_close_path(cr);
    Dessin::RemplirDegrade(cr, Teinte(255, 80, 60), Teinte(170, 20, 20), -26, 14, TRAIT, 2.5);
    cairo_move_to(cr, -8, -17);
    cairo_line_to(cr, -6, 14);
    Dessin::Tracer(cr, TRAIT, 2);
    for (int k = 0; k < 4; ++k)
    {
        double x = -24 + 13 * k + (k % 2) * 2, y = -4 + (k % 2) * 8;
        Dessin::Cercle(cr, x, y, 4);
        Dessin::Remplir(cr, Teinte(30, 30, 40), TRAIT, 0);
    }
    Dessin::Reflet(cr, -14, -12, 9, 3.5, 0.45);
    // tête métallique et phare
    Dessin::RectArrondi(cr, 18, -2, 16, 18, 5);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, -2, 16, TRAIT, 2);
    Oeil(cr, 28, 5, 5, (c % 2) ? Teinte(255, 240, 80) : Teinte(255, 200, 40));
    cairo_move_to(cr, 24, -2);
    cairo_line_to(cr, 30, -12 - (c % 2) * 2);
    Dessin::Tracer(cr, TRAIT, 1.5);
    Dessin::Cercle(cr, 30, -13 - (c % 2) * 2, 2.5);
    Dessin::Remplir(cr, Teinte(255, 60, 60), TRAIT, 1);
    Dessin::Polygone(cr, {-34, 14, 22, 14, 20, 18, -32, 18});
    Dessin::Remplir(cr, ACIER_F, TRAIT, 1.5);
}

// Crabe : châssis large, pinces, 6 pattes ; colonne 5 = pinces levées pour tirer
void Crabe(cairo_t* cr, int c)
{
    bool tir = (c == 5 || c == 4);
    for (int k = 0; k < 3; ++k)
        for (int s = -1; s <= 1; s += 2)
        {
            double ph = tir ? 0 : c * M_PI / 2 + k * 2.1 + (s > 0 ? M_PI : 0);
            double x0 = s * (10 + 6 * k), y0 = 8;
            double x1 = s * (22 + 7 * k), y1 = 14 + 3 * std::sin(ph);
            double x2 = s * (26 + 6 * k) + 2 * std::cos(ph), y2 = 28;
            cairo_move_to(cr, x0, y0);
            cairo_line_to(cr, x1, y1);
            cairo_line_to(cr, x2, y2);
            Dessin::Tracer(cr, TRAIT, 4.5);
            cairo_move_to(cr, x0, y0);
            cairo_line_to(cr, x1, y1);
            cairo_line_to(cr, x2, y2);
            Dessin::Tracer(cr, Teinte(250, 130, 40), 2.5);
        }
    // pinces
    for (int s = -1; s <= 1; s += 2)
    {
        double bx = s * 24, by = tir ? -26 : -8 - 3 * std::sin(c * M_PI / 2);
        cairo_move_to(cr, s * 16, -2);
        cairo_line_to(cr, bx, by + 8);
        Dessin::Tracer(cr, TRAIT, 5);
        cairo_move_to(cr, s * 16, -2);
        cairo_line_to(cr, bx, by + 8);
        Dessin::Tracer(cr, ACIER, 3);
        Dessin::Ellipse(cr, bx, by, 9, 7, s * 20);
        Dessin::Remplir(cr, Teinte(250, 110, 30), TRAIT, 2);
        Dessin::Polygone(cr, {bx + s * 2, by - 2, bx + s * 11, by - 9, bx + s * 9, by + 1});
        Dessin::Remplir(cr, Teinte(255, 150, 60), TRAIT, 1.5);
        if (tir)
        {
            Dessin::Etoile(cr, bx + s * 6, by - 10, 7, 3, 6, 0);
            Dessin::Remplir(cr, Teinte(255, 250, 150), Teinte(255, 120, 0), 1);
        }
    }
    // carcasse
    Dessin::Ellipse(cr, 0, 2, 22, 12, 0);
    Dessin::RemplirDegrade(cr, Teinte(255, 150, 60), Teinte(190, 70, 20), -10, 14, TRAIT, 2.5);
    Dessin::Polygone(cr, {-20, 6, 20, 6, 16, 12, -16, 12});
    Dessin::Remplir(cr, ACIER_F, TRAIT, 1.5);
    for (int k = -1; k <= 1; k += 2)
    {
        cairo_move_to(cr, 6 * k, -8);
        cairo_line_to(cr, 8 * k, -16);
        Dessin::Tracer(cr, TRAIT, 2);
        Oeil(cr, 8 * k, -18, 4, Teinte(120, 255, 120));
    }
    for (int k = -2; k <= 2; ++k)
        Rivet(cr, 7 * k, 9, 1.2);
}

// Guêpe : drone à hélices, dard-canon ; regarde à droite
void Guepe(cairo_t* cr, int c)
{
    bool tir = c >= 4;
    double dy = 3 * std::sin(c * M_PI / 2);
    cairo_translate(cr, 0, dy);
    // ailes-rotors
    for (int s = 0; s < 2; ++s)
    {
        double ph = c * 1.3 + s;
        double l = 26 * std::fabs(std::cos(ph));
        Dessin::Ellipse(cr, -6 + 14 * s, -30, l + 4, 5, 0);
        Dessin::Remplir(cr, Teinte(200, 240, 255, 150), Teinte(60, 90, 120, 220), 1.5);
        cairo_move_to(cr, -6 + 14 * s, -30);
        cairo_line_to(cr, -6 + 14 * s, -20);
        Dessin::Tracer(cr, TRAIT, 2.5);
    }
    // abdomen rayé articulé ; au tir il se replie sous le corps, dard vers (+32, +48)
    const double replie[4] = {-70, -105, -131, -131};
    double aa = tir ? replie[c - 4] : 15;
    cairo_save(cr);
    if (tir)
        cairo_translate(cr, -4, 6);
    else
        cairo_translate(cr, -12, 0);
    cairo_rotate(cr, aa * M_PI / 180);
    Dessin::Ellipse(cr, -16, 0, 18, 11, 0);
    Dessin::RemplirDegrade(cr, Teinte(255, 220, 40), Teinte(220, 150, 0), -11, 11, TRAIT, 2.5);
    for (int k = 0; k < 3; ++k)
    {
        cairo_save(cr);
        Dessin::Ellipse(cr, -16, 0, 18, 11, 0);
        cairo_clip(cr);
        cairo_rectangle(cr, -30 + 10 * k, -12, 4, 24);
        Dessin::Source(cr, Teinte(30, 30, 40));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // dard-canon, plus long quand il vise
    double pointe = tir ? -54 : -46;
    Dessin::Polygone(cr, {-33, -3.5, pointe, 0, -33, 3.5});
    Dessin::Remplir(cr, ACIER, TRAIT, 1.5);
    if (c == 6)
    {
        Dessin::Etoile(cr, pointe - 2, 0, 8, 3, 6, 0);
        Dessin::Remplir(cr, Teinte(255, 255, 170), Teinte(255, 100, 0), 1);
    }
    cairo_restore(cr);
    // thorax et tête
    Dessin::Ellipse(cr, 2, 0, 13, 11, 0);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, -11, 11, TRAIT, 2.5);
    Dessin::Cercle(cr, 20, -4, 10);
    Dessin::RemplirDegrade(cr, Teinte(60, 60, 80), Teinte(20, 20, 30), -14, 6, TRAIT, 2);
    Oeil(cr, 24, -6, 5, Teinte(255, 60, 60));
    // pattes
    for (int k = 0; k < 3; ++k)
    {
        cairo_move_to(cr, -2 + 6 * k, 8);
        cairo_line_to(cr, -4 + 6 * k, 18 + (k % 2) * 2);
        Dessin::Tracer(cr, TRAIT, 2);
    }
}

// Caméléon : regarde à gauche ; colonne 1 bouche ouverte (tir)
void Cameleon(cairo_t* cr, int c)
{
    // queue en spirale à droite
    cairo_arc(cr, 24, 8, 10, -M_PI / 2, 1.5 * M_PI - 0.6);
    Dessin::Tracer(cr, TRAIT, 7);
    cairo_arc(cr, 24, 8, 10, -M_PI / 2, 1.5 * M_PI - 0.6);
    Dessin::Tracer(cr, Teinte(60, 200, 120), 4.5);
    // pattes sur une branche métallique
    Dessin::RectArrondi(cr, -34, 26, 68, 6, 3);
    Dessin::Remplir(cr, ACIER_F, TRAIT, 1.5);
    for (int k = 0; k < 2; ++k)
    {
        Dessin::Membre(cr, -10 + 18 * k, 10, -14 + 18 * k, 26, 4, Teinte(60, 200, 120), TRAIT);
    }
    // corps segmenté
    Dessin::Ellipse(cr, 0, 4, 22, 14, 0);
    Dessin::RemplirDegrade(cr, Teinte(110, 240, 150), Teinte(40, 150, 90), -10, 18, TRAIT, 2.5);
    for (int k = 0; k < 4; ++k)
    {
        cairo_save(cr);
        Dessin::Ellipse(cr, 0, 4, 22, 14, 0);
        cairo_clip(cr);
        cairo_move_to(cr, -12 + 9 * k, -12);
        cairo_line_to(cr, -14 + 9 * k, 20);
        Dessin::Tracer(cr, Teinte(30, 110, 70), 1.5);
        cairo_restore(cr);
    }
    Dessin::Polygone(cr, {-14, -8, -4, -16, 6, -9, 16, -15, 20, -6});
    Dessin::Remplir(cr, ACIER, TRAIT, 1.5);
    // tête à gauche
    double ouv = c == 1 ? 8 : 0;
    Dessin::Polygone(cr, {-18, -10, -40, -4 - ouv * 0.3, -38, 2, -18, 4});
    Dessin::Remplir(cr, Teinte(90, 220, 140), TRAIT, 2);
    Dessin::Polygone(cr, {-18, 4, -38, 4 + ouv, -34, 9 + ouv, -16, 10});
    Dessin::Remplir(cr, Teinte(70, 190, 120), TRAIT, 2);
    if (c == 1)
    {
        Dessin::Cercle(cr, -38, 4 + ouv * 0.5, 3);
        Dessin::Remplir(cr, Teinte(255, 120, 180), TRAIT, 1);
    }
    // oeil tourelle
    Dessin::Cercle(cr, -24, -8, 7);
    Dessin::Remplir(cr, ACIER, TRAIT, 2);
    Oeil(cr, -26, -8, 4, c == 1 ? Teinte(255, 80, 80) : Teinte(255, 200, 60));
}

// Poisson sauteur : monte le nez en haut
void Poisson(cairo_t* cr, int c)
{
    double ond = (c == 1) ? -6 : (c == 2 ? 6 : 0);
    double courbe = (c == 3) ? 14 : 0;
    cairo_save(cr);
    cairo_rotate(cr, courbe * M_PI / 180);
    // queue
    Dessin::Polygone(cr, {0, 20, -12 + ond, 36, 12 + ond, 36});
    Dessin::Remplir(cr, Teinte(255, 120, 160), TRAIT, 2);
    // corps fuselé
    cairo_move_to(cr, 0, -32);
    cairo_curve_to(cr, 20, -22, 16, 12, 0, 22);
    cairo_curve_to(cr, -16, 12, -20, -22, 0, -32);
    cairo_close_path(cr);
    Dessin::RemplirDegrade(cr, Teinte(120, 200, 255), Teinte(40, 90, 200), -32, 22, TRAIT, 2.5);
    // plaques
    for (int k = 0; k < 3; ++k)
    {
        cairo_move_to(cr, -13, -4 + 8 * k);
        cairo_line_to(cr, 13, -4 + 8 * k);
    }
    cairo_save(cr);
    cairo_move_to(cr, 0, -32);
    cairo_curve_to(cr, 20, -22, 16, 12, 0, 22);
    cairo_curve_to(cr, -16, 12, -20, -22, 0, -32);
    cairo_clip(cr);
    Dessin::Tracer(cr, Teinte(20, 50, 120), 1.5);
    cairo_restore(cr);
    // nageoires
    for (int s = -1; s <= 1; s += 2)
    {
        Dessin::Polygone(cr, {s * 12.0, -4, s * (24.0 - ond * s * 0.5), 2, s * 13.0, 8});
        Dessin::Remplir(cr, Teinte(255, 120, 160), TRAIT, 1.5);
    }
    // yeux et mâchoire d'acier
    Oeil(cr, -6, -18, 4, Teinte(255, 230, 60));
    Oeil(cr, 6, -18, 4, Teinte(255, 230, 60));
    Dessin::Polygone(cr, {-6, -29, 6, -29, 3, -25, -3, -25});
    Dessin::Remplir(cr, ACIER, TRAIT, 1.2);
    cairo_restore(cr);
    if (c == 3)
        for (int k = 0; k < 3; ++k)
        {
            Dessin::Cercle(cr, -18 + 18 * k, 34 + (k % 2) * 6, 3);
            Dessin::Remplir(cr, Teinte(200, 240, 255, 200), Teinte(255, 255, 255), 1);
        }
}

// Piranha : regarde à gauche, mâchoire qui claque
void Piranha(cairo_t* cr, int c)
{
    double m = 8 * std::fabs(std::sin(c * M_PI / 4));
    double q = 6 * std::sin(c * M_PI / 2);
    Dessin::Polygone(cr, {20, 0, 38, -14 + q, 36, 14 + q});
    Dessin::Remplir(cr, Teinte(140, 60, 200), TRAIT, 2);
    // dos
    cairo_move_to(cr, -30, -2);
    cairo_curve_to(cr, -24, -26, 14, -24, 22, 0);
    cairo_line_to(cr, -6, 4);
    cairo_close_path(cr);
    Dessin::RemplirDegrade(cr, Teinte(180, 110, 255), Teinte(110, 50, 180), -22, 4, TRAIT, 2.5);
    // mâchoire
    cairo_move_to(cr, -30, 2 + m * 0.3);
    cairo_curve_to(cr, -26, 20 + m, 12, 22, 22, 0);
    cairo_line_to(cr, -6, 4);
    cairo_close_path(cr);
    Dessin::RemplirDegrade(cr, Teinte(255, 220, 120), Teinte(220, 150, 60), 0, 22, TRAIT, 2.5);
    // dents d'acier
    for (int k = 0; k < 4; ++k)
    {
        double x = -28 + 6 * k;
        Dessin::Polygone(cr, {x, -1, x + 3, 4, x + 6, -1});
        Dessin::Remplir(cr, Teinte(240, 245, 255), TRAIT, 1);
        Dessin::Polygone(cr, {x + 1, 3 + m * 0.5, x + 4, -1 + m * 0.5, x + 6, 3 + m * 0.5});
        Dessin::Remplir(cr, Teinte(240, 245, 255), TRAIT, 1);
    }
    Dessin::Polygone(cr, {-6, -20, 4, -30, 8, -18});
    Dessin::Remplir(cr, ACIER, TRAIT, 1.5);
    Oeil(cr, -14, -10, 5, Teinte(255, 70, 70));
    Rivet(cr, 6, -8);
    Rivet(cr, 12, -4);
}

// Gorvalux : noyau à oeil unique, pour les boules qui tournent autour
void Gorvalux(cairo_t* cr)
{
    for (int k = 0; k < 4; ++k)
    {
        double a = k * M_PI / 2 + M_PI / 4;
        Dessin::Membre(cr, 0, 0, 24 * std::cos(a), 24 * std::sin(a), 3, ACIER_F, TRAIT);
    }
    Dessin::Cercle(cr, 0, 0, 19);
    Dessin::RemplirRadial(cr, 0, 0, 19, Teinte(160, 255, 200), Teinte(20, 140, 110), TRAIT, 2.5);
    Dessin::Cercle(cr, 0, 0, 13);
    Dessin::Remplir(cr, ACIER, TRAIT, 2);
    Oeil(cr, 0, 0, 8, Teinte(255, 60, 200));
    for (int k = 0; k < 6; ++k)
        Rivet(cr, 16 * std::cos(k * M_PI / 3), 16 * std::sin(k * M_PI / 3), 1.3);
}

// Étoile : robot en étoile à cinq branches
void Etoile(cairo_t* cr)
{
    Dessin::Etoile(cr, 0, 0, 29, 13, 5, 0);
    Dessin::RemplirRadial(cr, 0, 0, 29, Teinte(255, 240, 150), Teinte(230, 120, 20), TRAIT, 2.5);
    Dessin::Cercle(cr, 0, 0, 10);
    Dessin::Remplir(cr, ACIER, TRAIT, 2);
    Oeil(cr, 0, 0, 6, Teinte(80, 200, 255));
    for (int k = 0; k < 5; ++k)
    {
        double a = -M_PI / 2 + k * 2 * M_PI / 5;
        Rivet(cr, 19 * std::cos(a), 19 * std::sin(a), 1.4);
    }
}

// ZubRobot : tourelle debout qui tire à gauche ; origine (82, 56)
void ZubRobot(cairo_t* cr, int c)
{
    // pied
    Dessin::Polygone(cr, {-34, 100, 26, 100, 18, 80, -26, 80});
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, 80, 100, TRAIT, 2.5);
    Dessin::RectArrondi(cr, -14, 30, 20, 52, 4);
    Dessin::RemplirDegrade(cr, Teinte(90, 96, 110), Teinte(50, 54, 64), 30, 82, TRAIT, 2);
    for (int k = 0; k < 4; ++k)
    {
        cairo_move_to(cr, -12, 40 + 10 * k);
        cairo_line_to(cr, 4, 40 + 10 * k);
    }
    Dessin::Tracer(cr, Teinte(30, 30, 36), 1.5);
    // tête-canon qui se balance sur son ressort ; le canon recule au tir (dernière image)
    const double balance = 3 * std::sin(c * M_PI / 4);
    const double recul = (c == 7) ? 8 : (c == 0 ? 4 : 0);
    cairo_save(cr);
    cairo_translate(cr, 0, balance);
    Dessin::RectArrondi(cr, -34, -30, 56, 62, 12);
    Dessin::RemplirDegrade(cr, Teinte(120, 210, 255), Teinte(30, 110, 190), -30, 32, TRAIT, 3);
    // canon vers la gauche, origine du tir en (0, -4)
    Dessin::RectArrondi(cr, -62 + recul, -11, 34, 14, 4);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, -11, 3, TRAIT, 2.5);
    for (int k = 0; k < 3; ++k)
    {
        cairo_move_to(cr, -54 + recul + 8 * k, -9);
        cairo_line_to(cr, -54 + recul + 8 * k, 1);
    }
    Dessin::Tracer(cr, ACIER_F.Sombre(0.3), 1.5);
    double charge = (c % 8) / 7.0;
    if (c == 7)
    {
        Dessin::Etoile(cr, -66 + recul, -4, 14, 5, 8, 0);
        Dessin::Remplir(cr, Teinte(255, 250, 200, 230), Teinte(255, 60, 60), 1.5);
    }
    Dessin::Cercle(cr, -62 + recul, -4, 3 + 4 * charge);
    Dessin::Remplir(cr, Teinte(255, 80 + 150 * charge, 80, 120 + 135 * charge), Teinte(255, 40, 40), 1.2);
    // visière
    Dessin::RectArrondi(cr, -28, -20, 30, 16, 6);
    Dessin::Remplir(cr, Teinte(20, 24, 36), TRAIT, 2);
    double ox = -24 + 22 * (0.5 + 0.5 * std::sin(c * M_PI / 4));
    Dessin::Ellipse(cr, ox, -12, 4, 5, 0);
    Dessin::Remplir(cr, Teinte(255, 70, 70), TRAIT, 0);
    // antenne qui clignote
    cairo_move_to(cr, 4, -30);
    cairo_line_to(cr, 8, -46);
    Dessin::Tracer(cr, TRAIT, 2);
    Dessin::Cercle(cr, 8, -48, 4);
    Dessin::Remplir(cr, (c % 2) ? Teinte(255, 240, 80) : Teinte(120, 100, 40), TRAIT, 1.5);
    for (int k = 0; k < 3; ++k)
        Rivet(cr, -24 + 18 * k, 22);
    cairo_restore(cr);
}

// Canon laser mural : regarde à droite (retourné par le jeu pour tirer à gauche)
void FusilLaser(cairo_t* cr)
{
    Dessin::RectArrondi(cr, -40, -30, 24, 60, 4);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, -30, 30, TRAIT, 2.5);
    for (int k = -1; k <= 1; k += 2)
        Rivet(cr, -28, 20 * k);
    Dessin::RectArrondi(cr, -18, -16, 36, 32, 8);
    Dessin::RemplirDegrade(cr, Teinte(120, 210, 255), Teinte(30, 110, 190), -16, 16, TRAIT, 2.5);
    Dessin::RectArrondi(cr, 14, -7, 30, 14, 3);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, -7, 7, TRAIT, 2);
    Dessin::Cercle(cr, 44, 0, 4);
    Dessin::Remplir(cr, Teinte(255, 70, 70), TRAIT, 1.2);
}

void Projectile(cairo_t* cr, int c)
{
    switch (c)
    {
    case 0:
        Dessin::Cercle(cr, 0, 0, 11);
        Dessin::RemplirRadial(cr, 0, 0, 11, Teinte(255, 255, 220), Teinte(255, 120, 20), Teinte(150, 40, 0), 1.5);
        break;
    case 1:
    case 2:
        Dessin::Cercle(cr, 0, 0, 11);
        Dessin::RemplirRadial(cr, 0, 0, 11, Teinte(140, 140, 160), Teinte(40, 40, 50), TRAIT, 2);
        cairo_move_to(cr, 5, -8);
        cairo_line_to(cr, 9, -14);
        Dessin::Tracer(cr, Teinte(200, 160, 100), 2);
        Dessin::Etoile(cr, 10, -15, c == 1 ? 5 : 3, 2, 5, c * 20);
        Dessin::Remplir(cr, Teinte(255, 240, 120), Teinte(255, 80, 0), 1);
        break;
    case 3: // oursin
        Dessin::Etoile(cr, 0, 0, 16, 9, 10, 0);
        Dessin::Remplir(cr, Teinte(200, 205, 215), TRAIT, 1.8);
        Dessin::Cercle(cr, 0, 0, 9);
        Dessin::RemplirRadial(cr, 0, 0, 9, Teinte(255, 160, 220), Teinte(160, 30, 120), TRAIT, 1.5);
        break;
    case 4: // aiguille, pointe vers +x
        Dessin::Polygone(cr, {16, 0, -10, -5, -14, 0, -10, 5});
        Dessin::RemplirDegrade(cr, Teinte(200, 255, 200), Teinte(40, 160, 80), -5, 5, TRAIT, 1.5);
        break;
    case 5:
        Dessin::Cercle(cr, 0, 0, 5);
        Dessin::Remplir(cr, Teinte(255, 200, 80), TRAIT, 1);
        break;
    case 6: // pointe d'étoile
        Dessin::Polygone(cr, {16, 0, -8, -7, -4, 0, -8, 7});
        Dessin::RemplirDegrade(cr, Teinte(255, 250, 170), Teinte(230, 130, 20), -7, 7, TRAIT, 1.8);
        break;
    case 7: // trait laser horizontal
        Dessin::RectArrondi(cr, -28, -4, 56, 8, 4);
        Dessin::Remplir(cr, Teinte(255, 60, 60), Teinte(255, 180, 180), 1.5);
        Dessin::RectArrondi(cr, -24, -1.5, 48, 3, 1.5);
        Dessin::Source(cr, Teinte(255, 255, 255));
        cairo_fill(cr);
        break;
    default:
        break;
    }
}

// Animaux libérés (regardent à droite)
void Animal(cairo_t* cr, int l, int c)
{
    double saut = (c == 2) ? -4 : 0;
    cairo_translate(cr, 0, saut);
    if (l == 0)
    {
        // tortue
        double p = (c == 1) ? 3 : (c == 2 ? -3 : 0);
        for (int k = 0; k < 2; ++k)
        {
            Dessin::Ellipse(cr, -8 + 16 * k + (k ? p : -p), 14, 4, 5, 0);
            Dessin::Remplir(cr, Teinte(150, 220, 110), Teinte(30, 60, 20), 1.5);
        }
        Dessin::Ellipse(cr, 16, 4, 7, 6, 0);
        Dessin::Remplir(cr, Teinte(150, 220, 110), Teinte(30, 60, 20), 1.8);
        Dessin::Cercle(cr, 19, 2, 1.6);
        Dessin::Source(cr, Teinte(20, 20, 20));
        cairo_fill(cr);
        cairo_move_to(cr, -16, 10);
        cairo_curve_to(cr, -16, -14, 14, -14, 14, 10);
        cairo_close_path(cr);
        Dessin::RemplirDegrade(cr, Teinte(120, 200, 80), Teinte(50, 120, 40), -10, 10, Teinte(30, 60, 20), 2);
        for (int k = 0; k < 3; ++k)
        {
            Dessin::Cercle(cr, -8 + 8 * k, 0 - (k == 1 ? 3 : 0), 3);
            Dessin::Remplir(cr, Teinte(200, 240, 140), Teinte(30, 60, 20), 1);
        }
    }
    else if (l == 1)
    {
        // lapin
        double e = (c == 1) ? -20 : (c == 2 ? 10 : 0);
        for (int k = 0; k < 2; ++k)
        {
            Dessin::Ellipse(cr, 8 + 4 * k, -18, 3.5, 10, -10 + e * 0.3 + 8 * k);
            Dessin::Remplir(cr, Teinte(250, 250, 250), Teinte(80, 70, 80), 1.5);
        }
        Dessin::Ellipse(cr, -2, 6, 12, 10, 0);
        Dessin::Remplir(cr, Teinte(250, 250, 250), Teinte(80, 70, 80), 1.8);
        Dessin::Ellipse(cr, -6, 16, 8, 3.5, e * 0.5);
        Dessin::Remplir(cr, Teinte(255, 220, 230), Teinte(80, 70, 80), 1.5);
        Dessin::Cercle(cr, 10, -4, 7);
        Dessin::Remplir(cr, Teinte(250, 250, 250), Teinte(80, 70, 80), 1.8);
        Dessin::Cercle(cr, 13, -5, 1.6);
        Dessin::Source(cr, Teinte(20, 20, 20));
        cairo_fill(cr);
        Dessin::Cercle(cr, -14, 4, 3.5);
        Dessin::Remplir(cr, Teinte(255, 255, 255), Teinte(80, 70, 80), 1.2);
    }
    else
    {
        // écureuil
        double q = (c == 1) ? 10 : (c == 2 ? -10 : 0);
        cairo_move_to(cr, -6, 10);
        cairo_curve_to(cr, -26, 8, -26 + q * 0.3, -20, -10, -16 + q * 0.2);
        cairo_curve_to(cr, -14, -8, -12, 2, -4, 6);
        cairo_close_path(cr);
        Dessin::Remplir(cr, Teinte(230, 140, 60), Teinte(90, 40, 10), 1.8);
        Dessin::Ellipse(cr, 2, 6, 9, 10, 0);
        Dessin::Remplir(cr, Teinte(230, 140, 60), Teinte(90, 40, 10), 1.8);
        Dessin::Ellipse(cr, 4, 9, 5, 6, 0);
        Dessin::Remplir(cr, Teinte(255, 230, 190), Teinte(90, 40, 10), 0);
        Dessin::Cercle(cr, 9, -6, 6.5);
        Dessin::Remplir(cr, Teinte(230, 140, 60), Teinte(90, 40, 10), 1.8);
        Dessin::Polygone(cr, {6, -11, 7, -17, 10, -12});
        Dessin::Remplir(cr, Teinte(230, 140, 60), Teinte(90, 40, 10), 1.2);
        Dessin::Cercle(cr, 12, -7, 1.5);
        Dessin::Source(cr, Teinte(20, 20, 20));
        cairo_fill(cr);
        for (int k = 0; k < 2; ++k)
        {
            Dessin::Ellipse(cr, -2 + 8 * k + (k ? q : -q) * 0.2, 17, 4, 2.5, 0);
            Dessin::Remplir(cr, Teinte(200, 110, 40), Teinte(90, 40, 10), 1.2);
        }
    }
}
} // namespace

std::vector<Planche> DessinEnnemis::Toutes()
{
    std::vector<Planche> t;
    {
        Planche p = Nouvelle("droviks/projectiles.png", 512, 64, 64, 64);
        p.Ligne(0, 0, 7);
        p.dessiner = [](cairo_t* cr) {
            for (int c = 0; c < 8; ++c)
                DansCellule(cr, 64, 64, 0, c, 32, 32, [&]() { Projectile(cr, c); });
        };
        t.push_back(p);
    }
    {
        Planche p = Nouvelle("droviks/zubrobot.png", 1280, 160, 128, 160);
        p.Ligne(0, 0, 7).Ligne(0, 9, 9);
        p.dessiner = [](cairo_t* cr) {
            for (int c = 0; c < 8; ++c)
                DansCellule(cr, 128, 160, 0, c, 82, 56, [&]() { ZubRobot(cr, c); });
            DansCellule(cr, 128, 160, 0, 9, 64, 80, [&]() { FusilLaser(cr); });
        };
        t.push_back(p);
    }
    auto Robot = [&](const std::string& nom, int l, int h, int lc, int hc, int n, double ox, double oy,
                     std::function<void(cairo_t*, int)> f, int premier = 0) {
        Planche p = Nouvelle("droviks/" + nom, l, h, lc, hc);
        p.Ligne(0, premier, n - 1);
        p.dessiner = [=](cairo_t* cr) {
            for (int c = premier; c < n; ++c)
                DansCellule(cr, lc, hc, 0, c, ox, oy, [&]() { f(cr, c); });
        };
        t.push_back(p);
    };
    Robot("coccinelle.png", 400, 100, 100, 100, 4, 62, 50, Coccinelle);
    Robot("crabe.png", 600, 100, 100, 100, 6, 50, 50, Crabe);
    t.back().cadres.erase(t.back().cadres.begin() + 4); // la colonne 4 ne sert pas
    Robot("guepe.png", 1024, 160, 128, 160, 8, 64, 80, Guepe);
    Robot("cameleon.png", 200, 100, 100, 100, 2, 50, 50, Cameleon);
    Robot("poisson.png", 400, 100, 100, 100, 4, 50, 50, Poisson);
    Robot("piranha.png", 400, 100, 100, 100, 4, 50, 50, Piranha);
    {
        Planche p = Nouvelle("droviks/gorvalux.png", 64, 64, 0, 0);
        p.Rect(0, 0, 64, 64);
        p.dessiner = [](cairo_t* cr) { cairo_translate(cr, 32, 32); Gorvalux(cr); };
        t.push_back(p);
        Planche e = Nouvelle("droviks/etoile.png", 64, 64, 0, 0);
        e.Rect(0, 0, 64, 64);
        e.dessiner = [](cairo_t* cr) { cairo_translate(cr, 32, 32); Etoile(cr); };
        t.push_back(e);
    }
    {
        Planche p = Nouvelle("animaux/animaux.png", 192, 192, 64, 64);
        p.Ligne(0, 0, 2).Ligne(1, 0, 2).Ligne(2, 0, 2);
        p.dessiner = [](cairo_t* cr) {
            for (int l = 0; l < 3; ++l)
                for (int c = 0; c < 3; ++c)
                    DansCellule(cr, 64, 64, l, c, 32, 32, [&]() { Animal(cr, l, c); });
        };
        t.push_back(p);
    }
    return t;
}
