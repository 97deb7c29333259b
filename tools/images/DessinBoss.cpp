#include "DessinBoss.h"

#include "Dessin.h"
#include "DessinHeros.h"

#include <cmath>

namespace
{
const Teinte TRAIT(18, 20, 30);
const Teinte ACIER(176, 184, 200);
const Teinte ACIER_F(92, 100, 118);
const Teinte VIOLET(120, 60, 190);

void Rivet(cairo_t* cr, double x, double y, double r = 2)
{
    Dessin::Cercle(cr, x, y, r);
    Dessin::Remplir(cr, Teinte(230, 235, 240), TRAIT, 0.8);
}

void Voile(cairo_t* cr, const Teinte& t)
{
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    Dessin::Source(cr, t);
    cairo_paint(cr);
    cairo_restore(cr);
}

Planche Nouvelle(const std::string& nom, int l, int h, int lc, int hc)
{
    Planche p;
    p.chemin = "png/game/personnages/boss/" + nom;
    p.famille = "boss";
    p.largeur = l;
    p.hauteur = h;
    p.largeurCadre = lc;
    p.hauteurCadre = hc;
    return p;
}

// dessine une cellule isolée (pour pouvoir voiler l'image blessée)
void Cellule(cairo_t* cr, int lc, int hc, int l, int c, double ox, double oy, bool blesse,
             const std::function<void(cairo_t*)>& f)
{
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, lc, hc);
    cairo_t* c2 = cairo_create(s);
    cairo_translate(c2, ox, oy);
    f(c2);
    if (blesse)
    {
        cairo_identity_matrix(c2);
        Voile(c2, Teinte(255, 255, 255, 150));
    }
    cairo_destroy(c2);
    cairo_set_source_surface(cr, s, c * lc, l * hc);
    cairo_paint(cr);
    cairo_surface_destroy(s);
}

void Silver(cairo_t* cr, const Pose& p, bool jets = false)
{
    cairo_save(cr);
    cairo_scale(cr, 1.6, 1.6);
    if (jets)
        for (int s = -1; s <= 1; s += 2)
        {
            cairo_move_to(cr, -6 + 6 * s, 26);
            cairo_curve_to(cr, -10 + 6 * s, 36, -6 + 6 * s, 44, -6 + 6 * s, 50);
            cairo_curve_to(cr, -4 + 6 * s, 44, 0 + 6 * s, 36, -2 + 6 * s, 26);
            cairo_close_path(cr);
            Dessin::Remplir(cr, Teinte(255, 200, 60, 220), Teinte(255, 90, 0), 1);
        }
    Silhouette::Dessiner(cr, 2, p);
    cairo_restore(cr);
}

// Engin volant de la fin du premier acte : nacelle à hélice
void Engin(cairo_t* cr, int c)
{
    // hélice
    double l = 40 * std::fabs(std::cos(c * M_PI / 4 + 0.3));
    Dessin::Ellipse(cr, 0, -70, l + 6, 5, 0);
    Dessin::Remplir(cr, Teinte(220, 230, 240, 170), TRAIT, 1.5);
    Dessin::Membre(cr, 0, -70, 0, -44, 4, ACIER_F, TRAIT);
    // pilote masqué dans la bulle
    Dessin::Ellipse(cr, 0, -28, 30, 22, 0);
    Dessin::Remplir(cr, Teinte(180, 230, 255, 110), Teinte(200, 240, 255, 230), 2);
    Dessin::Cercle(cr, 2, -30, 12);
    Dessin::Remplir(cr, VIOLET, TRAIT, 2);
    Dessin::Ellipse(cr, 8, -32, 6, 3, 0);
    Dessin::Remplir(cr, Teinte(120, 255, 160), TRAIT, 1);
    Dessin::Reflet(cr, -12, -36, 8, 4, 0.5);
    // coque
    cairo_move_to(cr, -44, -12);
    cairo_curve_to(cr, -40, 30, 40, 30, 44, -12);
    cairo_close_path(cr);
    Dessin::RemplirDegrade(cr, Teinte(255, 200, 60), Teinte(200, 110, 20), -12, 20, TRAIT, 3);
    Dessin::RectArrondi(cr, -46, -16, 92, 8, 3);
    Dessin::Remplir(cr, ACIER, TRAIT, 2);
    for (int k = -2; k <= 2; ++k)
        Rivet(cr, 16 * k, 4);
    // réacteur arrière et flamme
    Dessin::RectArrondi(cr, -58, -8, 16, 14, 4);
    Dessin::Remplir(cr, ACIER_F, TRAIT, 2);
    double f = 10 + 6 * (c % 2) + 3 * (c / 2);
    Dessin::Polygone(cr, {-58, -5, -58 - f, -1, -58, 3});
    Dessin::Remplir(cr, Teinte(255, 220, 80), Teinte(255, 100, 0), 1.2);
    // lumière
    Dessin::Cercle(cr, 0, 24, 5);
    Dessin::Remplir(cr, (c % 2) ? Teinte(255, 60, 60) : Teinte(140, 30, 30), TRAIT, 1.5);
}

