#include "DessinHeros.h"

#include "Silhouette.h"

#include <algorithm>
#include <cmath>

namespace
{
const double RAD = M_PI / 180;

// place les pieds au sol (rangée 110 de la cellule : 30 sous l'origine)
void AncrerPieds(Pose& p, double sol = 29.5)
{
    // point le plus bas de chaque botte (ellipse 9 x 5 orientée selon le tibia, vue de profil)
    double basMax = -1e9;
    for (int s = 0; s < 2; ++s)
    {
        const double* j = s ? p.jambeAv : p.jambeAr;
        double cheville = 11 * std::cos(j[0] * RAD) + 11 * std::cos((j[0] + j[1]) * RAD);
        double ang = Silhouette::AngleBotte(j[0] + j[1]) * RAD;
        double fy = -std::sin(ang);
        double th = std::atan2(fy, std::cos(ang));
        double bas = cheville * p.echelleY + fy * 4 + 1.5
                     + std::sqrt(std::pow(9 * std::sin(th), 2) + std::pow(5 * std::cos(th), 2));
        basMax = std::max(basMax, bas);
    }
    // hanche à 8 + dy (échelle 1)
    p.dy = sol - 8 - basMax;
}

Pose Debout()
{
    Pose p;
    p.tronc = 3;
    p.brasAv[0] = 12; p.brasAv[1] = 28;
    p.brasAr[0] = -10; p.brasAr[1] = 22;
    p.jambeAv[0] = 6; p.jambeAv[1] = -6;
    p.jambeAr[0] = -6; p.jambeAr[1] = -2;
    AncrerPieds(p);
    return p;
}

Pose Marche(double phi, double ampl, bool course)
{
    Pose p;
    double s = std::sin(phi), c = std::cos(phi);
    p.tronc = course ? 24 : 10;
    double A = ampl;
    p.jambeAv[0] = A * s;
    p.jambeAv[1] = -(10 + (course ? 70 : 40) * std::max(0.0, c));
    p.jambeAr[0] = -A * s;
    p.jambeAr[1] = -(10 + (course ? 70 : 40) * std::max(0.0, -c));
    double B = course ? 70 : 35;
    p.brasAv[0] = -B * s + (course ? 10 : 0);
    p.brasAv[1] = course ? 95 : 35;
    p.brasAr[0] = B * s + (course ? 10 : 0);
    p.brasAr[1] = course ? 95 : 35;
    p.echarpe = course ? 1.0 : 0.4 + 0.2 * s;
    p.queue = course ? 30 : 10 * s;
    AncrerPieds(p);
    if (course)
        p.dy -= 3 * std::fabs(c); // phase de vol
    else
        p.dy -= 1.5 * std::fabs(c);
    p.bouche = course ? Pose::OUVERTE : Pose::SOURIRE;
    return p;
}

Pose Boule(double angle, double vitesse)
{
    Pose p;
    p.boule = true;
    p.angleBoule = angle;
    p.vitesse = vitesse;
    return p;
}

void Bulle(cairo_t* cr, double x, double y, double r)
{
    Dessin::Cercle(cr, x, y, r);
    Dessin::Remplir(cr, Teinte(200, 240, 255, 110), Teinte(240, 255, 255, 230), 1.6);
    Dessin::Reflet(cr, x - r * 0.35, y - r * 0.35, r * 0.3, r * 0.18, 0.8);
}

void Nuage(cairo_t* cr, double x, double y, double r, double alpha)
{
    for (int k = 0; k < 3; ++k)
    {
        Dessin::Cercle(cr, x + (k - 1) * r * 0.8, y - (k == 1 ? r * 0.4 : 0), r * (k == 1 ? 1.0 : 0.75));
        Dessin::Remplir(cr, Teinte(236, 226, 210, alpha), Teinte(150, 130, 110, alpha), 1.2);
    }
}

// pose de la case (ligne, colonne) pour un héros ; faux si la case est vide
bool PoseCase(int heros, int l, int c, Pose& p, cairo_t* cr, bool avant)
{
    p = Pose();
    switch (l)
    {
    case 0:
        if (c != 0) return false;
        p = Debout();
        return true;
    case 1:
        if (c < 8) p = Marche(2 * M_PI * c / 8, 32, false);
        else if (c < 12) p = Marche(2 * M_PI * (c - 8) / 4, 55, true);
        else return false;
        return true;
    case 2:
        if (c > 7) return false;
        p = Boule(45.0 * c, 0);
        return true;
    case 3:
        if (c == 0 || c == 1)
        {
            p.tronc = 20 + 18 * c;
            p.tete = -5 - 5 * c;
            p.jambeAv[0] = 55 + 20 * c; p.jambeAv[1] = -95 - 25 * c;
            p.jambeAr[0] = 40 + 20 * c; p.jambeAr[1] = -85 - 25 * c;
            p.brasAv[0] = 40 + 10 * c; p.brasAv[1] = 30;
            p.brasAr[0] = 20 + 10 * c; p.brasAr[1] = 30;
            p.yeux = c ? Pose::PLISSES : Pose::OUVERTS;
            AncrerPieds(p);
            return true;
        }
        if (c >= 3 && c <= (heros == 0 ? 7 : 6))
        {
            p = Boule(72.0 * (c - 3) + 20, 1.0);
            if (avant)
            {
                // petites pierres projetées
                for (int k = 0; k < 3; ++k)
                {
                    double x = -30 - ((c * 13 + k * 9) % 18), y = 22 - ((c * 7 + k * 5) % 10);
                    Dessin::Cercle(cr, x, y, 2);
                    Dessin::Remplir(cr, Teinte(200, 180, 150), Teinte(90, 70, 50), 1);
                }
            }
            return true;
        }
        return false;
    case 4:
        if (c <= 3)
        {
            double phi = 2 * M_PI * c / 4;
            p.tronc = 38;
            p.tete = 5;
            p.brasAv[0] = 92; p.brasAv[1] = 8;
            p.brasAr[0] = 82; p.brasAr[1] = 14;
            p.jambeAv[0] = 10 + 22 * std::sin(phi); p.jambeAv[1] = -30 - 15 * std::max(0.0, std::cos(phi));
            p.jambeAr[0] = -30 - 22 * std::sin(phi); p.jambeAr[1] = -10;
            p.yeux = Pose::PLISSES;
            p.bouche = Pose::SERREE;
            AncrerPieds(p);
            return true;
        }
        if (c == 4 || c == 5)
        {
            p = Debout();
            p.tronc = -10 - 6 * (c - 4);
            p.tete = 34 + 14 * (c - 4);
            p.yeux = Pose::HAUT;
            p.brasAv[0] = -10; p.brasAr[0] = -25;
            AncrerPieds(p);
            return true;
        }
        if (c == 10 || c == 11)
        {
            int k = c - 10;
            p.tronc = -28;
            p.tete = 10;
            p.brasAv[0] = 150 - 30 * k; p.brasAv[1] = 30 + 20 * k;
            p.brasAr[0] = -150 + 30 * k; p.brasAr[1] = -20;
            p.jambeAv[0] = 45 + 15 * k; p.jambeAv[1] = -40;
            p.jambeAr[0] = 15 - 15 * k; p.jambeAr[1] = -50;
            p.yeux = Pose::GRANDS;
            p.bouche = Pose::OUVERTE;
            p.echarpe = 0.8;
            AncrerPieds(p);
            p.dy -= 4;
            return true;
        }
        return false;
    case 5:
        if (c <= (heros == 0 ? 2 : 1))
        {
            p.tronc = -18 - 4 * c;
            p.tete = 0;
            p.jambeAv[0] = 50 + 5 * c; p.jambeAv[1] = -5;
            p.jambeAr[0] = 10; p.jambeAr[1] = -60;
            p.brasAv[0] = -40 - 10 * c; p.brasAv[1] = 60;
            p.brasAr[0] = -70 + 10 * c; p.brasAr[1] = 50;
            p.yeux = Pose::PLISSES;
            p.bouche = Pose::GRIMACE;
            AncrerPieds(p);
            if (avant)
                for (int k = 0; k <= c; ++k)
                    Nuage(cr, 26 + 8 * k, 27 - 3 * k, 4 + 1.5 * k, 200);
            return true;
        }
        if (heros == 0 && c == 3)
        {
            p = Debout();
            p.lacet = 90;
            p.brasAv[0] = 35; p.brasAr[0] = -35;
            p.bouche = Pose::OUVERTE;
            AncrerPieds(p);
            return true;
        }
        return false;
    case 8:
        if (heros != 1) return false;
        if (c <= 2)
        {
            p.tronc = 82;
            p.tete = 70;
            p.brasAv[0] = 165; p.brasAv[1] = 0;
            p.brasAr[0] = 158; p.brasAr[1] = 5;
            p.jambeAv[0] = -70; p.jambeAv[1] = -10;
            p.jambeAr[0] = -80; p.jambeAr[1] = -15;
            p.echarpe = 1;
            p.queue = 50;
            p.planeur = true;
            p.lacet = (c == 0) ? 0 : (c == 1 ? 35 : 90);
            p.dy = -2;
            return true;
        }
        if (c == 3 || c == 4)
        {
            int k = c - 3;
            p.tronc = -8;
            p.tete = 15;
            p.brasAv[0] = 160 - 25 * k; p.brasAv[1] = 20;
            p.brasAr[0] = -160 + 25 * k; p.brasAr[1] = -20;
            p.jambeAv[0] = 20 + 20 * k; p.jambeAv[1] = -30;
            p.jambeAr[0] = -10 - 10 * k; p.jambeAr[1] = -20;
            p.yeux = Pose::GRANDS;
            p.bouche = Pose::OUVERTE;
            p.echarpe = 1;
            AncrerPieds(p);
            p.dy -= 6;
            return true;
        }
        if (c == 5)
        {
            p.tronc = 90;
            p.tete = 85;
            p.brasAv[0] = 175; p.brasAv[1] = 0;
            p.brasAr[0] = 170; p.brasAr[1] = 0;
            p.jambeAv[0] = -85; p.jambeAv[1] = 0;
            p.jambeAr[0] = -88; p.jambeAr[1] = 0;
            p.yeux = Pose::PLISSES;
            p.dx = -6;
            p.dy = 14;
            if (avant)
                Nuage(cr, 34, 27, 5, 200);
            return true;
        }
        if (c == 6)
        {
            p.tronc = 45;
            p.tete = 25;
            p.brasAv[0] = 40; p.brasAv[1] = -10;
            p.brasAr[0] = 30; p.brasAr[1] = 0;
            p.jambeAv[0] = 70; p.jambeAv[1] = -110;
            p.jambeAr[0] = -20; p.jambeAr[1] = -100;
            AncrerPieds(p);
            return true;
        }
        return false;
    case 9:
        if (heros != 1) return false;
        if (c <= 5)
        {
            double phi = 2 * M_PI * c / 6;
            double s = std::sin(phi);
            p.tronc = 4;
            p.tete = 10;
            p.dx = 4;
            p.brasAv[0] = 140 + 25 * s; p.brasAv[1] = -30 - 10 * s;
            p.brasAr[0] = 140 - 25 * s; p.brasAr[1] = -30 + 10 * s;
            p.jambeAv[0] = 60 - 25 * s; p.jambeAv[1] = -80 + 20 * s;
            p.jambeAr[0] = 60 + 25 * s; p.jambeAr[1] = -80 - 20 * s;
            p.dy = 3 * std::cos(phi) - 2;
            p.yeux = Pose::PLISSES;
            p.bouche = Pose::SERREE;
            p.queue = -30;
            return true;
        }
        if (c <= 8)
        {
            int k = c - 6;
            p.tronc = 25 + 25 * k;
            p.tete = 10;
            p.dx = 4 + 6 * k;
            p.dy = -10 - 12 * k;
            p.brasAv[0] = 120 - 20 * k; p.brasAv[1] = -60 - 20 * k;
            p.brasAr[0] = 110 - 20 * k; p.brasAr[1] = -50 - 20 * k;
            p.jambeAv[0] = 50 + 20 * k; p.jambeAv[1] = -90 - 10 * k;
            p.jambeAr[0] = 20 + 10 * k; p.jambeAr[1] = -40;
            p.bouche = Pose::SERREE;
            return true;
        }
        return false;
    case 10:
        if (c > 11) return false;
        p = Marche(M_PI / 2 + c * M_PI / 3, 45, true);
        p.lacet = 30.0 * c;
        return true;
    case 11:
        if (c == 0)
        {
            p = Debout();
            p.tete = 15;
            p.yeux = Pose::FERMES;
            p.bouche = Pose::JOUES;
            p.brasAv[0] = 60; p.brasAv[1] = 60;
            if (!avant) return true;
            Bulle(cr, 22, -36, 10);
            return true;
        }
        if (c == 9 || c == 11)
        {
            p.tronc = -15;
            p.tete = 20;
            p.brasAv[0] = 160; p.brasAv[1] = -30;
            p.brasAr[0] = -160; p.brasAr[1] = 30;
            p.jambeAv[0] = 25; p.jambeAv[1] = -30;
            p.jambeAr[0] = -25; p.jambeAr[1] = -20;
            p.yeux = Pose::CROIX;
            p.bouche = (c == 9) ? Pose::JOUES : Pose::OUVERTE;
            p.echarpe = 1;
            if (c == 11)
            {
                // mort : sursaut en arrière, bras tendus vers l'avant
                p.lacet = 25;
                p.tronc = -30;
                p.tete = 30;
                p.brasAv[0] = 105; p.brasAv[1] = 10;
                p.brasAr[0] = 75; p.brasAr[1] = 10;
                p.jambeAv[0] = 45; p.jambeAv[1] = -70;
                p.jambeAr[0] = -30; p.jambeAr[1] = -10;
            }
            AncrerPieds(p);
            if (c == 9 && avant)
            {
                Bulle(cr, 20, -40, 5);
                Bulle(cr, 26, -54, 3.5);
            }
            return true;
        }
        if (c == 10)
        {
            p.tronc = 0;
            p.tete = 0;
            p.brasAv[0] = 175; p.brasAv[1] = 0;
            p.brasAr[0] = 170; p.brasAr[1] = 5;
            p.jambeAv[0] = 3; p.jambeAv[1] = 0;
            p.jambeAr[0] = -3; p.jambeAr[1] = 5;
            p.yeux = Pose::FERMES;
            p.bouche = Pose::JOUES;
            p.lacet = 60;
            p.echarpe = 0;
            AncrerPieds(p);
            p.dy -= 4;
            return true;
        }
        return false;
    default:
        return false;
    }
}

const int CELLULE = 160;
} // namespace

