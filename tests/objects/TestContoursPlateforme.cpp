#include "objects/ContoursPlateforme.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
typedef ContoursPlateforme CP;

std::vector<sf::Vector2f> Points(const std::vector<CP::Trait>& t)
{
    std::vector<sf::Vector2f> p;
    for (auto& s : t)
    {
        if (p.empty()) p.push_back(s.debut);
        p.push_back(s.fin);
    }
    return p;
}
} // namespace

TEST(ContoursPlateforme, QuartDeTubeDonneLesCinqPointsAttendus)
{
    auto p = Points(CP::Contour(1128214001));
    const float attendu[5][2] = {{-64, 64}, {-12.8f, 51.2f}, {25.6f, 25.6f}, {51.2f, -12.8f}, {64, -64}};
    ASSERT_EQ(p.size(), 5u);
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_NEAR(p[i].x, attendu[i][0], 1e-3) << i;
        EXPECT_NEAR(p[i].y, attendu[i][1], 1e-3) << i;
    }
    // les pièces de 256 ont neuf points, d'un coin à l'autre
    auto g = Points(CP::Contour(1256896010));
    ASSERT_EQ(g.size(), 9u);
    EXPECT_EQ(g.front(), sf::Vector2f(128, -128));
    EXPECT_EQ(g.back(), sf::Vector2f(-128, 128));
}

TEST(ContoursPlateforme, CouleursEtSensUnique)
{
    // magenta : les murs n'ont plus de segment, le coin garde un bord raccourci et son talon
    EXPECT_TRUE(CP::Contour(1128040001, CP::MAGENTA).empty());
    EXPECT_TRUE(CP::Contour(1128608001, CP::MAGENTA).empty());
    auto coin = CP::Contour(1128206001, CP::MAGENTA);
    ASSERT_EQ(coin.size(), 2u);
    EXPECT_EQ(coin[0].drapeaux, 61);
    EXPECT_EQ(coin[0].fin, sf::Vector2f(48, -64));
    EXPECT_EQ(coin[1].drapeaux, 4);
    auto rouge = CP::Contour(1128206001, CP::ROUGE);
    ASSERT_EQ(rouge.size(), 3u);
    for (auto& s : rouge)
        EXPECT_EQ(s.drapeaux, 125);
    // la boucle reste pleine quelle que soit la couleur
    for (auto& s : CP::Contour(2014789632, CP::MAGENTA))
        EXPECT_EQ(s.drapeaux, 125);
    EXPECT_EQ(CP::LireCouleur(255, 0, 255), CP::MAGENTA);
    EXPECT_EQ(CP::LireCouleur(0, 0, 255), CP::BLEU);
    EXPECT_EQ(CP::LireCouleur(254, 0, 0), CP::AUTRE);
}

TEST(ContoursPlateforme, GenresInconnusVidesEtNombresDeSegments)
{
    EXPECT_TRUE(CP::Contour(1999999999).empty());
    EXPECT_EQ(CP::Image(1999999999).planche, CP::AUCUNE);
    EXPECT_TRUE(CP::Contour(1128050001).empty());
    EXPECT_EQ(CP::Contour(2014789632).size(), 10u);
    EXPECT_EQ(CP::Contour(2000363001).size(), 22u);
    EXPECT_EQ(CP::Contour(2000218001).size(), 12u);
    EXPECT_EQ(CP::Contour(1576232001).size(), 12u);
    for (auto& s : CP::Contour(2000496001))
        EXPECT_EQ(s.drapeaux, 14);
}

TEST(ContoursPlateforme, LesNormalesDesTuilesPointentVersLaTuile)
{
    // pour toute tuile de 128 ou 256, le côté plein de chaque segment est dans la tuile
    for (int g : CP::Genres())
    {
        int taille = (g / 1000000) % 1000;
        if (g >= 2000000000 || (taille != 128 && taille != 256))
            continue;
        const float h = taille / 2.f;
        for (auto& s : CP::Contour(g))
        {
            if (s.drapeaux == 4)
                continue;
            sf::Vector2f d = s.fin - s.debut;
            float l = std::hypot(d.x, d.y);
            sf::Vector2f m = (s.debut + s.fin) * 0.5f + sf::Vector2f(-d.y, d.x) * (2.f / l);
            EXPECT_TRUE(std::fabs(m.x) < h && std::fabs(m.y) < h) << g;
        }
    }
}

