#include "DessinObjets.h"

#include "Dessin.h"
#include "Silhouette.h"

#include <cmath>

namespace
{
const Teinte TRAIT(18, 20, 30);
const Teinte ACIER(176, 184, 200);
const Teinte ACIER_F(92, 100, 118);

Planche Nouvelle(const std::string& chemin, int l, int h, int lc, int hc, const std::string& famille = "objets")
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

const std::string Z = "png/game/zones/_/";

void Ressort(cairo_t* cr, int c)
{
    // socle de y 0 à 32, plateau actif à y 0 (au repos) ou relevé
    double haut = c ? -22 : 0;
    Dessin::RectArrondi(cr, -30, 14, 60, 18, 3);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, 14, 32, TRAIT, 2);
    // spire
    int n = 4;
    double y0 = 14, y1 = haut + 8;
    for (int k = 0; k < n; ++k)
    {
        double ya = y0 + (y1 - y0) * k / n, yb = y0 + (y1 - y0) * (k + 1) / n;
        cairo_move_to(cr, -18, ya);
        cairo_line_to(cr, 18, (ya + yb) / 2);
        cairo_line_to(cr, -18, yb);
    }
    Dessin::Tracer(cr, TRAIT, 5);
    for (int k = 0; k < n; ++k)
    {
        double ya = y0 + (y1 - y0) * k / n, yb = y0 + (y1 - y0) * (k + 1) / n;
        cairo_move_to(cr, -18, ya);
        cairo_line_to(cr, 18, (ya + yb) / 2);
        cairo_line_to(cr, -18, yb);
    }
    Dessin::Tracer(cr, Teinte(220, 224, 232), 2.5);
    Dessin::RectArrondi(cr, -31, haut, 62, 9, 3);
    Dessin::RemplirDegrade(cr, Teinte(255, 80, 70), Teinte(190, 20, 30), haut, haut + 9, TRAIT, 2);
    Dessin::Reflet(cr, -16, haut + 2.5, 10, 1.5, 0.6);
    if (c)
        for (int k = -1; k <= 1; ++k)
        {
            cairo_move_to(cr, 12 * k, haut - 4);
            cairo_line_to(cr, 16 * k, haut - 10);
            Dessin::Tracer(cr, Teinte(255, 255, 255, 200), 2);
        }
}

void Pics(cairo_t* cr)
{
    Dessin::Polygone(cr, {-32, 32, -32, 10, 32, 10, 32, 32});
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, 10, 32, TRAIT, 2);
    for (int k = 0; k < 4; ++k)
    {
        double x = -24 + 16 * k;
        Dessin::Polygone(cr, {x - 7.5, 10, x, -31, x + 7.5, 10});
        Dessin::RemplirDegrade(cr, Teinte(245, 248, 255), Teinte(130, 140, 160), -31, 10, TRAIT, 1.8);
        cairo_move_to(cr, x, -29);
        cairo_line_to(cr, x + 3, 8);
        Dessin::Tracer(cr, Teinte(255, 255, 255, 180), 1.2);
    }
}

void Pung(cairo_t* cr)
{
    Dessin::Cercle(cr, 0, 0, 30);
    Dessin::RemplirRadial(cr, 0, 0, 30, Teinte(255, 120, 160), Teinte(200, 20, 80), TRAIT, 2.5);
    Dessin::Cercle(cr, 0, 0, 21);
    Dessin::Remplir(cr, Teinte(255, 255, 255), TRAIT, 2);
    Dessin::Etoile(cr, 0, 0, 15, 7, 5, 0);
    Dessin::Remplir(cr, Teinte(255, 210, 40), TRAIT, 1.8);
    Dessin::Reflet(cr, -12, -14, 8, 3.5, 0.6);
}