Pose DessinHeros::PoseDebout() { return Debout(); }
Pose DessinHeros::PoseMarche(double phase, double amplitude, bool course) { return Marche(phase, amplitude, course); }
Pose DessinHeros::PoseBoule(double angle, double vitesse) { return Boule(angle, vitesse); }

Planche DessinHeros::Feuille(int heros)
{
    Planche pl;
    pl.chemin = heros == 0 ? "png/game/personnages/heros/vanto.png" : "png/game/personnages/heros/tormundo.png";
    pl.famille = "heros";
    pl.largeur = pl.hauteur = 1920;
    pl.largeurCadre = pl.hauteurCadre = CELLULE;
    pl.Ligne(0, 0, 0).Ligne(1, 0, 11).Ligne(2, 0, 7).Ligne(3, 0, 1);
    if (heros == 0)
        pl.Ligne(3, 3, 7).Ligne(4, 0, 5).Ligne(4, 10, 11).Ligne(5, 0, 3);
    else
        pl.Ligne(3, 3, 6).Ligne(4, 4, 5).Ligne(4, 10, 11).Ligne(5, 0, 1).Ligne(8, 0, 6).Ligne(9, 0, 8);
    pl.Ligne(10, 0, 11).Ligne(11, 0, 0).Ligne(11, 9, 11);
    pl.dessiner = [heros](cairo_t* cr) {
        for (int l = 0; l < 12; ++l)
            for (int c = 0; c < 12; ++c)
            {
                DansCellule(cr, CELLULE, CELLULE, l, c, 80, 80, [&]() {
                    Pose p;
                    if (!PoseCase(heros, l, c, p, cr, false))
                        return;
                    // ombre portée au sol
                    if (!(l == 8 && c <= 4) && !(l == 9) && !(l == 4 && c >= 10) && !(l == 11 && c >= 9))
                    {
                        Dessin::Ellipse(cr, 0, 30, 20, 3.5, 0);
                        cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
                        cairo_fill(cr);
                    }
                    Silhouette::Dessiner(cr, heros, p);
                    PoseCase(heros, l, c, p, cr, true);
                });
            }
    };
    return pl;
}

