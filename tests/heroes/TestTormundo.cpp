#include "Banc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{
// Un rebord puis un sol très bas : la place de planer
void Rebord(Banc& b)
{
    b.Chaine({{-1000.f, 500.f}, {300.f, 500.f}});
    b.Sol(2500.f);
    b.Poser();
}

// Saut, relâche, nouvel appui : le vol plané commence
void Planer(Banc& b)
{
    Heros& h = *b.heros;
    b.Frame([&] { h.SautRelache(); });
    b.Frame([&] { h.SautMaintenu(); });
    b.Frames(5, [&] { h.SautMaintenu(); });
    b.Frame([&] { h.SautRelache(); });
    b.Frame([&] { h.SautMaintenu(); });
}
}

TEST(Tormundo, PlaneTourneEtSAccrocheAuMur)
{
    Banc b(1);
    Rebord(b);
    Heros& h = *b.heros;
    EXPECT_EQ(h.masse, 175.f);
    Planer(b);
    ASSERT_EQ(h.Etat(), HEROS_PLANE);
    EXPECT_TRUE(h.EstDangereux(nullptr));
    const float y0 = h.position.y, x0 = h.position.x;
    b.Frames(30, [&] { h.SautMaintenu(); h.SansDirection(); });
    EXPECT_GT(h.position.x, x0 + 200.f);
    // chute lente et constante
    EXPECT_NEAR(h.position.y - y0, 60.f * 0.5f, 2.f);
    // virage vers la gauche : 180° à 170°/s
    b.Frame([&] { h.Gauche(); h.SautMaintenu(); });
    int frames = 0;
    while (h.ParametresMouvement().anglePlane > 0.f && frames < 200)
    {
        b.Frame([&] { h.SautMaintenu(); h.SansDirection(); });
        ++frames;
    }
    EXPECT_NEAR(frames * Banc::DT, 180.f / 170.f, 0.05f);
    EXPECT_LT(h.Vitesse(), 0.f);
    EXPECT_LT(h.forceMoteur.acceleration, 0.f);
    EXPECT_FALSE(h.VersLaDroite());
    // tout changement d'état rend la gravité normale
    h.ChangerEtat(HEROS_CHUTE);
    EXPECT_FLOAT_EQ(h.forceGravite.acceleration, 9.81f);
}

TEST(Tormundo, AccrocheGrimpeEtSauteDuMur)
{
    Banc b(1);
    b.Sol(500.f);
    b.Chaine({{700.f, 500.f}, {700.f, -1000.f}});
    b.Poser();
    Heros& h = *b.heros;
    Planer(b);
    ASSERT_EQ(h.Etat(), HEROS_PLANE);
    for (int i = 0; i < 120 && h.Etat() == HEROS_PLANE; ++i)
        b.Frame([&] { h.SautMaintenu(); h.SansDirection(); });
    ASSERT_EQ(h.Etat(), HEROS_ESCALADE);
    EXPECT_NEAR(h.position.x, 700.f - 30.f, 1.f);
    // reste accroché sans commande
    const float y0 = h.position.y;
    b.Frames(30, [&] { h.SautMaintenu(); h.HautRelache(); h.BasRelache(); });
    EXPECT_EQ(h.Etat(), HEROS_ESCALADE);
    EXPECT_NEAR(h.position.y, y0, 1.f);
    // grimpe à 120
    b.Frames(30, [&] { h.Haut(); h.SautMaintenu(); });
    EXPECT_NEAR(y0 - h.position.y, 60.f, 3.f);
    // saute à l'opposé du mur à 480
    b.Frame([&] { h.HautRelache(); h.SautRelache(); });
    b.Frame([&] { h.SautMaintenu(); });
    EXPECT_EQ(h.Etat(), HEROS_SAUT);
    EXPECT_FALSE(h.VersLaDroite());
    b.Frames(10, [&] { h.SautMaintenu(); });
    EXPECT_LT(h.position.x, 700.f - 60.f);
}

TEST(Tormundo, AtterritEnGlissadeFreineePuisSeRelevePlusLentQueSoixante)
{
    Banc b(1);
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    Planer(b);
    ASSERT_EQ(h.Etat(), HEROS_PLANE);
    for (int i = 0; i < 600 && h.Etat() == HEROS_PLANE; ++i)
        b.Frame([&] { h.SautMaintenu(); h.SansDirection(); });
    ASSERT_EQ(h.Etat(), HEROS_GLISSADE);
    EXPECT_NE(h.sol, nullptr);
    EXPECT_LT(h.forceMoteur.acceleration, 0.f);
    EXPECT_EQ(h.PhaseSaut(), -1);
    const float v = h.Vitesse();
    int frames = 0;
    while (h.Etat() == HEROS_GLISSADE && frames < 300)
    {
        b.Frame([&] { h.SautMaintenu(); h.SansDirection(); });
        ++frames;
    }
    EXPECT_EQ(h.Etat(), HEROS_RELEVE);
    // freinage de 144000 pour une masse de 175
    EXPECT_NEAR(frames * Banc::DT, (v - 60.f) / (144000.f / 175.f), 0.05f);
    b.Frames(30, [&] { h.SautMaintenu(); h.SansDirection(); });
    EXPECT_EQ(h.Etat(), HEROS_DEBOUT);
    EXPECT_EQ(h.Vitesse(), 0.f);
}