void Bloc(cairo_t* cr)
{
    Dessin::Polygone(cr, {-28, -32, 28, -32, 32, -28, 32, 32, -32, 32, -32, -28});
    Dessin::RemplirDegrade(cr, Teinte(210, 170, 110), Teinte(150, 110, 60), -32, 32, TRAIT, 2.5);
    Dessin::RectArrondi(cr, -24, -24, 48, 48, 3);
    Dessin::Tracer(cr, Teinte(110, 80, 40), 2);
    cairo_move_to(cr, -24, -24);
    cairo_line_to(cr, 24, 24);
    cairo_move_to(cr, 24, -24);
    cairo_line_to(cr, -24, 24);
    Dessin::Tracer(cr, Teinte(110, 80, 40), 3);
    for (int k = 0; k < 4; ++k)
    {
        Dessin::Cercle(cr, (k % 2) ? 26 : -26, (k / 2) ? 26 : -26, 2);
        Dessin::Remplir(cr, ACIER, TRAIT, 0.8);
    }
}

void Borne(cairo_t* cr, int c)
{
    // repères discrets : ils passent devant le héros dans la boucle
    Teinte t = c ? Teinte(255, 120, 120, 70) : Teinte(120, 170, 255, 70);
    Dessin::RectArrondi(cr, -2, -30, 4, 60, 2);
    Dessin::Source(cr, Teinte(255, 255, 255, 28));
    cairo_fill(cr);
    for (int k = 0; k < 3; ++k)
    {
        Dessin::Cercle(cr, 0, -20 + 20 * k, 3);
        Dessin::Source(cr, t);
        cairo_fill(cr);
    }
}

void Checkpoint(cairo_t* cr, int c)
{
    // poteau de 128 : du sol (y 64) jusqu'au haut de la lanterne (y -62)
    Dessin::RectArrondi(cr, -14, 54, 28, 10, 3);
    Dessin::Remplir(cr, ACIER_F, TRAIT, 2);
    Dessin::RectArrondi(cr, -4, -36, 8, 92, 3);
    Dessin::RemplirDegrade(cr, Teinte(90, 140, 255), Teinte(40, 70, 170), -36, 56, TRAIT, 2);
    double a = (c == 0) ? 0 : (c - 1) * 2 * M_PI / 16;
    double x = 14 * std::sin(a), z = std::cos(a);
    Teinte lampe = c == 0 ? Teinte(90, 170, 255) : Teinte(255, 80, 60);
    auto Lampe = [&]() {
        cairo_move_to(cr, 0, -40);
        cairo_line_to(cr, x, -50);
        Dessin::Tracer(cr, TRAIT, 3);
        Dessin::Cercle(cr, x, -53, 8);
        Dessin::RemplirRadial(cr, x, -53, 8, lampe.Clair(0.7), lampe, TRAIT, 2);
    };
    if (z < 0) Lampe();
    Dessin::Cercle(cr, 0, -40, 6);
    Dessin::Remplir(cr, ACIER, TRAIT, 2);
    if (z >= 0) Lampe();
    if (c >= 1)
    {
        Dessin::Cercle(cr, x, -53, 11);
        Dessin::Source(cr, lampe.Alpha(60));
        cairo_fill(cr);
    }
}

void Panneau(cairo_t* cr, int ligne, int c)
{
    // poteau et panneau qui tourne ; colonne 4 : le visage du héros
    Dessin::RectArrondi(cr, -3, 8, 6, 42, 2);
    Dessin::Remplir(cr, ACIER_F, TRAIT, 1.8);
    Dessin::RectArrondi(cr, -10, 44, 20, 6, 2);
    Dessin::Remplir(cr, ACIER, TRAIT, 1.5);
    double l = (c == 4 || c == 0) ? 1.0 : std::fabs(std::cos(c * M_PI / 4));
    double w = 30 * l + 2;
    Dessin::Ellipse(cr, 0, -12, w, 30, 0);
    Dessin::RemplirRadial(cr, 0, -12, 30, Teinte(255, 255, 255), Teinte(200, 210, 225), TRAIT, 2.5);
    cairo_save(cr);
    cairo_translate(cr, 0, -12);
    cairo_scale(cr, std::max(l, 0.08), 1);
    if (c == 4)
        Silhouette::Tete(cr, ligne, 0, 2, 19, 30, Pose::OUVERTS, Pose::SOURIRE);
    else if (c == 0 || c == 2)
    {
        // emblème : anneau et étoile
        Dessin::Cercle(cr, 0, 0, 16);
        Dessin::Tracer(cr, Teinte(255, 200, 30), 5);
        Dessin::Etoile(cr, 0, 0, 9, 4, 5, 0);
        Dessin::Remplir(cr, Teinte(255, 120, 40), TRAIT, 1.2);
    }
    else
    {
        Dessin::Cercle(cr, 0, 0, 14);
        Dessin::Remplir(cr, ligne ? Teinte(226, 44, 40) : Teinte(40, 112, 236), TRAIT, 1.5);
    }
    cairo_restore(cr);
}