void DessinHeros::Portrait(cairo_t* cr, int heros, double echelle)
{
    cairo_save(cr);
    cairo_scale(cr, echelle, echelle);
    // pose de présentation : trois quarts, un bras levé
    Pose p = Debout();
    p.lacet = 30;
    p.tronc = 6;
    p.brasAv[0] = 70; p.brasAv[1] = 95;
    p.brasAr[0] = -30; p.brasAr[1] = 40;
    p.jambeAv[0] = 18; p.jambeAv[1] = -12;
    p.jambeAr[0] = -12; p.jambeAr[1] = -6;
    p.echarpe = 0.9;
    p.bouche = Pose::OUVERTE;
    AncrerPieds(p);
    Silhouette::Dessiner(cr, heros, p);
    cairo_restore(cr);
}

Planche DessinHeros::Poussiere()
{
    Planche pl;
    pl.chemin = "png/game/personnages/heros/dust.png";
    pl.famille = "heros";
    pl.largeur = 448; pl.hauteur = 64;
    pl.largeurCadre = pl.hauteurCadre = 64;
    pl.Ligne(0, 0, 6);
    pl.dessiner = [](cairo_t* cr) {
        for (int c = 0; c < 7; ++c)
            DansCellule(cr, 64, 64, 0, c, 0, 0, [&]() {
                // nuage qui s'éloigne vers la gauche (le héros est au bord droit)
                for (int k = 0; k < 4; ++k)
                {
                    double t = std::fmod(c / 7.0 + k / 4.0, 1.0);
                    double x = 58 - t * 50, y = 58 - t * 14 - (k % 2) * 5;
                    double r = 4 + t * 9;
                    Dessin::Cercle(cr, x, y, r);
                    Dessin::Remplir(cr, Teinte(240, 232, 218, 235 - t * 120), Teinte(140, 120, 100, 200 - t * 100), 1.5);
                }
            });
    };
    return pl;
}

