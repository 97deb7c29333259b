#include "DessinHeros.h"

#include "Dessin.h"

#include <cmath>

namespace
{
void Flamme(cairo_t* cr, double x, double y, double l, double w, double angleDeg, const Teinte& c, double alpha)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angleDeg * M_PI / 180);
    cairo_move_to(cr, -w, 0);
    cairo_curve_to(cr, -w, -l * 0.5, -w * 0.2, -l * 0.7, 0, -l);
    cairo_curve_to(cr, w * 0.3, -l * 0.6, w, -l * 0.5, w, 0);
    cairo_curve_to(cr, w, w * 0.8, -w, w * 0.8, -w, 0);
    cairo_close_path(cr);
    Dessin::Remplir(cr, c.Alpha(alpha), Teinte(160, 30, 0, alpha), 1.2);
    cairo_restore(cr);
}

void Eclair(cairo_t* cr, double a0, double r0, double r1, int n, double phase, const Teinte& t, double ep)
{
    cairo_move_to(cr, r0 * std::cos(a0), r0 * std::sin(a0));
    for (int i = 1; i <= n; ++i)
    {
        double r = r0 + (r1 - r0) * i / n;
        double a = a0 + ((i % 2) ? 0.12 : -0.12) * std::sin(phase + i);
        cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    Dessin::Tracer(cr, t, ep);
}
} // namespace

