#include "DessinEcrans.h"

#include "Dessin.h"
#include "DessinHeros.h"

#include <cmath>

namespace
{
Planche Nouvelle(const std::string& chemin, int l, int h)
{
    Planche p;
    p.chemin = chemin;
    p.famille = "ecrans";
    p.largeur = l;
    p.hauteur = h;
    p.Rect(0, 0, l, h);
    return p;
}

void Marque(cairo_t* cr, double x, double y, double taille)
{
    // nom du jeu en deux couleurs, centré sur x
    const double l1 = Dessin::LargeurTexte(cr, "VANTO", taille), l2 = Dessin::LargeurTexte(cr, "&", taille * 0.8);
    const double l3 = Dessin::LargeurTexte(cr, "TORMUNDO", taille), e = taille * 0.3;
    double x0 = x - (l1 + l2 + l3 + 2 * e) / 2;
    Dessin::Texte(cr, "VANTO", x0 + l1 / 2, y, taille, Teinte(70, 140, 255), Teinte(10, 20, 60), taille / 10);
    Dessin::Texte(cr, "&", x0 + l1 + e + l2 / 2, y, taille * 0.8, Teinte(255, 210, 40), Teinte(60, 40, 0), taille / 12);
    Dessin::Texte(cr, "TORMUNDO", x0 + l1 + l2 + 2 * e + l3 / 2, y, taille, Teinte(240, 60, 50), Teinte(60, 8, 8),
                  taille / 10);
}

void Accueil(cairo_t* cr, int heros)
{
    // bandeau du titre en haut
    Dessin::RectArrondi(cr, 60, 18, 520, 78, 24);
    Dessin::Remplir(cr, Teinte(10, 20, 50, 190), Teinte(255, 255, 255, 220), 3);
    Marque(cr, 320, 57, 34);
    // le héros choisi, en grand, à gauche ou à droite (le menu reste libre au centre)
    cairo_save(cr);
    double x = heros == 0 ? 150 : 490;
    cairo_translate(cr, x, 268);
    if (heros == 1)
        cairo_scale(cr, -1, 1);
    Dessin::Cercle(cr, 0, 10, 96);
    Dessin::Source(cr, Teinte(255, 255, 255, 60));
    cairo_fill(cr);
    DessinHeros::Portrait(cr, heros, 2.7);
    cairo_restore(cr);
}
} // namespace

