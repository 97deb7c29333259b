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