Planche DessinHeros::Anneau()
{
    Planche pl;
    pl.chemin = "png/game/personnages/heros/ressources/anneau.png";
    pl.famille = "ressources";
    pl.largeur = 192; pl.hauteur = 96;
    pl.largeurCadre = pl.hauteurCadre = 48;
    pl.Ligne(0, 0, 3).Ligne(1, 0, 3);
    pl.dessiner = [](cairo_t* cr) {
        const Teinte or_(255, 214, 40), fonce(150, 90, 0), trait(90, 50, 0);
        for (int c = 0; c < 4; ++c)
        {
            DansCellule(cr, 48, 48, 0, c, 24, 24, [&]() {
                double lx = 15 * std::fabs(std::cos(c * M_PI / 4)) + 1.5;
                Dessin::Ellipse(cr, 0, 0, lx + 1, 16, 0);
                Dessin::Remplir(cr, or_, trait, 2);
                if (lx > 6)
                {
                    Dessin::Ellipse(cr, 0, 0, lx - 6, 10, 0);
                    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
                    cairo_fill_preserve(cr);
                    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
                    Dessin::Tracer(cr, fonce, 2);
                }
                Dessin::Reflet(cr, -lx * 0.4, -9, std::max(1.5, lx * 0.25), 2.5, 0.8);
            });
            DansCellule(cr, 48, 48, 1, c, 24, 24, [&]() {
                double r = 6 + 5 * c;
                Dessin::Etoile(cr, 0, 0, r, r * 0.3, 4, 20 * c);
                Dessin::Remplir(cr, Teinte(255, 255, 200, 255 - 45 * c), Teinte(255, 200, 40, 255 - 45 * c), 1.5);
                for (int k = 0; k < 4; ++k)
                {
                    double a = (45 + 90 * k + 15 * c) * M_PI / 180;
                    Dessin::Etoile(cr, r * 1.3 * std::cos(a), r * 1.3 * std::sin(a), 3, 1, 4, 0);
                    Dessin::Remplir(cr, Teinte(255, 255, 255, 230 - 40 * c), Teinte(), 0);
                }
            });
        }
    };
    return pl;
}