void Capsule(cairo_t* cr, int c)
{
    // dessus du bouton à y -56 (de x -16 à 16), fût en x 0, fond à y 80
    double enfonce = (c >= 2) ? 5 : 0;
    Dessin::RectArrondi(cr, -5, -50 + enfonce, 10, 16, 2);
    Dessin::Remplir(cr, ACIER_F, TRAIT, 1.5);
    Dessin::RectArrondi(cr, -15, -55 + enfonce, 30, 8, 3);
    Dessin::Remplir(cr, (c == 1) ? Teinte(255, 240, 100) : Teinte(255, 60, 60), TRAIT, 2);
    Dessin::RectArrondi(cr, -66, -36, 132, 116, 22);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, -36, 80, TRAIT, 3);
    if (c < 3)
    {
        Dessin::RectArrondi(cr, -44, -18, 88, 70, 12);
        Dessin::Remplir(cr, Teinte(120, 200, 255, 255), TRAIT, 2.5);
        for (int k = 0; k < 3; ++k)
        {
            Dessin::Cercle(cr, -20 + 20 * k, 20, 7);
            Dessin::Remplir(cr, Teinte(250, 250, 250), Teinte(80, 80, 90), 1.5);
        }
        Dessin::Reflet(cr, -26, -8, 14, 5, 0.5);
    }
    else
    {
        Dessin::RectArrondi(cr, -44, -18, 88, 70, 12);
        Dessin::Remplir(cr, Teinte(30, 34, 46), TRAIT, 2.5);
        Dessin::Polygone(cr, {-44, -18, -70, -40, -70, 40, -44, 52});
        Dessin::Remplir(cr, Teinte(140, 200, 240), TRAIT, 2);
    }
    // voyants qui clignotent en alternance ; gyrophare sur le côté
    for (int k = 0; k < 5; ++k)
    {
        bool allume = (c == 0 && k % 2) || (c == 1 && !(k % 2)) || c == 2;
        Dessin::Cercle(cr, -48 + 24 * k, 68, allume ? 4.5 : 3);
        Dessin::Remplir(cr, allume ? Teinte(255, 220, 60) : Teinte(90, 90, 100), TRAIT, 1);
    }
    for (int s = -1; s <= 1; s += 2)
    {
        bool allume = (c == 0) == (s < 0);
        Dessin::RectArrondi(cr, 54 * s - 6, -30, 12, 14, 4);
        Dessin::Remplir(cr, allume ? Teinte(255, 70, 60) : Teinte(110, 40, 40), TRAIT, 1.5);
        if (allume && c < 2)
        {
            Dessin::Cercle(cr, 54 * s, -23, 13);
            Dessin::Source(cr, Teinte(255, 90, 60, 90));
            cairo_fill(cr);
        }
    }
}

