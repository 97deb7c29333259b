#include "Banc.h"

#include <gtest/gtest.h>

#include <cmath>

// Petit parcours : plat, montée, plateau, descente, trou à sauter, plat jusqu'au bout
TEST(Parcours, DroiteTenueEtUnSautAuBonMomentMenentAuBout)
{
    for (int choix : {0, 1})
    {
        Banc b(choix, {100.f, 400.f});
        b.Chaine({{-100.f, 500.f}, {800.f, 500.f}, {1200.f, 350.f}, {1600.f, 350.f}, {2000.f, 500.f},
                  {2600.f, 500.f}});
        b.Chaine({{2800.f, 500.f}, {5000.f, 500.f}});
        b.Poser();
        Heros& h = *b.heros;
        bool aMonte = false;
        int frames = 0;
        while (h.position.x < 4500.f && frames < 60 * 30 && h.Etat() != HEROS_MORT)
        {
            const bool sauter = h.position.x > 2400.f && h.position.x < 2700.f;
            b.Frame([&] {
                h.Droite();
                if (sauter)
                    h.SautMaintenu();
                else
                    h.SautRelache();
            });
            if (h.position.x > 1250.f && h.position.x < 1550.f && h.sol)
                aMonte = aMonte || std::fabs(h.position.y - (350.f - 30.05f)) < 2.f;
            ++frames;
        }
        EXPECT_GE(h.position.x, 4500.f) << "héros " << choix << " arrêté en " << h.position.x << ", état " << h.Etat();
        EXPECT_TRUE(aMonte) << choix;
        EXPECT_NE(h.Etat(), HEROS_MORT);
        EXPECT_LT(frames * Banc::DT, 12.f);
    }
}

// Bloc fermé comme une tuile : au bout du dessus, le héros quitte le sol et tombe
TEST(Parcours, CourirAuBoutDUnBlocFaitTomber)
{
    Banc b(0, {300.f, 400.f});
    b.Chaine({{0.f, 500.f}, {1000.f, 500.f}, {1000.f, 800.f}, {0.f, 800.f}, {0.f, 500.f}});
    b.Sol(1500.f);
    b.Poser();
    Heros& h = *b.heros;
    bool chute = false;
    for (int i = 0; i < 600 && h.position.x < 1300.f; ++i)
    {
        b.Frame([&] { h.Droite(); });
        chute = chute || (h.Etat() == HEROS_CHUTE && h.sol == nullptr && h.position.x > 970.f);
    }
    EXPECT_TRUE(chute);
    EXPECT_NE(h.Etat(), HEROS_MORT);
    b.Frames(120, [&] { h.Droite(); });
    EXPECT_NEAR(h.position.y, 1500.f - 30.05f, 1.f);
    EXPECT_NE(h.sol, nullptr);
}