// Malvek : savant à capuche et monocle mécanique, dans sa nacelle
void Malvek(cairo_t* cr, int c)
{
    double bras = c ? -40 : 10;
    // nacelle
    cairo_move_to(cr, -34, 10);
    cairo_curve_to(cr, -30, 44, 30, 44, 34, 10);
    cairo_close_path(cr);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, 10, 40, TRAIT, 3);
    Dessin::Ellipse(cr, 0, 44, 12, 4, 0);
    Dessin::Remplir(cr, Teinte(120, 255, 200, 200), Teinte(40, 160, 120), 1.5);
    // corps en cape
    Dessin::Polygone(cr, {-20, 12, -14, -18, 14, -18, 20, 12});
    Dessin::RemplirDegrade(cr, VIOLET.Clair(0.2), VIOLET.Sombre(0.3), -18, 12, TRAIT, 2.5);
    // bras
    for (int s = -1; s <= 1; s += 2)
    {
        double a = (90 + s * (60 - bras)) * M_PI / 180;
        double x1 = s * 14, y1 = -12;
        double x2 = x1 + 18 * std::cos(a) * s * -1 * -1, y2 = y1 + 18 * std::sin(a) * (c ? -1 : 1);
        Dessin::Membre(cr, x1, y1, x2, y2, 6, VIOLET, TRAIT);
        Dessin::Cercle(cr, x2, y2, 4.5);
        Dessin::Remplir(cr, Teinte(200, 230, 120), TRAIT, 1.5);
        if (c)
        {
            Dessin::Etoile(cr, x2, y2 - 8, 6, 2, 4, 0);
            Dessin::Remplir(cr, Teinte(200, 255, 160), Teinte(60, 160, 60), 1);
        }
    }
    // tête encapuchonnée
    Dessin::Polygone(cr, {-18, -18, -12, -46, 0, -54, 12, -46, 18, -18});
    Dessin::RemplirDegrade(cr, VIOLET.Clair(0.1), VIOLET.Sombre(0.4), -54, -18, TRAIT, 2.5);
    Dessin::Ellipse(cr, 0, -30, 11, 10, 0);
    Dessin::Remplir(cr, Teinte(190, 220, 110), TRAIT, 2);
    Dessin::Cercle(cr, -4, -32, 2.5);
    Dessin::Remplir(cr, Teinte(20, 20, 20), TRAIT, 0);
    Dessin::Cercle(cr, 5, -32, 5);
    Dessin::Remplir(cr, Teinte(255, 80, 40), ACIER_F, 2);
    if (c)
    {
        Dessin::Ellipse(cr, 1, -23, 5, 3, 0);
        Dessin::Remplir(cr, Teinte(80, 20, 30), TRAIT, 1);
    }
    else
    {
        cairo_move_to(cr, -4, -23);
        cairo_line_to(cr, 5, -24);
        Dessin::Tracer(cr, TRAIT, 1.5);
    }
}

// ---- grand robot final (regarde vers -x) ----
const Teinte ROBOT(200, 60, 60);
const Teinte ROBOT_F(120, 30, 36);