void Portail(cairo_t* cr, int c)
{
    // socle de y -8 à 72, plot à y -24
    Dessin::Polygone(cr, {-44, -8, 44, -8, 48, -4, 48, 72, -48, 72, -48, -4});
    Dessin::RemplirDegrade(cr, Teinte(150, 120, 220), Teinte(70, 50, 130), -8, 72, TRAIT, 2.5);
    for (int k = 0; k < 3; ++k)
    {
        cairo_move_to(cr, -40, 10 + 20 * k);
        cairo_line_to(cr, 40, 10 + 20 * k);
    }
    Dessin::Tracer(cr, Teinte(50, 30, 100), 2);
    Dessin::RectArrondi(cr, -7, -23, 14, 15, 3);
    Dessin::Remplir(cr, Teinte(255, 230, 120), TRAIT, 2);
    // anneau de lumière qui se charge
    double f = c / 4.0;
    Dessin::Ellipse(cr, 0, -30, 40 + 20 * f, 8 + 4 * f, 0);
    Dessin::Tracer(cr, Teinte(180, 255, 255, 90 + 160 * f), 3 + 3 * f);
    for (int k = 0; k < c; ++k)
    {
        double a = k * M_PI / 2 + 0.4;
        Dessin::Etoile(cr, 70 * std::cos(a), -40 - 20 * std::sin(a), 6, 2, 4, 0);
        Dessin::Remplir(cr, Teinte(220, 255, 255), Teinte(80, 200, 255), 1);
    }
}

void Explosion(cairo_t* cr, int l, int c)
{
    double t = (c + 0.5) / 8;
    if (l == 2)
    {
        // feu d'artifice : étincelles colorées
        Teinte cols[3] = {Teinte(255, 80, 200), Teinte(80, 220, 255), Teinte(255, 230, 60)};
        for (int k = 0; k < 12; ++k)
        {
            double a = k * M_PI / 6;
            double r = 6 + 30 * t;
            Dessin::Cercle(cr, r * std::cos(a), r * std::sin(a) + 8 * t * t, 3.5 * (1 - t) + 1);
            Dessin::Remplir(cr, cols[k % 3].Alpha(255 * (1 - t * 0.7)), Teinte(), 0);
        }
        return;
    }
    double R = (l == 3 ? 34 : 28) * std::sin(M_PI * std::min(1.0, t * 1.2)) + 4;
    // fumée
    for (int k = 0; k < 6; ++k)
    {
        double a = k * M_PI / 3 + c * 0.2;
        double r = R * 0.6 + 6 * t;
        Dessin::Cercle(cr, r * std::cos(a), r * std::sin(a) - 6 * t, R * 0.55);
        Dessin::Remplir(cr, Teinte(200, 200, 210, 230 * (1 - t * 0.6)), Teinte(80, 80, 90, 200 * (1 - t)), 1.5);
    }
    if (t < 0.8)
    {
        Teinte feu = l == 1 ? Teinte(120, 220, 255) : Teinte(255, 150, 30);
        Dessin::Etoile(cr, 0, 0, R * (1 - t * 0.5), R * 0.5, 8, c * 12);
        Dessin::Remplir(cr, feu, Teinte(200, 60, 0), 1.5);
        Dessin::Cercle(cr, 0, 0, R * 0.4 * (1 - t));
        Dessin::Source(cr, Teinte(255, 255, 220));
        cairo_fill(cr);
    }
}

void Plouf(cairo_t* cr, int c)
{
    // gerbe qui monte puis retombe (bas du cadre = surface)
    double t = c / 11.0;
    double h = 56 * std::sin(M_PI * std::min(1.0, t * 1.3));
    for (int k = -2; k <= 2; ++k)
    {
        double x = k * 8 * (0.6 + t);
        double hh = h * (1 - 0.25 * std::fabs(k));
        cairo_move_to(cr, x - 4, 0);
        cairo_curve_to(cr, x - 3, -hh * 0.6, x - 1, -hh, x, -hh);
        cairo_curve_to(cr, x + 1, -hh, x + 3, -hh * 0.6, x + 4, 0);
        cairo_close_path(cr);
        Dessin::Remplir(cr, Teinte(200, 240, 255, 220), Teinte(40, 120, 220, 230), 1.5);
        Dessin::Cercle(cr, x * 1.4, -hh - 4 - 10 * t, 2.5);
        Dessin::Remplir(cr, Teinte(220, 250, 255, 230), Teinte(40, 120, 220), 1);
    }
}

