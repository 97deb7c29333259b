#include "SurfacePlanche.h"
#include "objects/ContoursPlateforme.h"

#include <gtest/gtest.h>

#include <cstdlib>

// Images posées bout à bout par le jeu : leurs bords opposés se continuent
namespace
{
// écart moyen (par canal, ARVB prémultiplié) entre deux colonnes ou deux rangées de pixels
double Ecart(const SurfacePlanche& s, int x0, int y0, int x1, int y1, int dx, int dy, int n)
{
    double e = 0;
    for (int k = 0; k < n; ++k)
    {
        uint32_t a = s.Pixel(x0 + k * dx, y0 + k * dy), b = s.Pixel(x1 + k * dx, y1 + k * dy);
        for (int c = 0; c < 32; c += 8)
            e += std::abs(int((a >> c) & 255) - int((b >> c) & 255));
    }
    return e / (4.0 * n);
}

// la colonne de droite d'un cadre continue sa colonne de gauche
double EcartHorizontal(const SurfacePlanche& s, int x, int y, int l, int h)
{
    return Ecart(s, x, y, x + l - 1, y, 0, 1, h);
}

double EcartVertical(const SurfacePlanche& s, int x, int y, int l, int h)
{
    return Ecart(s, x, y, x, y + h - 1, 1, 0, l);
}

const double SEUIL = 20;
} // namespace

TEST(Raccords, LesImagesRepeteesSeRaccordentSansCouture)
{
    const std::string Z = "png/game/zones/";
    // surfaces d'eau et de lave : une par colonne de 64, côte à côte
    SurfacePlanche se(SurfacePlanche::Trouver(Z + "_/surface_eau.png"));
    for (int c = 0; c < 4; ++c)
        EXPECT_LT(EcartHorizontal(se, 64 * c, 0, 64, 32), SEUIL) << "eau " << c;
    SurfacePlanche sl(SurfacePlanche::Trouver(Z + "_/surface_lave.png"));
    for (int c = 0; c < 3; ++c)
        EXPECT_LT(EcartHorizontal(sl, 64 * c, 0, 64, 32), SEUIL) << "lave " << c;
    // la cascade se répète en largeur et en hauteur sur la même image
    SurfacePlanche ca(SurfacePlanche::Trouver(Z + "1/decors/cascade.png"));
    for (int c = 0; c < 4; ++c)
    {
        EXPECT_LT(EcartHorizontal(ca, 128 * c, 0, 128, 256), SEUIL) << "cascade " << c;
        EXPECT_LT(EcartVertical(ca, 128 * c, 0, 128, 256), SEUIL) << "cascade " << c;
    }
    // couches du fond de la zone 1 : chacune fait le tour de l'écran
    SurfacePlanche eau(SurfacePlanche::Trouver(Z + "1/background/eau.png"));
    for (int c = 0; c < 4; ++c)
        EXPECT_LT(EcartHorizontal(eau, 256 * c, 0, 256, 109), SEUIL) << "bandes d'eau " << c;
    SurfacePlanche p1(SurfacePlanche::Trouver(Z + "1/background/plan_1.png"));
    for (int r = 0; r < 4; ++r)
        EXPECT_LT(EcartHorizontal(p1, 0, 48 * r, 1792, 48), SEUIL) << "plan 1, rangée " << r;
    for (const char* f : {"plan_2.png", "nuages.png"})
    {
        SurfacePlanche s(SurfacePlanche::Trouver(Z + "1/background/" + f));
        EXPECT_LT(EcartHorizontal(s, 0, 0, s.Largeur(), s.Hauteur()), SEUIL) << f;
    }
    // pont à pointes : les sections se suivent ; intérieur du mur de blocs de tunnel
    for (const char* z : {"1", "2", "99"})
    {
        SurfacePlanche pe(SurfacePlanche::Trouver(Z + z + "/objets/pont_epineux.png"));
        for (int r = 0; r < 8; ++r)
            EXPECT_LT(EcartHorizontal(pe, 0, 64 * r, 256, 64), SEUIL) << z << " pont, rangée " << r;
        SurfacePlanche t(SurfacePlanche::Trouver(Z + z + "/textures/texture_128.png"));
        EXPECT_LT(EcartHorizontal(t, 992, 800, 32, 128), SEUIL * 2) << z << " mur de tunnel";
    }
}