std::vector<Planche> DessinEcrans::Toutes()
{
    std::vector<Planche> t;
    {
        Planche p = Nouvelle("ico/icone.png", 64, 64);
        p.dessiner = [](cairo_t* cr) {
            Dessin::RectArrondi(cr, 2, 2, 60, 60, 14);
            Dessin::RemplirDegrade(cr, Teinte(40, 110, 240), Teinte(220, 40, 40), 2, 62, Teinte(255, 255, 255), 3);
            Dessin::Cercle(cr, 32, 32, 19);
            Dessin::Tracer(cr, Teinte(60, 40, 0), 8);
            Dessin::Cercle(cr, 32, 32, 19);
            Dessin::Tracer(cr, Teinte(255, 214, 40), 5);
            Dessin::Texte(cr, "V&T", 32, 33, 14, Teinte(255, 255, 255), Teinte(20, 20, 40), 1.5);
        };
        t.push_back(p);
    }
    {
        Planche p = Nouvelle("png/accueil/ecran.png", 640, 480);
        p.opaque = true;
        p.dessiner = [](cairo_t* cr) {
            cairo_rectangle(cr, 0, 0, 640, 480);
            Dessin::RemplirDegrade(cr, Teinte(14, 22, 52), Teinte(30, 14, 40), 0, 480, Teinte(), 0);
            // losanges discrets
            for (int y = 0; y < 480; y += 40)
                for (int x = (y / 40 % 2) * 40; x < 640; x += 80)
                {
                    Dessin::Polygone(cr, {x + 40.0, y + 0.0, x + 80.0, y + 20.0, x + 40.0, y + 40.0, x + 0.0, y + 20.0});
                    Dessin::Source(cr, Teinte(255, 255, 255, 10));
                    cairo_fill(cr);
                }
        };
        t.push_back(p);
    }
    for (int h = 0; h < 2; ++h)
    {
        Planche p = Nouvelle(h == 0 ? "png/accueil/accueil_vanto.png" : "png/accueil/accueil_tormundo.png", 640, 480);
        p.dessiner = [h](cairo_t* cr) { Accueil(cr, h); };
        t.push_back(p);
    }
    {
        Planche p = Nouvelle("png/accueil/rideau.png", 640, 480);
        p.opaque = true;
        p.dessiner = [](cairo_t* cr) {
            cairo_rectangle(cr, 0, 0, 640, 480);
            Dessin::RemplirDegrade(cr, Teinte(255, 200, 40), Teinte(255, 120, 30), 0, 480, Teinte(), 0);
            for (int k = -10; k < 20; ++k)
            {
                Dessin::Polygone(cr, {k * 64.0, 480, k * 64.0 + 32, 480, k * 64.0 + 32 + 240, 0, k * 64.0 + 240, 0});
                Dessin::Source(cr, Teinte(255, 255, 255, 40));
                cairo_fill(cr);
            }
            cairo_rectangle(cr, 0, 440, 640, 40);
            Dessin::Source(cr, Teinte(30, 60, 160));
            cairo_fill(cr);
            Marque(cr, 320, 460, 18);
        };
        t.push_back(p);
    }
    {
        Planche p = Nouvelle("png/accueil/bandeau.png", 160, 480);
        p.dessiner = [](cairo_t* cr) {
            cairo_rectangle(cr, 0, 0, 144, 480);
            Dessin::RemplirDegrade(cr, Teinte(40, 110, 240), Teinte(20, 50, 150), 0, 480, Teinte(), 0);
            Dessin::Polygone(cr, {144, 0, 160, 0, 160, 480, 144, 480});
            Dessin::Source(cr, Teinte(255, 210, 40));
            cairo_fill(cr);
            for (int k = 0; k < 12; ++k)
            {
                Dessin::Etoile(cr, 72, 20 + 40 * k, 9, 4, 5, k * 12);
                Dessin::Source(cr, Teinte(255, 255, 255, 50));
                cairo_fill(cr);
            }
            Dessin::Cercle(cr, 72, 214, 34);
            Dessin::Tracer(cr, Teinte(60, 40, 0), 12);
            Dessin::Cercle(cr, 72, 214, 34);
            Dessin::Tracer(cr, Teinte(255, 214, 40), 8);
        };
        t.push_back(p);
    }
    {
        Planche p = Nouvelle("png/logos/quor.png", 256, 128);
        p.dessiner = [](cairo_t* cr) {
            Dessin::RectArrondi(cr, 8, 8, 240, 112, 20);
            Dessin::RemplirDegrade(cr, Teinte(60, 30, 90), Teinte(20, 10, 40), 8, 120, Teinte(200, 160, 255), 3);
            Dessin::Cercle(cr, 56, 60, 26);
            Dessin::Tracer(cr, Teinte(255, 200, 80), 8);
            cairo_move_to(cr, 66, 72);
            cairo_line_to(cr, 84, 92);
            Dessin::Tracer(cr, Teinte(255, 200, 80), 8);
            Dessin::Texte(cr, "QUOR", 162, 58, 40, Teinte(255, 255, 255), Teinte(80, 40, 120), 2);
            Dessin::Texte(cr, "STUDIO", 162, 94, 16, Teinte(255, 200, 80), Teinte(), 0);
        };
        t.push_back(p);
    }
    {
        Planche p = Nouvelle("png/logos/sfml.png", 256, 128);
        p.dessiner = [](cairo_t* cr) {
            Dessin::RectArrondi(cr, 8, 24, 240, 80, 12);
            Dessin::Remplir(cr, Teinte(245, 245, 250), Teinte(120, 120, 140), 2);
            Dessin::Texte(cr, "SFML", 128, 56, 40, Teinte(40, 60, 90), Teinte(), 0);
            Dessin::Texte(cr, "multimédia", 128, 88, 14, Teinte(90, 100, 120), Teinte(), 0, true, false);
        };
        t.push_back(p);
    }
    return t;
}