Planche DessinHeros::Bulle()
{
    Planche pl;
    pl.chemin = "png/game/personnages/heros/ressources/bulle.png";
    pl.famille = "ressources";
    pl.largeur = 576; pl.hauteur = 64;
    pl.largeurCadre = pl.hauteurCadre = 64;
    pl.Ligne(0, 0, 8);
    pl.dessiner = [](cairo_t* cr) {
        for (int c = 0; c < 9; ++c)
            DansCellule(cr, 64, 64, 0, c, 32, 32, [&]() {
                if (c <= 6)
                {
                    double r = 3 + 13.0 * c / 6;
                    ::Bulle(cr, 0, 0, r);
                    if (c == 6)
                    {
                        Dessin::Cercle(cr, 0, 0, r + 2.5);
                        Dessin::Tracer(cr, Teinte(255, 255, 255, 120), 1.2);
                    }
                }
                else
                {
                    for (int k = 0; k < 8; ++k)
                    {
                        double a = k * M_PI / 4 + (c - 7) * 0.3;
                        double r0 = 10 + 8 * (c - 7), r1 = r0 + 6;
                        cairo_move_to(cr, r0 * std::cos(a), r0 * std::sin(a));
                        cairo_line_to(cr, r1 * std::cos(a), r1 * std::sin(a));
                        Dessin::Tracer(cr, Teinte(220, 250, 255, 230 - 80 * (c - 7)), 2.5);
                        ::Bulle(cr, (r1 + 3) * std::cos(a + 0.3), (r1 + 3) * std::sin(a + 0.3), 2);
                    }
                }
            });
    };
    return pl;
}