TEST(Tormundo, LacherLePlaneRalentitEtTombe)
{
    Banc b(1);
    Rebord(b);
    Heros& h = *b.heros;
    Planer(b);
    b.Frames(20, [&] { h.SautMaintenu(); h.SansDirection(); });
    const float v = h.Vitesse();
    b.Frame([&] { h.SautRelache(); h.SansDirection(); });
    EXPECT_EQ(h.Etat(), HEROS_LACHE);
    EXPECT_NEAR(h.Vitesse(), v * 0.25f, 30.f);
    for (int i = 0; i < 600 && !h.sol; ++i)
        b.Frame([&] { h.SautRelache(); h.SansDirection(); });
    EXPECT_EQ(h.Etat(), HEROS_RECEPTION_LACHE);

    // renvoyé par un boss en plein vol plané : il lâche le vol et retombe, même saut tenu
    Banc b2(1);
    Rebord(b2);
    Heros& h2 = *b2.heros;
    Planer(b2);
    b2.Frames(20, [&] { h2.SautMaintenu(); h2.SansDirection(); });
    ASSERT_EQ(h2.Etat(), HEROS_PLANE);
    const float y = h2.position.y;
    h2.Rebrousser();
    float yMin = y;
    int frames = 0;
    for (; frames < 600 && !h2.sol; ++frames)
    {
        b2.Frame([&] { h2.SautMaintenu(); h2.SansDirection(); });
        yMin = std::min(yMin, h2.position.y);
    }
    EXPECT_TRUE(h2.sol) << "toujours en l'air après " << frames << " frames, " << y - h2.position.y << " px plus haut";
    EXPECT_GT(yMin, y - 100.f);
}

// Quel que soit son état au passage de la ligne d'arrivée, le héros finit par courir vers la droite
TEST(FinDActe, ChaqueHerosRepartEnCourseADroite)
{
    enum { ACCROUPI, REGARD, CHARGE, PLANE, GLISSADE, ACCROCHE };
    struct Cas
    {
        int choix, quoi;
    };
    const Cas cas[] = {{0, ACCROUPI}, {0, REGARD}, {0, CHARGE}, {1, ACCROUPI}, {1, CHARGE},
                       {1, PLANE},    {1, GLISSADE}, {1, ACCROCHE}};
    for (const Cas& c : cas)
    {
        Banc b(c.choix, {400.f, 400.f});
        b.Sol(500.f);
        b.Chaine({{100.f, -1000.f}, {100.f, 500.f}});
        b.Poser();
        Heros& h = *b.heros;
        switch (c.quoi)
        {
        case ACCROUPI: b.Frame([&] { h.Bas(); h.SautRelache(); }); break;
        case REGARD: b.Frame([&] { h.Haut(); h.SautRelache(); }); break;
        case CHARGE:
            b.Frame([&] { h.Bas(); h.SautRelache(); });
            h.AppuiSaut();
            h.AppuiSaut();
            break;
        case PLANE:
            Planer(b);
            b.Frames(5, [&] { h.SautMaintenu(); h.SansDirection(); });
            break;
        case GLISSADE:
            Planer(b);
            for (int i = 0; i < 600 && h.Etat() == HEROS_PLANE; ++i)
                b.Frame([&] { h.SautMaintenu(); h.SansDirection(); });
            break;
        case ACCROCHE:
            // tourné vers la gauche, il plane jusqu'au mur et s'y accroche
            b.Frames(10, [&] { h.Gauche(); h.SautRelache(); });
            b.Frames(60, [&] { h.SansDirection(); h.SautRelache(); });
            Planer(b);
            for (int i = 0; i < 120 && h.Etat() == HEROS_PLANE; ++i)
                b.Frame([&] { h.SautMaintenu(); h.SansDirection(); });
            break;
        }
        const int avant = h.Etat();
        const float x0 = h.position.x;
        b.scene.FixerEtatScene(SCENE_FIN_ACTE);
        b.Frames(300, [&] { h.Gauche(); });
        EXPECT_EQ(h.Etat(), HEROS_COURSE) << c.choix << " " << avant;
        EXPECT_GT(h.Vitesse(), 300.f) << c.choix << " " << avant;
        EXPECT_GT(h.position.x, x0 + 300.f) << c.choix << " " << avant;
        EXPECT_EQ(h.Poussiere(), nullptr) << c.choix << " " << avant;
    }
}