TEST(ContoursPlateforme, ImagesDesGenres)
{
    EXPECT_EQ(CP::Image(1128020001).colonne, -1);
    EXPECT_EQ(CP::Image(1128020001).ligne, 2);
    EXPECT_EQ(CP::Image(1128214001).rectangle, sf::IntRect(7 * 192, 2 * 192, 192, 192));
    EXPECT_EQ(CP::Image(2000363001).rectangle, sf::IntRect(32, 1488, 640, 400));
    EXPECT_EQ(CP::Image(2000634001).rectangle, CP::Image(2000218001).rectangle);
}

namespace
{
// points du contour exprimés en pixels de l'image (cellule de 192 ou rectangle xl)
std::vector<sf::Vector2f> PointsDansImage(int genre)
{
    CP::Apparence a = CP::Image(genre);
    std::vector<sf::Vector2f> p;
    // chaînes mises bout à bout, sans perdre le début d'une chaîne disjointe
    for (auto& s : CP::Contour(genre))
    {
        if (p.empty() || p.back() != s.debut)
            p.push_back(s.debut);
        p.push_back(s.fin);
    }
    for (auto& q : p)
        q += a.origine;
    return p;
}

void ComparerPoints(int genre, const std::vector<float>& xy, int premier = 0, float tolerance = 0.15f)
{
    SCOPED_TRACE(genre);
    auto p = PointsDansImage(genre);
    ASSERT_GE(p.size(), premier + xy.size() / 2);
    for (size_t i = 0; i < xy.size() / 2; ++i)
    {
        EXPECT_NEAR(p[premier + i].x, xy[2 * i], tolerance) << "point " << premier + i;
        EXPECT_NEAR(p[premier + i].y, xy[2 * i + 1], tolerance) << "point " << premier + i;
    }
}
} // namespace

TEST(ContoursPlateforme, LesContoursTombentSurLesPointsDesImages)
{
    // quarts de tube et épaules de 128, en pixels de la cellule de 192
    ComparerPoints(1128896001, {160, 32, 108.8f, 44.8f, 70.4f, 70.4f, 44.8f, 108.8f, 32, 160});
    ComparerPoints(1128478001, {160, 160, 147.2f, 108.8f, 121.6f, 70.4f, 83.2f, 44.8f, 32, 32});
    ComparerPoints(1128632001, {32, 32, 44.8f, 83.2f, 70.4f, 121.6f, 108.8f, 147.2f, 160, 160});
    ComparerPoints(1128214001, {32, 160, 83.2f, 147.2f, 121.6f, 121.6f, 147.2f, 83.2f, 160, 32});
    ComparerPoints(1128412001, {32, 160, 44.8f, 108.8f, 70.4f, 70.4f, 108.8f, 44.8f, 160, 32});
    ComparerPoints(1128236001, {32, 32, 83.2f, 44.8f, 121.6f, 70.4f, 147.2f, 108.8f, 160, 160});
    ComparerPoints(1128874001, {160, 160, 108.8f, 147.2f, 70.4f, 121.6f, 44.8f, 83.2f, 32, 32});
    ComparerPoints(1128698001, {160, 32, 147.2f, 83.2f, 121.6f, 121.6f, 83.2f, 147.2f, 32, 160});
    // pentes et coins
    ComparerPoints(1128030025, {32, 80, 160, 112});
    ComparerPoints(1128010100, {32, 144, 160, 16});
    ComparerPoints(1128030100, {32, 16, 160, 144});
    ComparerPoints(1128402001, {36, 32, 160, 32});
    ComparerPoints(1128206001, {32, 32, 156, 32, 160, 36, 160, 160});
    // grands quarts de tube, en pixels du rectangle de 256
    ComparerPoints(1256896010, {256, 0, 199.1f, 7.1f, 149.3f, 21.3f, 106.7f, 42.7f, 71.1f, 71.1f, 42.7f, 106.7f,
                                21.3f, 149.3f, 7.1f, 199.1f, 0, 256});
    ComparerPoints(1256478010, {256, 256, 248.9f, 199.1f, 234.7f, 149.3f, 213.3f, 106.7f, 184.9f, 71.1f,
                                149.3f, 42.7f, 106.7f, 21.3f, 56.9f, 7.1f, 0, 0});
    ComparerPoints(1256632010, {0, 0, 7.1f, 56.9f, 21.3f, 106.7f, 42.7f, 149.3f, 71.1f, 184.9f, 106.7f, 213.3f,
                                149.3f, 234.7f, 199.1f, 248.9f, 256, 256});
    ComparerPoints(1256214010, {0, 256, 56.9f, 248.9f, 106.7f, 234.7f, 149.3f, 213.3f, 184.9f, 184.9f,
                                213.3f, 149.3f, 234.7f, 106.7f, 248.9f, 56.9f, 256, 0});
    // collines : la montante de 384 et la descendante de 576 (miroir)
    ComparerPoints(1384212001, {0, 160, 32, 160, 64, 157, 96, 150, 128, 138, 160, 120, 192, 96, 224, 72,
                                256, 54, 288, 42, 320, 35, 352, 32, 384, 32});
    ComparerPoints(1576232001, {0, 32, 48, 32, 96, 35, 144, 42, 192, 54, 240, 72, 288, 96, 336, 120,
                                384, 138, 432, 150, 480, 157, 528, 160, 576, 160});
    // vrilles : la piste commence 64 px avant l'image et finit 64 px après
    ComparerPoints(2000218001, {-64, 224, 32, 224, 64, 222, 96, 216, 128, 204, 160, 188, 192, 160, 224, 128,
                                256, 104, 288, 90, 320, 84, 352, 80, 384, 80});
    ComparerPoints(2000872001, {0, 80, 32, 80}, 0);
    ComparerPoints(2000872001, {192, 160}, 6);
    ComparerPoints(2000872001, {352, 224, 448, 224}, 11);
    // tube en S : paroi basse puis paroi haute
    ComparerPoints(2000363001, {0, 72, 192, 72, 224, 80, 256, 104, 280, 136, 288, 176, 288, 232, 304, 296,
                                336, 344, 384, 376, 448, 392, 640, 392, 640, 328, 448, 328, 408, 312,
                                384, 296, 360, 264, 352, 232, 352, 168, 336, 104, 304, 56, 256, 24, 192, 8, 0, 8});
}