namespace
{
void IconeMoniteur(cairo_t* cr, int col)
{
    // icône dans l'écran de la boîte : centre (0, -6)
    const double y = -6;
    switch (col)
    {
    case 2: // dix anneaux
        for (int k = 0; k < 2; ++k)
        {
            Dessin::Ellipse(cr, -4 + 8 * k, y, 6, 8, 0);
            Dessin::Tracer(cr, Teinte(90, 50, 0), 4.5);
            Dessin::Ellipse(cr, -4 + 8 * k, y, 6, 8, 0);
            Dessin::Tracer(cr, Teinte(255, 214, 40), 2.5);
        }
        break;
    case 3: // bouclier de terre
    case 4: // d'eau
    case 5: // de feu
    case 6: // électrique
    {
        Teinte t[] = {Teinte(150, 110, 60), Teinte(60, 160, 255), Teinte(255, 110, 20), Teinte(250, 230, 40)};
        Teinte tt = t[col - 3];
        Dessin::Cercle(cr, 0, y, 10);
        Dessin::RemplirRadial(cr, 0, y, 10, tt.Clair(0.6), tt, tt.Sombre(0.6), 1.8);
        if (col == 5)
        {
            cairo_move_to(cr, -4, y + 5);
            cairo_curve_to(cr, -7, y - 2, 0, y - 4, 0, y - 10);
            cairo_curve_to(cr, 4, y - 4, 7, y, 4, y + 5);
            cairo_close_path(cr);
            Dessin::Remplir(cr, Teinte(255, 240, 120), Teinte(160, 40, 0), 1);
        }
        else if (col == 6)
        {
            Dessin::Polygone(cr, {2, y - 9, -5, y + 1, 0, y + 1, -3, y + 9, 5, y - 2, 0, y - 2});
            Dessin::Remplir(cr, Teinte(255, 255, 255), Teinte(120, 90, 0), 1);
        }
        else if (col == 4)
        {
            Dessin::Reflet(cr, -3, y - 3, 4, 2.5, 0.9);
        }
        else
        {
            Dessin::Polygone(cr, {-6, y + 4, -2, y - 4, 1, y + 1, 4, y - 3, 7, y + 4});
            Dessin::Remplir(cr, Teinte(90, 160, 60), Teinte(60, 40, 20), 1);
        }
        break;
    }
    case 7: // invincibilité
        Dessin::Etoile(cr, 0, y, 11, 5, 5, 0);
        Dessin::Remplir(cr, Teinte(255, 240, 90), Teinte(200, 80, 0), 1.5);
        Dessin::Etoile(cr, -8, y - 7, 3, 1.2, 4, 0);
        Dessin::Remplir(cr, Teinte(255, 255, 255), Teinte(), 0);
        break;
    case 8: // chaussures
        Dessin::Ellipse(cr, 1, y + 2, 10, 5, -8);
        Dessin::Remplir(cr, Teinte(40, 200, 240), Teinte(0, 60, 90), 1.6);
        Dessin::Ellipse(cr, -3, y - 4, 4, 5, 0);
        Dessin::Remplir(cr, Teinte(40, 200, 240), Teinte(0, 60, 90), 1.6);
        for (int k = 0; k < 3; ++k)
        {
            cairo_move_to(cr, -15, y - 4 + 4 * k);
            cairo_line_to(cr, -10, y - 4 + 4 * k);
            Dessin::Tracer(cr, Teinte(255, 255, 255), 1.5);
        }
        break;
    case 11: // danger
        Dessin::Polygone(cr, {0, y - 10, 11, y + 8, -11, y + 8});
        Dessin::Remplir(cr, Teinte(255, 220, 0), Teinte(40, 0, 0), 2);
        cairo_move_to(cr, 0, y - 4);
        cairo_line_to(cr, 0, y + 2);
        Dessin::Tracer(cr, Teinte(40, 0, 0), 2.5);
        Dessin::Cercle(cr, 0, y + 5.5, 1.3);
        Dessin::Remplir(cr, Teinte(40, 0, 0), Teinte(), 0);
        break;
    case 12:
    case 13:
        Silhouette::Tete(cr, col - 12, 0, y + 1, 9, 20, Pose::OUVERTS, Pose::SOURIRE);
        break;
    default:
        break;
    }
}
} // namespace