void RobotTete(cairo_t* cr)
{
    // origine (192, 40) = charnière du couvercle ; cellule 320 x 48, l'avant à gauche
    cairo_move_to(cr, -118, 6);
    cairo_curve_to(cr, -118, -30, -90, -36, -60, -36);
    cairo_line_to(cr, 60, -36);
    cairo_curve_to(cr, 84, -36, 96, -20, 96, 6);
    cairo_close_path(cr);
    Dessin::RemplirDegrade(cr, ROBOT.Clair(0.2), ROBOT_F, -36, 6, TRAIT, 3);
    // visière et oeil vers l'avant
    Dessin::RectArrondi(cr, -112, -22, 56, 16, 6);
    Dessin::Remplir(cr, Teinte(20, 24, 36), TRAIT, 2);
    Dessin::Ellipse(cr, -96, -14, 9, 5, 0);
    Dessin::Remplir(cr, Teinte(255, 230, 60), TRAIT, 0);
    Dessin::Reflet(cr, -30, -28, 30, 3, 0.35);
    for (int k = 0; k < 6; ++k)
        Rivet(cr, -40 + 24 * k, 0);
    // charnière
    Dessin::Cercle(cr, 0, 0, 6);
    Dessin::Remplir(cr, ACIER, TRAIT, 2);
    Dessin::Polygone(cr, {70, -36, 78, -44, 86, -34});
    Dessin::Remplir(cr, ACIER, TRAIT, 1.5);
}

void RobotCorps(cairo_t* cr)
{
    // origine (160, 72) ; rayon 72 ; support du réacteur à l'arrière, en (112, 24)
    Dessin::RectArrondi(cr, 50, 4, 76, 24, 8);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, 4, 28, TRAIT, 3);
    Dessin::RectArrondi(cr, -70, -62, 140, 124, 26);
    Dessin::RemplirDegrade(cr, ROBOT.Clair(0.15), ROBOT_F, -62, 62, TRAIT, 3.5);
    Dessin::RectArrondi(cr, -54, -40, 70, 56, 10);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, -40, 16, TRAIT, 2.5);
    // hublot avec Malvek aux commandes
    Dessin::Cercle(cr, -20, -12, 20);
    Dessin::Remplir(cr, Teinte(160, 220, 255, 255), TRAIT, 3);
    Dessin::Cercle(cr, -22, -10, 10);
    Dessin::Remplir(cr, VIOLET, TRAIT, 1.5);
    Dessin::Cercle(cr, -26, -12, 3);
    Dessin::Remplir(cr, Teinte(255, 80, 40), TRAIT, 1);
    Dessin::Reflet(cr, -30, -22, 7, 3, 0.7);
    for (int k = 0; k < 5; ++k)
        Rivet(cr, -56 + 28 * k, 50);
    for (int k = 0; k < 3; ++k)
    {
        cairo_move_to(cr, 30, -30 + 18 * k);
        cairo_line_to(cr, 60, -30 + 18 * k);
    }
    Dessin::Tracer(cr, ROBOT_F.Sombre(0.3), 4);
}

void RobotCuisse(cairo_t* cr)
{
    Dessin::RectArrondi(cr, -22, -30, 44, 60, 14);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, -30, 30, TRAIT, 3);
    Dessin::Cercle(cr, 0, -18, 10);
    Dessin::Remplir(cr, ROBOT, TRAIT, 2);
    for (int k = 0; k < 3; ++k)
    {
        cairo_move_to(cr, -16, 0 + 8 * k);
        cairo_line_to(cr, 16, 0 + 8 * k);
    }
    Dessin::Tracer(cr, ACIER_F.Sombre(0.3), 2);
}

void RobotBotte(cairo_t* cr)
{
    // rayon 60, origine (160, 60) : la semelle à 58 sous l'origine
    Dessin::RectArrondi(cr, -26, -58, 52, 70, 14);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, -58, 12, TRAIT, 3);
    // pied vers l'avant (-x)
    cairo_move_to(cr, 30, 58);
    cairo_line_to(cr, -70, 58);
    cairo_curve_to(cr, -72, 30, -50, 8, -20, 4);
    cairo_line_to(cr, 30, 4);
    cairo_close_path(cr);
    Dessin::RemplirDegrade(cr, ROBOT.Clair(0.1), ROBOT_F, 4, 58, TRAIT, 3.5);
    Dessin::RectArrondi(cr, -72, 48, 104, 10, 3);
    Dessin::Remplir(cr, Teinte(50, 50, 60), TRAIT, 2);
    for (int k = 0; k < 4; ++k)
        Rivet(cr, -50 + 22 * k, 24);
}

