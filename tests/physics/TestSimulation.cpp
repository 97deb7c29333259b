#include "Monde.h"

#include "engine/SourceTemps.h"
#include "shell/MyQtSFMLWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{
const float DT = 1.f / 60.f;

// Chaque frame avance le temps de test d'une durée fixe
void Frames(Monde& m, int n)
{
    for (int i = 0; i < n; ++i)
    {
        SourceTemps::Avancer(sf::seconds(DT));
        m.Frame(DT);
    }
}
}

class Simulation : public ::testing::Test
{
protected:
    void SetUp() override { SourceTemps::Manuel(true); }
    void TearDown() override { SourceTemps::Manuel(false); }
};

TEST_F(Simulation, CercleLacheSurUnSolSyPoseEtYReste)
{
    Monde m({200.f, 100.f});
    m.Ajouter({new Segment({0.f, 500.f}, {1000.f, 500.f}, SEG_SOL)});
    int frames = 0;
    while (!m.cercle.sol && frames < 600)
    {
        Frames(m, 1);
        ++frames;
        ASSERT_LE(m.cercle.position.y, 470.f);
    }
    ASSERT_NE(m.cercle.sol, nullptr);
    const sf::Vector2f pose = m.cercle.position;
    EXPECT_NEAR(pose.y, 500.f - 30.05f, 1e-3);
    float yMin = pose.y, yMax = pose.y, xMin = pose.x, xMax = pose.x;
    for (int i = 0; i < 600; ++i)
    {
        Frames(m, 1);
        yMin = std::min(yMin, m.cercle.position.y);
        yMax = std::max(yMax, m.cercle.position.y);
        xMin = std::min(xMin, m.cercle.position.x);
        xMax = std::max(xMax, m.cercle.position.x);
    }
    EXPECT_EQ(yMin, pose.y);
    EXPECT_EQ(yMax, pose.y);
    EXPECT_LT(xMax - xMin, 1e-3f);
    EXPECT_EQ(m.cercle.forceGravite.norme, 0.f);
}

TEST_F(Simulation, SolDessineALEnversLaissePasser)
{
    Monde m({200.f, 100.f});
    m.Ajouter({new Segment({1000.f, 500.f}, {0.f, 500.f}, SEG_SOL)});
    Frames(m, 300);
    EXPECT_EQ(m.cercle.sol, nullptr);
    EXPECT_GT(m.cercle.position.y, 600.f);
}

TEST_F(Simulation, ChaineDePentesEgalesSuivieParContinuite)
{
    // Trois segments de même angle, descendant vers la droite, en trois polygones
    Monde m({0.f, 0.f});
    const sf::Vector2f p[4] = {{0.f, 500.f}, {200.f, 600.f}, {400.f, 700.f}, {600.f, 800.f}};
    for (int i = 0; i < 3; ++i)
        m.Ajouter({new Segment(p[i], p[i + 1], SEG_SOL | SEG_CONTINUITE)});
    const Segment* premier = m.polygones[0]->Segments()[0];
    const Segment* dernier = m.polygones[2]->Segments()[0];
    ASSERT_EQ(premier->Angle(), dernier->Angle());
    // Posé sur le premier, lancé le long de la pente
    const sf::Vector2f n(premier->Normale().x, premier->Normale().y);
    m.cercle.position = sf::Vector2f(20.f, 510.f) - n * 30.05f;
    m.cercle.sol = m.polygones[0]->Segments()[0];
    m.cercle.forceMoteur.angle = premier->Angle();
    m.cercle.forceMoteur.norme = 300.f;
    bool surDernier = false;
    for (int i = 0; i < 120 && m.cercle.position.x < 560.f; ++i)
    {
        Frames(m, 1);
        // Distance du centre à la droite de la chaîne : rayon + marge
        const float ecart = premier->Normale().Scalaire(m.cercle.position) - premier->DistanceOrigine();
        ASSERT_NEAR(ecart, -30.05f, 0.05f) << "frame " << i;
        ASSERT_NE(m.cercle.sol, nullptr);
        surDernier = surDernier || m.cercle.sol == dernier;
    }
    EXPECT_TRUE(surDernier);
    EXPECT_GT(m.cercle.position.x, 500.f);
}

TEST_F(Simulation, CercleLanceContreUnMurSArreteDevant)
{
    Monde m({0.f, 0.f});
    m.Ajouter({new Segment({0.f, 500.f}, {600.f, 500.f}, SEG_SOL)});
    m.Ajouter({new Segment({600.f, 500.f}, {600.f, 300.f}, SEG_COTE | SEG_EXTREMITE)});
    m.cercle.position = {300.f, 500.f - 30.05f};
    m.cercle.sol = m.polygones[0]->Segments()[0];
    m.cercle.forceMoteur.norme = 300.f;
    float xMax = 0.f;
    for (int i = 0; i < 180; ++i)
    {
        Frames(m, 1);
        xMax = std::max(xMax, m.cercle.position.x);
    }
    EXPECT_LE(xMax, 600.f - 30.f + 300.f * DT);
    EXPECT_NEAR(m.cercle.position.x, 600.f - 30.05f, 1e-3);
    EXPECT_EQ(m.cercle.forceMoteur.norme, 0.f);
    EXPECT_NEAR(m.cercle.position.y, 500.f - 30.05f, 1e-3);
}