Planche Pont(const std::string& dossier, const Teinte& bois, const Teinte& trait)
{
    Planche p = Nouvelle(dossier + "pont_epineux.png", 256, 512, 256, 64, "objets");
    p.Ligne(0, 0, 0);
    for (int l = 1; l < 8; ++l) p.Ligne(l, 0, 0);
    p.dessiner = [bois, trait](cairo_t* cr) {
        for (int l = 0; l < 8; ++l)
            DansCellule(cr, 256, 64, l, 0, 0, 0, [&]() {
                int phase = l / 2;
                double sortie = (l % 2) ? 0.7 : 1.0;
                // pointes : celles de la colonne de phase sont sorties
                for (int col = 0; col < 4; ++col)
                    for (int k = 0; k < 3; ++k)
                    {
                        double x = 64 * col + 12 + 20 * k;
                        double h = (col == phase) ? 22 * sortie : 4;
                        Dessin::Polygone(cr, {x - 6, 24, x, 24 - h, x + 6, 24});
                        Dessin::RemplirDegrade(cr, Teinte(245, 248, 255), ACIER_F, 24 - h, 24, TRAIT, 1.5);
                    }
                // tablier
                cairo_rectangle(cr, 0, 24, 256, 16);
                Dessin::RemplirDegrade(cr, bois, bois.Sombre(0.4), 24, 40, trait, 2);
                for (int col = 0; col < 4; ++col)
                {
                    cairo_move_to(cr, 64 * col + 1, 25);
                    cairo_line_to(cr, 64 * col + 1, 39);
                    Dessin::Cercle(cr, 64 * col + 32, 32, 2.5);
                }
                Dessin::Tracer(cr, trait, 1.5);
            });
    };
    return p;
}
} // namespace