void RobotEpaule(cairo_t* cr)
{
    cairo_move_to(cr, -40, 24);
    cairo_curve_to(cr, -40, -36, 40, -36, 40, 24);
    cairo_close_path(cr);
    Dessin::RemplirDegrade(cr, ROBOT.Clair(0.25), ROBOT_F, -30, 24, TRAIT, 3);
    for (int k = 0; k < 3; ++k)
        Rivet(cr, -20 + 20 * k, 12);
}

void RobotBras(cairo_t* cr)
{
    // de l'épaule (origine) au coude, 74 devant et 30 plus bas
    Dessin::Membre(cr, 0, -4, -62, 20, 20, ACIER, TRAIT);
    Dessin::Cercle(cr, 0, -4, 14);
    Dessin::Remplir(cr, ROBOT, TRAIT, 2.5);
    Dessin::Cercle(cr, 0, -4, 5);
    Dessin::Remplir(cr, ACIER_F, TRAIT, 1.5);
}

void RobotAvantBras(cairo_t* cr)
{
    // poing-fusée : du coude (origine) vers l'avant (-x), tuyère derrière le coude
    Dessin::Polygone(cr, {8, -8, 22, -12, 22, 12, 8, 8});
    Dessin::Remplir(cr, ACIER_F, TRAIT, 2);
    Dessin::RectArrondi(cr, -58, -14, 70, 28, 8);
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, -14, 14, TRAIT, 3);
    Dessin::Cercle(cr, 0, 0, 11);
    Dessin::Remplir(cr, ROBOT, TRAIT, 2.5);
    Dessin::RectArrondi(cr, -94, -22, 40, 44, 12);
    Dessin::RemplirDegrade(cr, ROBOT.Clair(0.2), ROBOT_F, -22, 22, TRAIT, 3);
    for (int k = 0; k < 3; ++k)
    {
        cairo_move_to(cr, -92, -10 + 10 * k);
        cairo_line_to(cr, -76, -10 + 10 * k);
    }
    Dessin::Tracer(cr, ROBOT_F.Sombre(0.4), 2.5);
}

void RobotReacteur(cairo_t* cr, int c)
{
    // origine (32, 0) en haut : tuyère et flamme vers le bas
    Dessin::Polygone(cr, {-14, 0, 14, 0, 10, 14, -10, 14});
    Dessin::RemplirDegrade(cr, ACIER, ACIER_F, 0, 14, TRAIT, 2);
    if (c == 6)
    {
        Dessin::Ellipse(cr, 0, 15, 8, 2, 0);
        Dessin::Remplir(cr, Teinte(60, 40, 40), TRAIT, 1);
        return;
    }
    double l = c == 7 ? 24 : 32;
    cairo_move_to(cr, -9, 14);
    cairo_curve_to(cr, -10, 14 + l * 0.6, -2, 14 + l * 0.8, 0, 14 + l);
    cairo_curve_to(cr, 2, 14 + l * 0.8, 10, 14 + l * 0.6, 9, 14);
    cairo_close_path(cr);
    Dessin::Remplir(cr, Teinte(255, 190, 40), Teinte(255, 80, 0), 1.5);
    Dessin::Ellipse(cr, 0, 14 + l * 0.35, 4, l * 0.3, 0);
    Dessin::Remplir(cr, Teinte(255, 255, 200), Teinte(), 0);
}

void Bombe(cairo_t* cr)
{
    Dessin::Cercle(cr, 0, 2, 20);
    Dessin::RemplirRadial(cr, 0, 2, 20, Teinte(120, 120, 140), Teinte(30, 30, 40), TRAIT, 2.5);
    Dessin::RectArrondi(cr, -7, -24, 14, 8, 2);
    Dessin::Remplir(cr, ACIER, TRAIT, 1.5);
    Dessin::Cercle(cr, 0, 2, 6);
    Dessin::Remplir(cr, Teinte(255, 60, 60), TRAIT, 1.5);
    Dessin::Reflet(cr, -8, -6, 6, 3, 0.5);
}
} // namespace

