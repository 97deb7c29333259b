#include "DessinTerrain.h"
#include "SurfacePlanche.h"
#include "objects/ContoursPlateforme.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{
typedef ContoursPlateforme CP;

typedef SurfacePlanche Surface;

struct Planches
{
    std::unique_ptr<Surface> p128, xl;
};

Planches& DeZone(int zone)
{
    static std::map<int, Planches> cache;
    Planches& p = cache[zone];
    if (!p.p128)
    {
        p.p128.reset(new Surface(DessinTerrain::Planche128(zone)));
        p.xl.reset(new Surface(DessinTerrain::PlancheXl(zone)));
    }
    return p;
}

// Vrilles verticales : la même image que les horizontales, tournée d'un quart de tour
int GenreImage(int genre, bool& tourne)
{
    tourne = (genre == 2000634001 || genre == 2000496001);
    if (genre == 2000634001) return 2000218001;
    if (genre == 2000496001) return 2000872001;
    return genre;
}
} // namespace

TEST(Terrain, LaSurfaceDessineeSuitLeContourDeChaqueGenre)
{
    // à 3 pixels de part et d'autre de chaque segment : plein d'un côté, vide de l'autre
    for (int zone : {1, 2, 99})
    {
        Planches& pl = DeZone(zone);
        for (int genre : CP::Genres())
        {
            bool tourne;
            int gi = GenreImage(genre, tourne);
            CP::Apparence a = CP::Image(gi);
            if (a.planche == CP::AUCUNE)
                continue;
            const Surface& s = (a.planche == CP::PLANCHE_128) ? *pl.p128 : *pl.xl;
            int c0 = a.colonne < 0 ? 0 : a.colonne, c1 = a.colonne < 0 ? 4 : a.colonne;
            for (int col = c0; col <= c1; ++col)
            {
                sf::Vector2f origine = a.planche == CP::PLANCHE_128
                    ? sf::Vector2f(col * 192 + 96.f, a.ligne * 192 + 96.f)
                    : sf::Vector2f(a.rectangle.left + a.origine.x, a.rectangle.top + a.origine.y);
                int verifies = 0;
                for (const CP::Trait& t : CP::Contour(genre))
                {
                    if (t.drapeaux == CP::DRAPEAU_BORD)
                        continue;
                    sf::Vector2f d = t.fin - t.debut;
                    float l = std::hypot(d.x, d.y);
                    if (l < 8)
                        continue;
                    sf::Vector2f n(-d.y / l, d.x / l);
                    for (float u = 0.2f; u < 0.85f; u += 0.15f)
                    {
                        sf::Vector2f p = t.debut + d * u;
                        sf::Vector2f plein = p + n * 3.f, vide = p - n * 3.f;
                        if (tourne)
                        {
                            // l'image est tournée de 90° (sens horaire) : on revient au repère de l'image
                            plein = sf::Vector2f(plein.y, -plein.x);
                            vide = sf::Vector2f(vide.y, -vide.x);
                        }
                        // le côté plein se vérifie dans la tuile, le côté vide dans toute la cellule
                        auto Dedans = [&](sf::Vector2f q, bool tuile) {
                            if (a.planche == CP::PLANCHE_128)
                            {
                                float m = tuile ? 63 : 95;
                                return std::fabs(q.x) < m && std::fabs(q.y) < m;
                            }
                            return q.x > -a.origine.x + 1 && q.y > -a.origine.y + 1
                                   && q.x < a.rectangle.width - a.origine.x - 1
                                   && q.y < a.rectangle.height - a.origine.y - 1;
                        };
                        if (!Dedans(plein, true) || !Dedans(vide, false))
                            continue;
                        ++verifies;
                        EXPECT_GE(s.Alpha(origine.x + plein.x, origine.y + plein.y), 200)
                            << "zone " << zone << " genre " << genre << " colonne " << col << " en " << p.x << "," << p.y;
                        EXPECT_LE(s.Alpha(origine.x + vide.x, origine.y + vide.y), 40)
                            << "zone " << zone << " genre " << genre << " colonne " << col << " en " << p.x << "," << p.y;
                    }
                }
                if (!CP::Contour(genre).empty())
                {
                    EXPECT_GT(verifies, 0) << genre;
                }
            }
        }
    }
}

TEST(Terrain, LesVariantesAuHasardSontInterchangeablesEtSeRaccordent)
{
    Planches& pl = DeZone(1);
    for (int genre : CP::Genres())
    {
        CP::Apparence a = CP::Image(genre);
        if (a.planche != CP::PLANCHE_128 || a.colonne >= 0)
            continue;
        // les bords (10 px) des cinq variantes sont identiques
        for (int col = 1; col <= 4; ++col)
            for (int y = 0; y < 128; ++y)
                for (int x = 0; x < 128; ++x)
                {
                    if (x >= 10 && x < 118 && y >= 10 && y < 118)
                        continue;
                    uint32_t p0 = pl.p128->Pixel(32 + x, a.ligne * 192 + 32 + y);
                    uint32_t p1 = pl.p128->Pixel(col * 192 + 32 + x, a.ligne * 192 + 32 + y);
                    ASSERT_EQ(p0, p1) << genre << " variante " << col << " en " << x << "," << y;
                }
    }
    // sol contre sol et remplissage contre remplissage : le bord droit continue le bord gauche
    for (int ligne : {2, 5})
    {
        double ecart = 0;
        int n = 0;
        for (int y = 20; y < 120; ++y)
        {
            uint32_t d = pl.p128->Pixel(1 * 192 + 32 + 127, ligne * 192 + 32 + y);
            uint32_t g = pl.p128->Pixel(3 * 192 + 32, ligne * 192 + 32 + y);
            for (int k = 0; k < 24; k += 8)
                ecart += std::abs((int)((d >> k) & 255) - (int)((g >> k) & 255));
            n += 3;
        }
        EXPECT_LT(ecart / n, 24.0) << "raccord de la ligne " << ligne;
    }
}
