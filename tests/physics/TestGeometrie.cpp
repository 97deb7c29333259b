#include "physics/Segment.h"
#include "physics/Vecteur.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;
}

TEST(Vecteur, NormaliseALaConstructionEtResteNulSiNul)
{
    Vecteur v(3.f, -4.f);
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.y, -0.8f);
    EXPECT_FLOAT_EQ(v.Scalaire(sf::Vector2f(10.f, 5.f)), 2.f);
    Vecteur nul(0.f, 0.f);
    EXPECT_EQ(nul.x, 0.f);
    EXPECT_EQ(nul.y, 0.f);
}

TEST(Segment, AnglesDesHuitDirections)
{
    const sf::Vector2f o(0.f, 0.f);
    struct Cas { sf::Vector2f b; double angle; } cas[] = {
        {{10.f, 0.f}, 0.0},           {{10.f, -10.f}, PI / 4},     {{0.f, -10.f}, PI / 2},
        {{-10.f, -10.f}, 3 * PI / 4}, {{-10.f, 0.f}, PI},          {{-10.f, 10.f}, 5 * PI / 4},
        {{0.f, 10.f}, 3 * PI / 2},    {{10.f, 10.f}, 7 * PI / 4},
    };
    for (const Cas& c : cas)
    {
        Segment s(o, c.b, 0);
        EXPECT_NEAR(s.Angle(), c.angle, 1e-12) << c.b.x << "," << c.b.y;
        // La direction suit la convention (cos θ, −sin θ) et la normale (sin θ, cos θ)
        EXPECT_NEAR(s.Direction().x, std::cos(c.angle), 1e-6);
        EXPECT_NEAR(s.Direction().y, -std::sin(c.angle), 1e-6);
        EXPECT_NEAR(s.Normale().x, std::sin(c.angle), 1e-6);
        EXPECT_NEAR(s.Normale().y, std::cos(c.angle), 1e-6);
    }
    // Angles exacts pour les axes
    EXPECT_TRUE(Segment(o, {10.f, 0.f}, 0).EstHorizontal());
    EXPECT_TRUE(Segment(o, {-10.f, 0.f}, 0).EstHorizontal());
    EXPECT_TRUE(Segment(o, {0.f, 10.f}, 0).EstVertical());
    EXPECT_TRUE(Segment({0.f, 100.f}, o, 0).EstVertical());
    EXPECT_FALSE(Segment(o, {10.f, 10.f}, 0).EstHorizontal());
}

TEST(Segment, HorizontalDansLesDeuxSens)
{
    Segment s({0.f, 10.f}, {100.f, 10.f}, SEG_SOL);
    EXPECT_EQ(s.Angle(), 0.0);
    EXPECT_FLOAT_EQ(s.Normale().y, 1.f);
    EXPECT_FLOAT_EQ(s.ProjA(), 0.f);
    EXPECT_FLOAT_EQ(s.ProjB(), 100.f);
    EXPECT_FLOAT_EQ(s.DistanceOrigine(), 10.f);
    EXPECT_EQ(s.Drapeaux(), SEG_SOL);

    Segment r({100.f, 10.f}, {0.f, 10.f}, 0);
    EXPECT_EQ(r.Angle(), PI);
    EXPECT_FLOAT_EQ(r.Normale().y, -1.f);
    EXPECT_NEAR(r.Normale().x, 0.f, 1e-7);
    EXPECT_FLOAT_EQ(r.ProjA(), -100.f);
    EXPECT_FLOAT_EQ(r.ProjB(), 0.f);
    EXPECT_FLOAT_EQ(r.DistanceOrigine(), -10.f);
}

TEST(Segment, ExtremitesConfonduesSansNaN)
{
    Segment s({5.f, 5.f}, {5.f, 5.f}, 125);
    EXPECT_EQ(s.Angle(), PI);
    EXPECT_FALSE(std::isnan(s.Direction().x) || std::isnan(s.Normale().y) || std::isnan(s.DistanceOrigine()));
    EXPECT_FLOAT_EQ(s.Direction().x, -1.f);
    EXPECT_FLOAT_EQ(s.Normale().y, -1.f);
    EXPECT_FLOAT_EQ(s.ProjA(), s.ProjB());
    EXPECT_FLOAT_EQ(s.DistanceOrigine(), -5.f);
}

TEST(Segment, DeplacerGardeAngleEtNormale)
{
    Segment s({0.f, 10.f}, {100.f, 10.f}, 0);
    s.Deplacer({5.f, 3.f});
    EXPECT_EQ(s.Angle(), 0.0);
    EXPECT_FLOAT_EQ(s.Normale().y, 1.f);
    EXPECT_FLOAT_EQ(s.ProjA(), 5.f);
    EXPECT_FLOAT_EQ(s.ProjB(), 105.f);
    EXPECT_FLOAT_EQ(s.DistanceOrigine(), 13.f);
    EXPECT_EQ(s.A(), sf::Vector2f(5.f, 13.f));
}

TEST(Segment, Intersections)
{
    Segment s({0.f, 10.f}, {100.f, 10.f}, 0);
    Segment d({20.f, 0.f}, {40.f, 40.f}, 0);
    EXPECT_EQ(s.Intersection(d), sf::Vector2f(25.f, 10.f));
    // Sur les droites infinies, hors de l'étendue
    EXPECT_EQ(s.Intersection({-50.f, 0.f}, {-50.f, 1.f}), sf::Vector2f(-50.f, 10.f));
    // Parallèles : (0, 0)
    Segment p({0.f, 20.f}, {100.f, 20.f}, 0);
    EXPECT_EQ(s.Intersection(p), sf::Vector2f(0.f, 0.f));
    // Seconde droite dégénérée (p == q) : aussi (0, 0)
    EXPECT_EQ(s.Intersection({3.f, 3.f}, {3.f, 3.f}), sf::Vector2f(0.f, 0.f));
}