TEST(ContoursPlateforme, CadreDeLaBoucleEtFaceAvant)
{
    // cadre : pont à y 16, faces extérieures x 48 et 496, dessous des piliers y 224, parois x 112 et 432,
    // morceau de plafond à y 48, en pixels du rectangle 544 x 352
    auto t = CP::Contour(2014789632);
    CP::Apparence a = CP::Image(2014789632);
    auto P = [&](sf::Vector2f q) { return q + a.origine; };
    EXPECT_EQ(P(t[9].debut), sf::Vector2f(52, 16));
    EXPECT_EQ(P(t[9].fin), sf::Vector2f(492, 16));
    EXPECT_EQ(P(t[5].debut), sf::Vector2f(48, 224));
    EXPECT_EQ(P(t[6].debut), sf::Vector2f(496, 20));
    EXPECT_EQ(P(t[0].debut), sf::Vector2f(112, 176));
    EXPECT_EQ(P(t[1].debut), sf::Vector2f(432, 224));
    EXPECT_EQ(P(t[2].debut), sf::Vector2f(304, 48));
    EXPECT_EQ(P(t[2].fin), sf::Vector2f(240, 48));
    // la face avant est le quart bas-droit de l'image du cadre : mêmes pixels
    CP::Apparence f = CP::Image(2014789633);
    EXPECT_EQ(f.rectangle, sf::IntRect(a.rectangle.left + 272, a.rectangle.top + 192, 272, 160));
    EXPECT_EQ(f.origine, sf::Vector2f(0, 0));
    // rondin flottant : il n'a pas de genre de tuile, mais son rectangle ne doit chevaucher aucune pièce
    const sf::IntRect tronc(672, 224, 128, 288);
    for (int g : CP::Genres())
    {
        CP::Apparence b = CP::Image(g);
        if (b.planche == CP::PLANCHE_XL)
        {
            EXPECT_FALSE(b.rectangle.intersects(tronc)) << g;
        }
    }
}
