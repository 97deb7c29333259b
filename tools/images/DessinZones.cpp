#include "DessinZones.h"

#include "Dessin.h"

#include <cmath>

namespace
{
Planche Nouvelle(const std::string& chemin, int l, int h, int lc, int hc, const std::string& famille)
{
    Planche p;
    p.chemin = chemin;
    p.famille = famille;
    p.largeur = l;
    p.hauteur = h;
    p.largeurCadre = lc;
    p.hauteurCadre = hc;
    if (lc == 0)
        p.Rect(0, 0, l, h);
    return p;
}

// bande d'eau de hauteur h, motif répété tous les 256 px, scintillement selon la colonne
void BandeEau(cairo_t* cr, double y, double h, int rang, int colonne)
{
    double f = rang / 9.0; // 0 loin, 1 près
    Teinte haut(40 + 60 * (1 - f), 150 + 60 * (1 - f), 255);
    Teinte bas(20 + 30 * (1 - f), 110 + 60 * (1 - f), 230);
    cairo_rectangle(cr, 0, y, 256, h);
    Dessin::RemplirDegrade(cr, haut, bas, y, y + h, Teinte(), 0);
    for (int k = 0; k < 8; ++k)
    {
        double x = std::fmod(k * 37.0 + rang * 19 + colonne * 9, 256.0);
        double yy = y + 2 + std::fmod(k * 5.0 + rang, h - 4);
        double l = 6 + (k % 3) * 5 + 4 * f;
        double a = (k + colonne) % 4 == 0 ? 255 : 150;
        for (int dx : {-256, 0, 256})
        {
            cairo_move_to(cr, x + dx, yy);
            cairo_line_to(cr, x + dx + l, yy);
        }
        Dessin::Tracer(cr, Teinte(230, 250, 255, a), 1.5);
    }
}

void Nuage(cairo_t* cr, double x, double y, double l)
{
    // contour commun puis remplissage : un seul trait autour du nuage
    auto Chemin = [&]() {
        for (int k = 0; k < 5; ++k)
        {
            double cx = x + l * (k - 2) / 5.0, r = l * (k == 2 ? 0.22 : 0.16);
            Dessin::Cercle(cr, cx, y - (k == 2 ? r * 0.5 : 0), r);
        }
        Dessin::Ellipse(cr, x, y + l * 0.06, l * 0.45, l * 0.1, 0);
    };
    Chemin();
    Dessin::Tracer(cr, Teinte(170, 200, 240), 4);
    // remplissage opaque : il recouvre les arcs intérieurs du trait
    Chemin();
    Dessin::Source(cr, Teinte(255, 255, 255));
    cairo_fill(cr);
    // ombre douce sous le nuage
    cairo_save(cr);
    Chemin();
    cairo_clip(cr);
    Dessin::Ellipse(cr, x, y + l * 0.16, l * 0.52, l * 0.12, 0);
    Dessin::Source(cr, Teinte(228, 238, 252));
    cairo_fill(cr);
    cairo_restore(cr);
}

void Etoiles(cairo_t* cr, int l, int h, int n, double alpha)
{
    for (int k = 0; k < n; ++k)
    {
        double x = Dessin::Hasard() * l, y = Dessin::Hasard() * h, r = 0.4 + Dessin::Hasard() * 1.3;
        Dessin::Cercle(cr, x, y, r);
        cairo_set_source_rgba(cr, 1, 1, 0.9 + 0.1 * Dessin::Hasard(), alpha * (0.4 + 0.6 * Dessin::Hasard()));
        cairo_fill(cr);
    }
}
} // namespace