std::vector<Planche> DessinObjets::Communs()
{
    std::vector<Planche> t;
    auto Grille = [&](const std::string& nom, int l, int h, int lc, int hc, int ligne0, int ligne1, int n,
                      double ox, double oy, std::function<void(cairo_t*, int, int)> f, int premier = 0) {
        Planche p = Nouvelle(Z + nom, l, h, lc, hc);
        for (int li = ligne0; li <= ligne1; ++li)
            p.Ligne(li, premier, n - 1);
        p.dessiner = [=](cairo_t* cr) {
            for (int li = ligne0; li <= ligne1; ++li)
                for (int c = 0; c < n; ++c)
                    DansCellule(cr, lc, hc, li, c, ox, oy, [&]() { f(cr, li, c); });
        };
        t.push_back(p);
    };
    auto Entiere = [&](const std::string& nom, int l, int h, double ox, double oy, std::function<void(cairo_t*)> f) {
        Planche p = Nouvelle(Z + nom, l, h, 0, 0);
        p.dessiner = [=](cairo_t* cr) { cairo_translate(cr, ox, oy); f(cr); };
        t.push_back(p);
    };
    Grille("ressort.png", 128, 64, 64, 64, 0, 0, 2, 32, 32, [](cairo_t* cr, int, int c) { Ressort(cr, c); });
    Entiere("pics.png", 64, 64, 32, 32, Pics);
    Entiere("pung.png", 64, 64, 32, 32, Pung);
    Grille("bloc.png", 64, 64, 64, 64, 0, 0, 1, 32, 32, [](cairo_t* cr, int, int) { Bloc(cr); });
    Grille("bornes.png", 32, 64, 16, 64, 0, 0, 2, 8, 32, [](cairo_t* cr, int, int c) { Borne(cr, c); });
    Grille("checkpoint.png", 1360, 128, 80, 128, 0, 0, 17, 40, 64, [](cairo_t* cr, int, int c) { Checkpoint(cr, c); });
    Grille("fin_level.png", 500, 200, 100, 100, 0, 1, 5, 50, 50, [](cairo_t* cr, int l, int c) { Panneau(cr, l, c); });
    Grille("fin_zone.png", 640, 160, 160, 160, 0, 0, 4, 80, 80, [](cairo_t* cr, int, int c) { Capsule(cr, c); });
    Grille("portail.png", 1040, 144, 208, 144, 0, 0, 5, 104, 72, [](cairo_t* cr, int, int c) { Portail(cr, c); });
    {
        Planche p = Nouvelle(Z + "lueur.png", 96, 82, 96, 2);
        for (int r = 0; r <= 40; ++r) p.Rect(0, 2 * r, 96, 2);
        p.dessiner = [](cairo_t* cr) {
            for (int r = 0; r <= 40; ++r)
            {
                // le faisceau s'élargit en palpitant
                double w = 6 + 36.0 * r / 40 + 6 * std::sin(r * 1.7);
                cairo_pattern_t* g = cairo_pattern_create_linear(48 - w, 0, 48 + w, 0);
                cairo_pattern_add_color_stop_rgba(g, 0, 0.6, 1, 1, 0);
                cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, 0.35 + 0.6 * r / 40);
                cairo_pattern_add_color_stop_rgba(g, 1, 0.6, 1, 1, 0);
                cairo_set_source(cr, g);
                cairo_rectangle(cr, 48 - w, 2 * r, 2 * w, 2);
                cairo_fill(cr);
                cairo_pattern_destroy(g);
            }
        };
        t.push_back(p);
    }
    Entiere("bassin_eau.png", 64, 64, 0, 0, [](cairo_t* cr) {
        cairo_rectangle(cr, 0, 0, 64, 64);
        Dessin::RemplirDegrade(cr, Teinte(60, 160, 255, 110), Teinte(20, 70, 200, 150), 0, 64, Teinte(), 0);
        for (int k = 0; k < 3; ++k)
        {
            cairo_move_to(cr, 0, 14 + 20 * k);
            cairo_curve_to(cr, 21, 10 + 20 * k, 43, 18 + 20 * k, 64, 14 + 20 * k);
            Dessin::Tracer(cr, Teinte(200, 240, 255, 50), 2);
        }
    });
    Grille("surface_eau.png", 256, 32, 64, 32, 0, 0, 4, 0, 0, [](cairo_t* cr, int, int c) {
        double ph = c * M_PI / 2;
        cairo_move_to(cr, 0, 32);
        for (int x = 0; x <= 64; x += 2)
            cairo_line_to(cr, x, 10 + 2.5 * std::sin(x * M_PI / 32 + ph));
        cairo_line_to(cr, 64, 32);
        cairo_close_path(cr);
        Dessin::RemplirDegrade(cr, Teinte(140, 210, 255, 170), Teinte(60, 160, 255, 110), 6, 32, Teinte(), 0);
        cairo_move_to(cr, 0, 10 + 2.5 * std::sin(ph));
        for (int x = 0; x <= 64; x += 2)
            cairo_line_to(cr, x, 10 + 2.5 * std::sin(x * M_PI / 32 + ph));
        Dessin::Tracer(cr, Teinte(240, 255, 255, 230), 2);
        Dessin::Cercle(cr, std::fmod(16 + 12 * c, 64), 16, 1.5);
        Dessin::Source(cr, Teinte(255, 255, 255, 200));
        cairo_fill(cr);
    });
    Grille("plouf.png", 768, 64, 64, 64, 0, 0, 12, 32, 64, [](cairo_t* cr, int, int c) { Plouf(cr, c); });
    Grille("source_bulles.png", 96, 32, 32, 32, 0, 0, 3, 16, 16, [](cairo_t* cr, int, int c) {
        Dessin::Polygone(cr, {-12, 16, -8, 6, 8, 6, 12, 16});
        Dessin::Remplir(cr, Teinte(120, 110, 100), TRAIT, 1.5);
        for (int k = 0; k < 3; ++k)
        {
            double y = 2 - ((c + k) % 3) * 6;
            Dessin::Cercle(cr, -4 + 4 * k, y, 2 + k * 0.6);
            Dessin::Remplir(cr, Teinte(200, 240, 255, 150), Teinte(240, 255, 255), 1);
        }
    });
    Entiere("bassin_lave.png", 64, 64, 0, 0, [](cairo_t* cr) {
        cairo_rectangle(cr, 0, 0, 64, 64);
        Dessin::RemplirDegrade(cr, Teinte(255, 140, 20), Teinte(200, 40, 10), 0, 64, Teinte(), 0);
        const double b[][3] = {{12, 20, 6}, {40, 12, 5}, {52, 44, 7}, {20, 50, 5}};
        for (auto& q : b)
        {
            Dessin::Ellipse(cr, q[0], q[1], q[2] * 1.4, q[2], 0);
            Dessin::Remplir(cr, Teinte(150, 30, 10, 200), Teinte(), 0);
        }
    });
    Grille("surface_lave.png", 192, 32, 64, 32, 0, 0, 3, 0, 0, [](cairo_t* cr, int, int c) {
        cairo_move_to(cr, 0, 32);
        for (int x = 0; x <= 64; x += 2)
            cairo_line_to(cr, x, 26 + 2 * std::sin(x * M_PI / 16 + c * 2.1));
        cairo_line_to(cr, 64, 32);
        cairo_close_path(cr);
        Dessin::Remplir(cr, Teinte(255, 200, 60), Teinte(255, 90, 0), 1.5);
        double x = 14 + 18 * c;
        Dessin::Cercle(cr, x, 22 - 4 * c, 3 + c);
        Dessin::Remplir(cr, Teinte(255, 160, 40), Teinte(200, 60, 0), 1.2);
    });
    Grille("explosions.png", 640, 320, 80, 80, 0, 3, 8, 40, 40, [](cairo_t* cr, int l, int c) { Explosion(cr, l, c); });
    return t;
}