TEST(Raccords, LesTuilesVoisinesSeContinuent)
{
    // sur une rangée de sol : coin gauche, sol, coin droit ; sur une colonne de mur : mur, remplissage
    for (int zone : {1, 2, 99})
    {
        SurfacePlanche t(SurfacePlanche::Trouver("png/game/zones/" + std::to_string(zone) + "/textures/texture_128.png"));
        auto Bord = [&](int ligneA, int colA, int ligneB, int colB, bool horizontal) {
            // bord droit (ou bas) de la tuile A contre bord gauche (ou haut) de la tuile B
            int xa = colA * 192 + 32, ya = ligneA * 192 + 32, xb = colB * 192 + 32, yb = ligneB * 192 + 32;
            return horizontal ? Ecart(t, xa + 127, ya, xb, yb, 0, 1, 128) : Ecart(t, xa, ya + 127, xb, yb, 1, 0, 128);
        };
        for (int a = 0; a < 5; ++a)
        {
            int b = (a + 2) % 5;
            EXPECT_LT(Bord(1, a, 2, b, true), 30) << zone << " coin gauche / sol";
            EXPECT_LT(Bord(2, a, 3, b, true), 30) << zone << " sol / coin droit";
            EXPECT_LT(Bord(5, a, 5, b, true), 30) << zone << " remplissage / remplissage";
            EXPECT_LT(Bord(2, a, 5, b, false), 30) << zone << " sol / remplissage";
            EXPECT_LT(Bord(5, a, 8, b, false), 30) << zone << " remplissage / plafond";
        }
    }
}

TEST(Raccords, MargesDesCellulesEtRectanglesSansChevauchement)
{
    typedef ContoursPlateforme CP;
    for (int zone : {1, 2, 99})
    {
        const std::string d = "png/game/zones/" + std::to_string(zone) + "/textures/";
        SurfacePlanche t(SurfacePlanche::Trouver(d + "texture_128.png"));
        // marges de 32 : transparentes, sauf pour les pentes qui sortent du carré de la tuile
        for (int g : CP::Genres())
        {
            CP::Apparence a = CP::Image(g);
            if (a.planche != CP::PLANCHE_128 || g == 1128010100 || g == 1128030100)
                continue;
            int c0 = a.colonne < 0 ? 0 : a.colonne, c1 = a.colonne < 0 ? 4 : a.colonne;
            for (int c = c0; c <= c1; ++c)
            {
                int debord = 0;
                for (int y = 0; y < 192; ++y)
                    for (int x = 0; x < 192; ++x)
                        if ((x < 29 || x > 163 || y < 29 || y > 163) && t.Alpha(c * 192 + x, a.ligne * 192 + y) > 60)
                            ++debord;
                EXPECT_EQ(debord, 0) << zone << " genre " << g << " colonne " << c;
            }
        }
        // planche xl : seul le devant de la boucle est pris dans un autre rectangle
        Planche xl = SurfacePlanche::Trouver(d + "texture_xl.png");
        for (size_t i = 0; i < xl.cadres.size(); ++i)
            for (size_t j = i + 1; j < xl.cadres.size(); ++j)
            {
                const Cadre &a = xl.cadres[i], &b = xl.cadres[j];
                if (a.x == b.x && a.y == b.y && a.l == b.l && a.h == b.h)
                    continue; // vrilles verticales : la même image, tournée
                bool chevauche = a.x < b.x + b.l && b.x < a.x + a.l && a.y < b.y + b.h && b.y < a.y + a.h;
                bool devantDansCadre = (b.x == 304 && b.y == 992 && a.x == 32 && a.y == 800)
                                       || (a.x == 304 && a.y == 992 && b.x == 32 && b.y == 800);
                EXPECT_TRUE(!chevauche || devantDansCadre)
                    << zone << " : " << a.x << "," << a.y << " et " << b.x << "," << b.y;
            }
    }
}