std::vector<Planche> DessinZones::ArrierePlans(int zone)
{
    std::vector<Planche> t;
    const std::string d = "png/game/zones/" + std::to_string(zone) + "/background/";
    const std::string fam = "zone" + std::to_string(zone);
    if (zone == 1)
    {
        // bandes d'eau : hauts 0, 8, 17, 26, 36, 46, 57, 68, 80 (14 px) et 93 (16 px)
        Planche e = Nouvelle(d + "eau.png", 1024, 112, 256, 0, fam);
        const int hauts[10] = {0, 8, 17, 26, 36, 46, 57, 68, 80, 93};
        for (int i = 0; i < 10; ++i)
            for (int c = 0; c < 4; ++c)
                e.Rect(256 * c, hauts[i], 256, i == 9 ? 16 : 14);
        e.largeurCadre = 0;
        e.dessiner = [hauts](cairo_t* cr) {
            for (int c = 0; c < 4; ++c)
            {
                cairo_save(cr);
                cairo_rectangle(cr, 256 * c, 0, 256, 112);
                cairo_clip(cr);
                cairo_translate(cr, 256 * c, 0);
                for (int i = 0; i < 10; ++i)
                    BandeEau(cr, hauts[i], (i == 9 ? 19 : hauts[i + 1] - hauts[i]), i, c);
                cairo_restore(cr);
            }
        };
        t.push_back(e);
        // côte lointaine : 4 images de 48 px, l'écume bouge
        Planche p1 = Nouvelle(d + "plan_1.png", 1792, 192, 1792, 48, fam);
        p1.Ligne(0, 0, 0).Ligne(1, 0, 0).Ligne(2, 0, 0).Ligne(3, 0, 0);
        p1.dessiner = [](cairo_t* cr) {
            for (int l = 0; l < 4; ++l)
                DansCellule(cr, 1792, 48, l, 0, 0, 0, [&]() {
                    // îles et falaises vertes, horizontales et répétables
                    auto Colline = [](double x) {
                        return 30 - 12 * std::pow(std::fabs(std::sin(x * M_PI / 448.0)), 3)
                               - 8 * std::pow(std::fabs(std::sin(x * M_PI / 256.0 + 1)), 4);
                    };
                    cairo_move_to(cr, 0, 48);
                    for (int x = 0; x <= 1792; x += 8)
                        cairo_line_to(cr, x, Colline(x));
                    cairo_line_to(cr, 1792, 48);
                    cairo_close_path(cr);
                    Dessin::RemplirDegrade(cr, Teinte(90, 190, 90), Teinte(40, 120, 70), 10, 40, Teinte(30, 80, 50), 1.5);
                    // plage au pied des collines
                    cairo_move_to(cr, 0, 40);
                    for (int x = 0; x <= 1792; x += 16)
                        cairo_line_to(cr, x, 35 + 2 * std::sin(x * M_PI / 128.0));
                    cairo_line_to(cr, 1792, 40);
                    cairo_close_path(cr);
                    Dessin::Remplir(cr, Teinte(250, 226, 150), Teinte(200, 160, 90), 1);
                    // palmiers, plus serrés, de tailles variées
                    for (int k = 0; k < 14; ++k)
                    {
                        double x = 40 + 128 * k + (k % 3) * 22;
                        double sol = Colline(x) + 2, h = 14 + (k % 2) * 5;
                        double tx = x + 5, ty = sol - h;
                        cairo_move_to(cr, x, sol);
                        cairo_curve_to(cr, x + 1, sol - h * 0.4, x + 3, sol - h * 0.8, tx, ty);
                        Dessin::Tracer(cr, Teinte(60, 36, 16), 3.5);
                        cairo_move_to(cr, x, sol);
                        cairo_curve_to(cr, x + 1, sol - h * 0.4, x + 3, sol - h * 0.8, tx, ty);
                        Dessin::Tracer(cr, Teinte(150, 100, 50), 2);
                        // palmes retombantes
                        for (int passe = 0; passe < 2; ++passe)
                        {
                            for (int f = 0; f < 5; ++f)
                            {
                                double a = (-170 + 40 * f) * M_PI / 180;
                                cairo_move_to(cr, tx, ty);
                                cairo_curve_to(cr, tx + 7 * std::cos(a), ty + 7 * std::sin(a) - 2,
                                               tx + 10 * std::cos(a), ty + 8 * std::sin(a),
                                               tx + 12 * std::cos(a), ty + 8 * std::sin(a) + 4);
                            }
                            Dessin::Tracer(cr, passe ? Teinte(70, 190, 70) : Teinte(20, 80, 30), passe ? 2 : 3.5);
                        }
                    }
                    // écume au pied des îles
                    cairo_rectangle(cr, 0, 40, 1792, 8);
                    Dessin::Source(cr, Teinte(70, 170, 250));
                    cairo_fill(cr);
                    for (int x = 0; x < 1792; x += 24)
                    {
                        double o = ((x / 24 + l) % 4) * 5;
                        cairo_move_to(cr, x + o, 41 + (x / 24 % 2) * 3);
                        cairo_line_to(cr, x + o + 10, 41 + (x / 24 % 2) * 3);
                    }
                    Dessin::Tracer(cr, Teinte(240, 255, 255), 1.5);
                });
        };
        t.push_back(p1);
        Planche p2 = Nouvelle(d + "plan_2.png", 1792, 128, 1792, 128, fam);
        p2.Ligne(0, 0, 0);
        p2.dessiner = [](cairo_t* cr) {
            // montagnes bleutées lointaines
            for (int couche = 0; couche < 2; ++couche)
            {
                cairo_move_to(cr, 0, 128);
                for (int x = 0; x <= 1792; x += 8)
                {
                    double y = (couche ? 70 : 40) - 30 * std::fabs(std::sin(x * M_PI / (couche ? 224.0 : 896.0) + couche))
                               - 10 * std::sin(x * M_PI / 64.0);
                    cairo_line_to(cr, x, y + 20);
                }
                cairo_line_to(cr, 1792, 128);
                cairo_close_path(cr);
                Teinte c = couche ? Teinte(110, 170, 200) : Teinte(150, 200, 230);
                Dessin::RemplirDegrade(cr, c, c.Sombre(0.1), 0, 128, c.Sombre(0.3), 1.2);
            }
        };
        t.push_back(p2);
        Planche n = Nouvelle(d + "nuages.png", 1024, 256, 0, 0, fam);
        n.dessiner = [](cairo_t* cr) {
            const double c[][3] = {{120, 80, 180}, {420, 150, 240}, {700, 70, 160}, {900, 190, 200}, {250, 210, 140}};
            for (auto& q : c)
                for (int dx : {-1024, 0, 1024})
                    Nuage(cr, q[0] + dx, q[1], q[2]);
        };
        t.push_back(n);
    }
    else if (zone == 2)
    {
        Planche f = Nouvelle(d + "background.png", 640, 480, 0, 0, fam);
        f.opaque = true;
        f.dessiner = [](cairo_t* cr) {
            cairo_rectangle(cr, 0, 0, 640, 480);
            Dessin::RemplirDegrade(cr, Teinte(6, 8, 28), Teinte(30, 10, 50), 0, 480, Teinte(), 0);
            Etoiles(cr, 640, 480, 260, 1);
            // nébuleuse
            for (int k = 0; k < 5; ++k)
            {
                double x = 100 + 110 * k, y = 120 + 60 * std::sin(k * 1.7);
                cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, 120);
                cairo_pattern_add_color_stop_rgba(g, 0, 0.5, 0.2, 0.7, 0.25);
                cairo_pattern_add_color_stop_rgba(g, 1, 0.2, 0.1, 0.4, 0);
                cairo_set_source(cr, g);
                cairo_paint(cr);
                cairo_pattern_destroy(g);
            }
            // silhouette de la station au loin
            cairo_rectangle(cr, 0, 400, 640, 80);
            Dessin::Source(cr, Teinte(16, 18, 34));
            cairo_fill(cr);
            for (int k = 0; k < 8; ++k)
            {
                double x = 20 + 80 * k, h = 30 + 25 * ((k * 5) % 3);
                cairo_rectangle(cr, x, 400 - h, 40, h);
                Dessin::Source(cr, Teinte(20, 22, 42));
                cairo_fill(cr);
                for (int j = 0; j < 3; ++j)
                {
                    cairo_rectangle(cr, x + 6 + 11 * j, 410 - h, 6, 4);
                    Dessin::Source(cr, Teinte(120, 230, 255, 180));
                    cairo_fill(cr);
                }
            }
        };
        t.push_back(f);
        Planche g = Nouvelle(d + "galaxie_xxl.png", 640, 640, 0, 0, fam);
        g.dessiner = [](cairo_t* cr) {
            cairo_translate(cr, 320, 320);
            cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 300);
            cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.95, 0.8, 0.95);
            cairo_pattern_add_color_stop_rgba(p, 0.15, 0.9, 0.6, 0.9, 0.5);
            cairo_pattern_add_color_stop_rgba(p, 1, 0.2, 0.2, 0.6, 0);
            cairo_set_source(cr, p);
            cairo_paint(cr);
            cairo_pattern_destroy(p);
            // bras spiraux
            for (int b = 0; b < 2; ++b)
                for (int k = 0; k < 400; ++k)
                {
                    double t = k / 400.0;
                    double a = b * M_PI + t * 3.2 * M_PI;
                    double r = 20 + 270 * t;
                    double x = r * std::cos(a) + (Dessin::Hasard() - 0.5) * 30 * t;
                    double y = 0.55 * (r * std::sin(a) + (Dessin::Hasard() - 0.5) * 30 * t);
                    Dessin::Cercle(cr, x, y, 1 + 3 * (1 - t) * Dessin::Hasard());
                    cairo_set_source_rgba(cr, 0.8 + 0.2 * t, 0.7, 1, 0.7 * (1 - t) + 0.1);
                    cairo_fill(cr);
                }
        };
        t.push_back(g);
    }
    else
    {
        Planche f = Nouvelle(d + "background.png", 640, 480, 0, 0, fam);
        f.opaque = true;
        f.dessiner = [](cairo_t* cr) {
            cairo_rectangle(cr, 0, 0, 640, 480);
            Dessin::RemplirDegrade(cr, Teinte(10, 0, 18), Teinte(40, 6, 40), 0, 480, Teinte(), 0);
            // grille qui fuit vers l'horizon
            for (int k = -12; k <= 12; ++k)
            {
                cairo_move_to(cr, 320, 240);
                cairo_line_to(cr, 320 + k * 80, 480);
            }
            for (int k = 1; k < 8; ++k)
            {
                double y = 240 + 240 * std::pow(k / 8.0, 2);
                cairo_move_to(cr, 0, y);
                cairo_line_to(cr, 640, y);
            }
            Dessin::Tracer(cr, Teinte(160, 40, 200, 70), 1.5);
            // formes flottantes
            for (int k = 0; k < 14; ++k)
            {
                double x = Dessin::Hasard() * 640, y = Dessin::Hasard() * 230, r = 6 + Dessin::Hasard() * 18;
                cairo_save(cr);
                cairo_translate(cr, x, y);
                cairo_rotate(cr, Dessin::Hasard() * 3);
                Dessin::Polygone(cr, {0, -r, r * 0.6, 0, 0, r, -r * 0.6, 0});
                Dessin::Remplir(cr, Teinte(80, 20, 110, 170), Teinte(230, 80, 255, 200), 1.5);
                cairo_restore(cr);
            }
            // grand oeil pâle
            Dessin::Ellipse(cr, 470, 110, 60, 24, 0);
            Dessin::Remplir(cr, Teinte(60, 10, 60, 160), Teinte(255, 120, 230, 150), 2);
            Dessin::Cercle(cr, 470, 110, 14);
            Dessin::Remplir(cr, Teinte(250, 220, 90, 170), Teinte(), 0);
            Dessin::Ellipse(cr, 470, 110, 4, 12, 0);
            Dessin::Remplir(cr, Teinte(10, 0, 10, 220), Teinte(), 0);
            Etoiles(cr, 640, 240, 80, 0.5);
        };
        t.push_back(f);
    }
    return t;
}