Planche DessinHeros::Boucliers()
{
    Planche pl;
    pl.chemin = "png/game/personnages/heros/ressources/boucliers.png";
    pl.famille = "ressources";
    pl.largeur = pl.hauteur = 1920;
    pl.largeurCadre = pl.hauteurCadre = 160;
    pl.Ligne(0, 0, 0).Ligne(2, 0, 8).Ligne(3, 0, 3).Ligne(4, 0, 9).Ligne(5, 0, 8).Ligne(6, 0, 3)
        .Ligne(7, 0, 9).Ligne(8, 0, 2).Ligne(8, 8, 9).Ligne(11, 0, 6).Ligne(11, 11, 11);
    pl.dessiner = [](cairo_t* cr) {
        auto C = [&](int l, int c, const std::function<void()>& f) { DansCellule(cr, 160, 160, l, c, 80, 80, f); };
        // terre : bulle facettée brun-vert
        C(0, 0, [&]() {
            std::vector<double> xy;
            for (int k = 0; k < 8; ++k)
            {
                double a = k * M_PI / 4 + M_PI / 8;
                xy.push_back(46 * std::cos(a));
                xy.push_back(46 * std::sin(a));
            }
            Dessin::Polygone(cr, xy);
            // cristal clair vert et or : il sert aussi sous les étoiles de l'invincibilité
            Dessin::RemplirRadial(cr, 0, 0, 46, Teinte(235, 255, 210, 40), Teinte(130, 190, 70, 120),
                                  Teinte(250, 215, 90, 240), 3);
            for (int k = 0; k < 8; ++k)
            {
                double a = k * M_PI / 4 + M_PI / 8;
                cairo_move_to(cr, 0, 0);
                cairo_line_to(cr, 46 * std::cos(a), 46 * std::sin(a));
            }
            Dessin::Tracer(cr, Teinte(255, 245, 190, 80), 1.5);
            Dessin::Polygone(cr, xy);
            cairo_save(cr);
            cairo_scale(cr, 0.72, 0.72);
            Dessin::Polygone(cr, xy);
            cairo_restore(cr);
            Dessin::Tracer(cr, Teinte(255, 250, 210, 110), 1.5);
            Dessin::Reflet(cr, -18, -22, 12, 5, 0.55);
            // éclats de roche sur le pourtour
            for (int k = 0; k < 4; ++k)
            {
                double a = k * M_PI / 2 + 0.6;
                Dessin::Etoile(cr, 44 * std::cos(a), 44 * std::sin(a), 6, 3, 4, 45 * k);
                Dessin::Remplir(cr, Teinte(200, 160, 90), Teinte(90, 60, 20), 1.2);
            }
        });
        // eau au repos
        for (int c = 0; c <= 8; ++c)
            C(2, c, [&]() {
                double ph = c * 2 * M_PI / 9;
                Dessin::Cercle(cr, 0, 0, 45 + 1.5 * std::sin(ph));
                Dessin::RemplirRadial(cr, 0, 0, 46, Teinte(180, 240, 255, 50), Teinte(40, 140, 255, 130),
                                      Teinte(200, 245, 255, 230), 2.5);
                for (int k = 0; k < 3; ++k)
                {
                    double a = ph + k * 2 * M_PI / 3;
                    cairo_arc(cr, 0, 0, 38, a, a + 0.8);
                    Dessin::Tracer(cr, Teinte(255, 255, 255, 150), 2.5);
                }
                Dessin::Reflet(cr, -17, -20, 10, 5, 0.6);
            });
        // eau pendant le plongeon : bulle étirée vers le bas
        for (int c = 0; c <= 3; ++c)
            C(3, c, [&]() {
                double e = 1 + 0.12 * (c + 1);
                Dessin::Ellipse(cr, 0, 6 * c, 45 / e, 45 * e, 0);
                Dessin::RemplirRadial(cr, 0, 6 * c, 46, Teinte(180, 240, 255, 60), Teinte(40, 140, 255, 140),
                                      Teinte(200, 245, 255, 230), 2.5);
                Dessin::Reflet(cr, -12, -20 + 3 * c, 7, 5, 0.6);
            });
        // feu : moitié arrière (rangée 4) et avant (rangée 5)
        for (int c = 0; c <= 9; ++c)
            C(4, c, [&]() {
                if (c == 9)
                {
                    for (int k = 0; k < 6; ++k)
                        Flamme(cr, -20 + 6 * k, -30 + 12 * k, 40 + 8 * (k % 3), 10, -90, Teinte(255, 140, 20), 200);
                    Dessin::Cercle(cr, 0, 0, 40);
                    Dessin::RemplirRadial(cr, 0, 0, 40, Teinte(255, 240, 160, 160), Teinte(255, 100, 0, 60), Teinte(), 0);
                    return;
                }
                Dessin::Cercle(cr, 0, 0, 46);
                Dessin::RemplirRadial(cr, 0, 0, 46, Teinte(255, 230, 120, 140), Teinte(255, 80, 0, 110),
                                      Teinte(255, 120, 0, 200), 2);
                for (int k = 0; k < 7; ++k)
                {
                    double a = -150 + k * 20;
                    double l = 20 + 10 * std::fabs(std::sin(c * 0.7 + k * 1.3));
                    double rr = 40;
                    Flamme(cr, rr * std::cos(a * M_PI / 180), rr * std::sin(a * M_PI / 180), l, 8, a + 90,
                           Teinte(255, 150, 30), 220);
                }
            });
        for (int c = 0; c <= 8; ++c)
            C(5, c, [&]() {
                for (int k = 0; k < 6; ++k)
                {
                    double a = 20 + k * 28;
                    double l = 14 + 10 * std::fabs(std::sin(c * 0.9 + k * 1.7));
                    Flamme(cr, 44 * std::cos(a * M_PI / 180), 44 * std::sin(a * M_PI / 180), l, 7, a + 90,
                           Teinte(255, 200, 60), 230);
                }
                cairo_arc(cr, 0, 0, 44, 10 * M_PI / 180, 170 * M_PI / 180);
                Dessin::Tracer(cr, Teinte(255, 240, 150, 220), 3);
            });
        // feu pendant le tir horizontal : comète vers la droite
        for (int c = 0; c <= 3; ++c)
            C(6, c, [&]() {
                for (int k = 0; k < 7; ++k)
                    Flamme(cr, 20 - 8 * k, -24 + 8 * k, 50 + 10 * c + 6 * (k % 2), 11, -90, Teinte(255, 120 + 15 * c, 20), 210);
                Dessin::Ellipse(cr, 6, 0, 44, 38, 0);
                Dessin::RemplirRadial(cr, 6, 0, 44, Teinte(255, 250, 200, 190), Teinte(255, 90, 0, 80),
                                      Teinte(255, 140, 0, 220), 2);
            });
        // électrique au repos
        for (int c = 0; c <= 9; ++c)
            C(7, c, [&]() {
                Dessin::Cercle(cr, 0, 0, 45);
                Dessin::RemplirRadial(cr, 0, 0, 46, Teinte(255, 255, 200, 40), Teinte(255, 230, 40, 110),
                                      Teinte(255, 250, 170, 240), 2.5);
                for (int k = 0; k < 3; ++k)
                    Eclair(cr, c * 0.7 + k * 2.1, 12, 44, 6, c + k, Teinte(255, 255, 255, 230), 2);
                Dessin::Reflet(cr, -16, -20, 9, 4, 0.6);
            });
        // éclatement du double saut
        for (int c = 0; c <= 2; ++c)
            C(8, c, [&]() {
                double r = 46 + 10 * c;
                Dessin::Cercle(cr, 0, 0, r);
                Dessin::Tracer(cr, Teinte(255, 250, 150, 230 - 50 * c), 6 - c);
                for (int k = 0; k < 8; ++k)
                    Eclair(cr, k * M_PI / 4 + c * 0.2, r - 12, r + 10, 4, k, Teinte(255, 255, 255, 230), 2);
            });
        // étincelles
        for (int c = 8; c <= 9; ++c)
            C(8, c, [&]() {
                double r = c == 8 ? 14 : 9;
                Dessin::Etoile(cr, 0, 0, r, r * 0.3, 4, (c - 8) * 45);
                Dessin::Remplir(cr, Teinte(255, 255, 180), Teinte(255, 200, 0), 1.5);
            });
        // étoiles d'invincibilité
        for (int c = 0; c <= 6; ++c)
            C(11, c, [&]() {
                double r = 5 + 9 * std::sin(M_PI * (c + 0.6) / 7.2);
                Dessin::Etoile(cr, 0, 0, r, r * 0.4, 5, c * 10);
                Dessin::Remplir(cr, Teinte(255, 255, 160), Teinte(255, 150, 0), 1.5);
                Dessin::Cercle(cr, 0, 0, r * 0.3);
                Dessin::Source(cr, Teinte(255, 255, 255));
                cairo_fill(cr);
            });
        C(11, 11, [&]() {
            Dessin::Etoile(cr, 0, 0, 4, 1.5, 4, 0);
            Dessin::Remplir(cr, Teinte(255, 255, 220), Teinte(255, 180, 0), 1);
        });
    };
    return pl;
}