Planche DessinHeros::Moniteurs()
{
    Planche pl;
    pl.chemin = "png/game/personnages/heros/ressources/moniteurs.png";
    pl.famille = "ressources";
    pl.largeur = 896; pl.hauteur = 64;
    pl.largeurCadre = pl.hauteurCadre = 64;
    pl.Ligne(0, 0, 8).Ligne(0, 11, 13);
    pl.dessiner = [](cairo_t* cr) {
        const Teinte trait(20, 24, 40);
        for (int c = 0; c < 14; ++c)
        {
            if (c == 9 || c == 10) continue;
            DansCellule(cr, 64, 64, 0, c, 32, 32, [&]() {
                if (c == 0)
                {
                    // boîte : 44 x 64, coins supérieurs coupés
                    Dessin::Polygone(cr, {-18, -31, 18, -31, 21, -28, 21, 31, -21, 31, -21, -28});
                    Dessin::RemplirDegrade(cr, Teinte(210, 215, 230), Teinte(120, 125, 150), -32, 32, trait, 2);
                    Dessin::RectArrondi(cr, -16, -22, 32, 28, 4);
                    Dessin::RemplirDegrade(cr, Teinte(40, 60, 90), Teinte(10, 20, 40), -22, 6, trait, 1.5);
                    Dessin::Reflet(cr, -8, -17, 5, 2, 0.35);
                    Dessin::Polygone(cr, {-21, 16, 21, 16, 21, 31, -21, 31});
                    Dessin::Remplir(cr, Teinte(90, 95, 120), trait, 1.5);
                    for (int k = -1; k <= 1; k += 2)
                    {
                        Dessin::Cercle(cr, 12 * k, 23, 2);
                        Dessin::Remplir(cr, Teinte(255, 200, 0), trait, 0.8);
                    }
                }
                else if (c == 1)
                {
                    // boîte cassée
                    Dessin::Polygone(cr, {-21, 31, 21, 31, 21, 10, 14, 4, 8, 14, 0, 6, -8, 13, -14, 3, -21, 9});
                    Dessin::RemplirDegrade(cr, Teinte(190, 195, 210), Teinte(110, 115, 140), 0, 32, trait, 2);
                    Dessin::Polygone(cr, {-21, 16, 21, 16, 21, 31, -21, 31});
                    Dessin::Remplir(cr, Teinte(90, 95, 120), trait, 1.5);
                    for (int k = 0; k < 4; ++k)
                    {
                        Dessin::Polygone(cr, {-18.0 + 10 * k, 1.0 - 3 * (k % 2), -14.0 + 10 * k, -2.0, -12.0 + 10 * k, 3.0});
                        Dessin::Remplir(cr, Teinte(60, 80, 110), trait, 1);
                    }
                }
                else
                {
                    // cadre d'icône lumineux
                    Dessin::RectArrondi(cr, -14, -20, 28, 28, 3);
                    Dessin::Remplir(cr, Teinte(255, 255, 255, 40), Teinte(200, 240, 255, 180), 1);
                    IconeMoniteur(cr, c);
                }
            });
        }
    };
    return pl;
}