std::vector<Planche> DessinBoss::Toutes()
{
    std::vector<Planche> t;
    {
        Planche p = Nouvelle("silver.png", 1728, 960, 192, 192);
        p.Ligne(0, 0, 2).Ligne(0, 5, 7).Ligne(1, 0, 3).Ligne(1, 5, 8).Ligne(2, 0, 2).Ligne(3, 0, 1).Ligne(4, 0, 0);
        p.dessiner = [](cairo_t* cr) {
            for (int h = 0; h < 2; ++h)
                for (int k = 0; k < 3; ++k)
                {
                    // debout en faisant gronder le moteur
                    Cellule(cr, 192, 192, 0, k + 5 * h, 96, 96, h == 1, [&](cairo_t* c2) {
                        Pose p = DessinHeros::PoseDebout();
                        p.tronc = 12 + 4 * k;
                        p.brasAv[0] = 30 + 10 * k;
                        p.yeux = Pose::PLISSES;
                        p.bouche = Pose::SERREE;
                        p.echarpe = 0.3 * k;
                        Silver(c2, p);
                    });
                }
            for (int h = 0; h < 2; ++h)
                for (int k = 0; k < 4; ++k)
                {
                    Cellule(cr, 192, 192, 1, k + 5 * h, 96, 96, h == 1, [&](cairo_t* c2) {
                        Pose p;
                        if (k < 2)
                            p = DessinHeros::PoseMarche(k * M_PI, 60, true);
                        else
                        {
                            p = DessinHeros::PoseDebout();
                            p.tronc = -20;
                            p.jambeAv[0] = 50; p.jambeAv[1] = -5;
                            p.jambeAr[0] = 5 + 10 * (k - 2); p.jambeAr[1] = -60;
                            p.brasAv[0] = -50; p.brasAr[0] = -70;
                            p.dy = -2;
                        }
                        p.yeux = Pose::PLISSES;
                        Silver(c2, p);
                    });
                }
            for (int k = 0; k < 3; ++k)
                Cellule(cr, 192, 192, 2, k, 96, 96, false, [&](cairo_t* c2) {
                    Silver(c2, DessinHeros::PoseBoule(120.0 * k, 1.0));
                });
            for (int k = 0; k < 2; ++k)
                Cellule(cr, 192, 192, 3, k, 96, 96, false, [&](cairo_t* c2) {
                    Pose p = DessinHeros::PoseDebout();
                    p.brasAv[0] = 60 + 20 * k; p.brasAr[0] = -60 - 20 * k;
                    p.jambeAv[0] = 10 * k; p.jambeAr[0] = -10 * k;
                    Silver(c2, p, true);
                });
            Cellule(cr, 192, 192, 4, 0, 96, 96, false, [&](cairo_t* c2) {
                Pose p = DessinHeros::PoseDebout();
                p.tronc = 60;
                p.tete = -30;
                p.yeux = Pose::CROIX;
                p.bouche = Pose::OUVERTE;
                p.brasAv[0] = 10; p.brasAr[0] = 0;
                p.jambeAv[0] = 80; p.jambeAv[1] = -120;
                p.jambeAr[0] = 70; p.jambeAr[1] = -110;
                p.dy = 14;
                Silver(c2, p);
                // étincelles de panne
                for (int k = 0; k < 3; ++k)
                {
                    Dessin::Etoile(c2, -10 + 14 * k, -40 - 6 * k, 5, 2, 4, 0);
                    Dessin::Remplir(c2, Teinte(255, 240, 120), Teinte(255, 100, 0), 1);
                }
            });
        };
        t.push_back(p);
    }
    {
        Planche p = Nouvelle("cinematique_z1_1.png", 640, 192, 160, 192);
        p.Ligne(0, 0, 3);
        p.dessiner = [](cairo_t* cr) {
            for (int c = 0; c < 4; ++c)
                DansCellule(cr, 160, 192, 0, c, 80, 96, [&]() { Engin(cr, c); });
        };
        t.push_back(p);
    }
    {
        Planche p = Nouvelle("malvek.png", 256, 128, 128, 128);
        p.Ligne(0, 0, 1);
        p.dessiner = [](cairo_t* cr) {
            for (int c = 0; c < 2; ++c)
                DansCellule(cr, 128, 128, 0, c, 64, 64, [&]() { Malvek(cr, c); });
        };
        t.push_back(p);
    }
    {
        Planche p = Nouvelle("final/robot.png", 640, 640, 0, 0);
        p.Rect(0, 0, 320, 48).Rect(384, 0, 64, 48).Rect(448, 0, 64, 48).Rect(512, 0, 64, 48).Rect(576, 0, 64, 64)
            .Rect(0, 64, 320, 144).Rect(320, 64, 320, 144).Rect(0, 224, 320, 64).Rect(320, 224, 320, 64)
            .Rect(0, 304, 320, 120).Rect(320, 304, 320, 120).Rect(0, 448, 320, 64)
            .Rect(0, 512, 320, 64).Rect(320, 512, 320, 64).Rect(0, 576, 320, 64).Rect(320, 576, 320, 64);
        p.dessiner = [](cairo_t* cr) {
            auto Piece = [&](int x, int y, int l, int h, double ox, double oy, bool blesse,
                             const std::function<void(cairo_t*)>& f) {
                cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, l, h);
                cairo_t* c2 = cairo_create(s);
                cairo_translate(c2, ox, oy);
                f(c2);
                if (blesse)
                {
                    cairo_identity_matrix(c2);
                    Voile(c2, Teinte(255, 255, 255, 150));
                }
                cairo_destroy(c2);
                cairo_set_source_surface(cr, s, x, y);
                cairo_paint(cr);
                cairo_surface_destroy(s);
            };
            Piece(0, 0, 320, 48, 192, 40, false, RobotTete);
            for (int c = 6; c <= 8; ++c)
                Piece(64 * c, 0, 64, 48, 32, 0, false, [&](cairo_t* c2) { RobotReacteur(c2, c); });
            Piece(576, 0, 64, 64, 32, 32, false, Bombe);
            for (int h = 0; h < 2; ++h)
            {
                Piece(320 * h, 64, 320, 144, 160, 72, h, RobotCorps);
                Piece(320 * h, 224, 320, 64, 160, 32, h, RobotCuisse);
                Piece(320 * h, 304, 320, 120, 160, 60, h, RobotBotte);
                Piece(320 * h, 512, 320, 64, 160, 32, h, RobotBras);
                Piece(320 * h, 576, 320, 64, 160, 32, h, RobotAvantBras);
            }
            Piece(0, 448, 320, 64, 160, 32, false, RobotEpaule);
        };
        t.push_back(p);
    }
    {
        Planche p = Nouvelle("final/viseur.png", 256, 64, 64, 64);
        p.Ligne(0, 0, 3);
        p.dessiner = [](cairo_t* cr) {
            for (int c = 0; c < 4; ++c)
                DansCellule(cr, 64, 64, 0, c, 32, 32, [&]() {
                    Teinte t = c == 0 ? Teinte(255, 255, 255, 140) : (c == 1 ? Teinte(255, 220, 40) : (c == 2 ? Teinte(255, 40, 40) : Teinte(255, 160, 160)));
                    Dessin::Cercle(cr, 0, 0, 20);
                    Dessin::Tracer(cr, Teinte(0, 0, 0, 160), 5);
                    Dessin::Cercle(cr, 0, 0, 20);
                    Dessin::Tracer(cr, t, 3);
                    for (int k = 0; k < 4; ++k)
                    {
                        double a = k * M_PI / 2;
                        cairo_move_to(cr, 10 * std::cos(a), 10 * std::sin(a));
                        cairo_line_to(cr, 28 * std::cos(a), 28 * std::sin(a));
                    }
                    Dessin::Tracer(cr, t, 2.5);
                    Dessin::Cercle(cr, 0, 0, c >= 2 ? 4 : 2);
                    Dessin::Source(cr, t);
                    cairo_fill(cr);
                });
        };
        t.push_back(p);
    }
    {
        Planche p = Nouvelle("final/fleches.png", 1344, 192, 192, 192);
        p.Ligne(0, 0, 6);
        p.dessiner = [](cairo_t* cr) {
            // flèche qui pointe vers le coin bas-droit (le viseur), de plus en plus près
            for (int c = 0; c < 7; ++c)
                DansCellule(cr, 192, 192, 0, c, 192, 192, [&]() {
                    double d = 70 - 7 * c;
                    cairo_save(cr);
                    cairo_translate(cr, -d, -d);
                    cairo_rotate(cr, M_PI / 4);
                    Dessin::Polygone(cr, {0, 0, -22, -14, -22, -6, -44, -6, -44, 6, -22, 6, -22, 14});
                    Dessin::Remplir(cr, Teinte(255, 60 + 25 * c, 40), Teinte(60, 0, 0), 2.5);
                    cairo_restore(cr);
                });
        };
        t.push_back(p);
    }
    return t;
}