std::vector<Planche> DessinZones::Decors()
{
    std::vector<Planche> t;
    const std::string d = "png/game/zones/1/decors/";
    const Teinte TRAIT(40, 24, 10);
    {
        Planche p = Nouvelle(d + "cascade.png", 512, 256, 128, 256, "decors");
        p.Ligne(0, 0, 3);
        p.dessiner = [](cairo_t* cr) {
            for (int c = 0; c < 4; ++c)
                DansCellule(cr, 128, 256, 0, c, 0, 0, [&]() {
                    // fond : dégradé symétrique en largeur, uni en hauteur, pour se répéter sans couture
                    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 128, 0);
                    cairo_pattern_add_color_stop_rgba(g, 0, 60 / 255.0, 150 / 255.0, 250 / 255.0, 0.85);
                    cairo_pattern_add_color_stop_rgba(g, 0.5, 130 / 255.0, 205 / 255.0, 1, 0.85);
                    cairo_pattern_add_color_stop_rgba(g, 1, 60 / 255.0, 150 / 255.0, 250 / 255.0, 0.85);
                    cairo_rectangle(cr, 0, 0, 128, 256);
                    cairo_set_source(cr, g);
                    cairo_fill(cr);
                    cairo_pattern_destroy(g);
                    // filets d'eau qui descendent (période 64 en hauteur : les tuiles s'empilent)
                    for (int k = 0; k < 10; ++k)
                    {
                        double x = 6 + 12.4 * k;
                        for (int j = -1; j < 5; ++j)
                        {
                            double y = j * 64 + std::fmod(k * 23.0 + c * 16, 64.0);
                            cairo_move_to(cr, x, y);
                            cairo_line_to(cr, x, y + 26);
                        }
                    }
                    Dessin::Tracer(cr, Teinte(235, 250, 255, 200), 2.5);
                });
        };
        t.push_back(p);
    }
    auto Entiere = [&](const std::string& nom, int l, int h, double ox, double oy, std::function<void(cairo_t*)> f) {
        Planche p = Nouvelle(d + nom, l, h, 0, 0, "decors");
        p.dessiner = [=](cairo_t* cr) { cairo_translate(cr, ox, oy); f(cr); };
        t.push_back(p);
    };
    Entiere("rocher.png", 92, 96, 46, 47, [=](cairo_t* cr) {
        Dessin::Polygone(cr, {-28, -44, 28, -44, 32, -40, 32, 48, -32, 48, -32, -40});
        Dessin::RemplirDegrade(cr, Teinte(180, 170, 160), Teinte(110, 100, 96), -44, 48, TRAIT, 2.5);
        cairo_move_to(cr, -20, -30);
        cairo_line_to(cr, -6, -10);
        cairo_line_to(cr, -14, 20);
        cairo_move_to(cr, 12, -40);
        cairo_line_to(cr, 20, 0);
        Dessin::Tracer(cr, Teinte(80, 70, 66), 2);
        // herbe sur le dessus, coins chanfreinés comme le bloc
        Dessin::Polygone(cr, {-28, -44, 28, -44, 32, -40, 32, -36, -32, -36, -32, -40});
        Dessin::Source(cr, Teinte(90, 190, 70));
        cairo_fill(cr);
    });
    Entiere("totem.png", 96, 128, 48, 64, [=](cairo_t* cr) {
        for (int k = 0; k < 3; ++k)
        {
            double y = -60 + 40 * k;
            Dessin::RectArrondi(cr, -30, y, 60, 40, 8);
            Teinte c = k == 0 ? Teinte(240, 120, 60) : (k == 1 ? Teinte(60, 170, 210) : Teinte(240, 200, 70));
            Dessin::Remplir(cr, c, TRAIT, 2.5);
            for (int s = -1; s <= 1; s += 2)
            {
                Dessin::Ellipse(cr, 12 * s, y + 14, 6, 5, 0);
                Dessin::Remplir(cr, Teinte(255, 255, 255), TRAIT, 1.5);
                Dessin::Cercle(cr, 12 * s, y + 15, 2.5);
                Dessin::Remplir(cr, TRAIT, TRAIT, 0);
            }
            cairo_move_to(cr, -10, y + 30);
            cairo_line_to(cr, 10, y + 30);
            Dessin::Tracer(cr, TRAIT, 3);
        }
        Dessin::Polygone(cr, {-46, -52, -30, -58, -30, -40});
        Dessin::Remplir(cr, Teinte(240, 120, 60), TRAIT, 2);
        Dessin::Polygone(cr, {46, -52, 30, -58, 30, -40});
        Dessin::Remplir(cr, Teinte(240, 120, 60), TRAIT, 2);
    });
    Entiere("feuilles.png", 64, 48, 32, 24, [=](cairo_t* cr) {
        for (int k = 0; k < 5; ++k)
        {
            double a = -M_PI + k * M_PI / 4;
            cairo_save(cr);
            cairo_rotate(cr, a + M_PI / 2);
            Dessin::Ellipse(cr, 0, -12, 7, 13, 0);
            Dessin::RemplirDegrade(cr, Teinte(120, 220, 80), Teinte(40, 140, 50), -24, 0, Teinte(20, 70, 20), 1.8);
            cairo_restore(cr);
        }
    });
    Entiere("corail.png", 144, 96, 72, 48, [=](cairo_t* cr) {
        // dessiné clair : le niveau le teinte
        std::function<void(double, double, double, double, int)> Branche = [&](double x, double y, double a, double l, int n) {
            double x2 = x + l * std::cos(a), y2 = y - l * std::sin(a);
            Dessin::Membre(cr, x, y, x2, y2, 2 + n * 2.5, Teinte(250, 248, 245), Teinte(150, 140, 150));
            if (n > 0)
            {
                Branche(x2, y2, a + 0.45, l * 0.72, n - 1);
                Branche(x2, y2, a - 0.4, l * 0.7, n - 1);
            }
        };
        Branche(0, 46, M_PI / 2, 30, 3);
        Branche(-30, 46, M_PI / 2 + 0.3, 20, 2);
        Branche(34, 46, M_PI / 2 - 0.3, 22, 2);
    });
    Entiere("baleine_bleu.png", 768, 128, 384, 64, [=](cairo_t* cr) {
        cairo_move_to(cr, -340, 0);
        cairo_curve_to(cr, -300, -56, 200, -64, 300, -10);
        cairo_curve_to(cr, 330, 10, 300, 50, 200, 52);
        cairo_curve_to(cr, 0, 60, -250, 40, -340, 0);
        cairo_close_path(cr);
        Dessin::RemplirDegrade(cr, Teinte(70, 130, 220), Teinte(30, 70, 160), -60, 60, Teinte(10, 30, 70), 3);
        // ventre clair et plis
        cairo_save(cr);
        cairo_move_to(cr, -340, 0);
        cairo_curve_to(cr, -300, -56, 200, -64, 300, -10);
        cairo_curve_to(cr, 330, 10, 300, 50, 200, 52);
        cairo_curve_to(cr, 0, 60, -250, 40, -340, 0);
        cairo_clip(cr);
        cairo_move_to(cr, -300, 20);
        cairo_curve_to(cr, -100, 30, 150, 30, 310, 6);
        cairo_line_to(cr, 310, 80);
        cairo_line_to(cr, -300, 80);
        cairo_close_path(cr);
        Dessin::Source(cr, Teinte(190, 215, 245));
        cairo_fill(cr);
        for (int k = 0; k < 4; ++k)
        {
            cairo_move_to(cr, -120 + 40 * k, 34 + 2 * k);
            cairo_curve_to(cr, 0 + 40 * k, 44, 150, 38, 270, 18 + 3 * k);
        }
        Dessin::Tracer(cr, Teinte(120, 150, 200), 1.5);
        cairo_restore(cr);
        // nageoire
        Dessin::Polygone(cr, {90, 30, 40, 62, 60, 34});
        Dessin::Remplir(cr, Teinte(50, 100, 200), Teinte(10, 30, 70), 2.5);
        // évent et jet
        Dessin::Ellipse(cr, 160, -44, 6, 2, 0);
        Dessin::Remplir(cr, Teinte(20, 40, 90), Teinte(), 0);
        Dessin::Polygone(cr, {-336, 0, -380, -40, -372, 0, -380, 40});
        Dessin::Remplir(cr, Teinte(50, 100, 200), Teinte(10, 30, 70), 3);
        Dessin::Cercle(cr, 230, -8, 6);
        Dessin::Remplir(cr, Teinte(20, 20, 30), Teinte(10, 30, 70), 0);
    });
    return t;
}