std::vector<Planche> DessinObjets::DeZone(int zone)
{
    std::vector<Planche> t;
    const std::string d = "png/game/zones/" + std::to_string(zone) + "/objets/";
    const std::string fam = "zone" + std::to_string(zone);
    Teinte bois = zone == 1 ? Teinte(196, 130, 70) : (zone == 2 ? Teinte(150, 160, 182) : Teinte(120, 60, 150));
    Teinte trait = zone == 1 ? Teinte(60, 30, 10) : TRAIT;
    Planche pe = Pont(d, bois, trait);
    pe.famille = fam;
    t.push_back(pe);
    auto Entiere = [&](const std::string& nom, int l, int h, double ox, double oy, std::function<void(cairo_t*)> f) {
        Planche p = Nouvelle(d + nom, l, h, 0, 0, fam);
        p.dessiner = [=](cairo_t* cr) { cairo_translate(cr, ox, oy); f(cr); };
        t.push_back(p);
    };
    Entiere("pont_marche.png", 32, 16, 0, 0, [=](cairo_t* cr) {
        Dessin::RectArrondi(cr, 1, 0.5, 30, 14, 3);
        Dessin::RemplirDegrade(cr, bois.Clair(0.15), bois.Sombre(0.3), 0, 14, trait, 1.8);
        cairo_move_to(cr, 5, 4);
        cairo_line_to(cr, 27, 4);
        Dessin::Tracer(cr, bois.Clair(0.4), 1.2);
        for (int k = 0; k < 2; ++k)
        {
            Dessin::Cercle(cr, 6 + 20 * k, 9, 1.5);
            Dessin::Remplir(cr, ACIER, trait, 0.6);
        }
    });
    Entiere("pont_structure.png", 32, 112, 0, 0, [=](cairo_t* cr) {
        // poteau à gauche du pont ; le haut à 48 au-dessus du tablier
        Dessin::RectArrondi(cr, 8, 4, 16, 108, 4);
        Dessin::RemplirDegrade(cr, bois.Clair(0.1), bois.Sombre(0.4), 4, 112, trait, 2);
        Dessin::Cercle(cr, 16, 6, 7);
        Dessin::Remplir(cr, zone == 1 ? Teinte(255, 210, 60) : Teinte(90, 240, 255), trait, 2);
        cairo_move_to(cr, 20, 14);
        cairo_curve_to(cr, 26, 30, 30, 44, 32, 48);
        Dessin::Tracer(cr, trait, 2.5);
    });
    Entiere("passerelle.png", 96, 36, 48, 1, [=](cairo_t* cr) {
        Dessin::Polygone(cr, {-31, 0, 31, 0, 32, 1, 32, 28, 26, 32, -26, 32, -32, 28, -32, 1});
        Dessin::RemplirDegrade(cr, bois.Clair(0.2), bois.Sombre(0.35), 0, 32, trait, 2);
        cairo_rectangle(cr, -30, 1.5, 60, 5);
        Dessin::Source(cr, bois.Clair(0.45));
        cairo_fill(cr);
        cairo_move_to(cr, -30, 16);
        cairo_line_to(cr, 30, 16);
        Dessin::Tracer(cr, trait.Alpha(160), 1.5);
        Dessin::Polygone(cr, {-44, 10, -32, 6, -32, 22, -44, 26});
        Dessin::Remplir(cr, ACIER_F, trait, 1.5);
        Dessin::Polygone(cr, {44, 10, 32, 6, 32, 22, 44, 26});
        Dessin::Remplir(cr, ACIER_F, trait, 1.5);
        for (int k = -1; k <= 1; k += 2)
        {
            Dessin::Cercle(cr, 20 * k, 24, 2.5);
            Dessin::Remplir(cr, ACIER, trait, 1);
        }
    });
    Entiere("passerelle_centre.png", 32, 32, 16, 0, [=](cairo_t* cr) {
        Dessin::Cercle(cr, 0, 12, 11);
        Dessin::RemplirRadial(cr, 0, 12, 11, ACIER.Clair(0.4), ACIER_F, trait, 2);
        Dessin::Cercle(cr, 0, 12, 4);
        Dessin::Remplir(cr, Teinte(60, 60, 70), trait, 1);
    });
    Entiere("passerelle_maillon.png", 32, 32, 16, 0, [=](cairo_t* cr) {
        // accroché par le haut à l'origine
        Dessin::Cercle(cr, 0, 14, 11);
        Dessin::Tracer(cr, trait, 6);
        Dessin::Cercle(cr, 0, 14, 11);
        Dessin::Tracer(cr, ACIER, 3.5);
        cairo_arc(cr, 0, 14, 11, M_PI * 1.1, M_PI * 1.5);
        Dessin::Tracer(cr, ACIER.Clair(0.6), 1.5);
    });
    if (zone == 2)
    {
        Planche p = Nouvelle(d + "scie_circulaire.png", 256, 128, 128, 128, fam);
        p.Ligne(0, 0, 1);
        p.dessiner = [](cairo_t* cr) {
            for (int c = 0; c < 2; ++c)
                DansCellule(cr, 128, 128, 0, c, 64, 64, [&]() {
                    std::vector<double> xy;
                    for (int k = 0; k < 24; ++k)
                    {
                        double a = (k + c * 0.5) * 2 * M_PI / 24;
                        xy.push_back(62 * std::cos(a));
                        xy.push_back(62 * std::sin(a));
                        xy.push_back(50 * std::cos(a + 0.13));
                        xy.push_back(50 * std::sin(a + 0.13));
                    }
                    Dessin::Polygone(cr, xy);
                    Dessin::RemplirRadial(cr, 0, 0, 62, Teinte(240, 244, 250), Teinte(140, 150, 170), TRAIT, 2);
                    Dessin::Cercle(cr, 0, 0, 16);
                    Dessin::Remplir(cr, Teinte(240, 190, 40), TRAIT, 2.5);
                    for (int k = 0; k < 3; ++k)
                    {
                        double a = k * 2 * M_PI / 3 + c * 0.5;
                        cairo_arc(cr, 0, 0, 34, a, a + 0.8);
                        Dessin::Tracer(cr, Teinte(255, 255, 255, 180), 3);
                    }
                });
        };
        t.push_back(p);
    }
    return t;
}
