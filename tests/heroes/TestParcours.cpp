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

// Boucle : assez vite, le héros passe la voûte en restant au sol ; trop lent, il s'arrête au pied
TEST(Parcours, BoucleFranchieAssezViteArretAuPiedSinon)
{
    for (float vitesse : {1300.f, 600.f})
    {
        Banc b(0, {600.f, 400.f});
        b.Sol(500.f, -1000.f, 1000.f);
        b.Sol(1500.f);
        std::vector<sf::Vector2f> boucle;
        const float cx = 1000.f, cy = 300.f, r = 200.f;
        for (int k = 0; k <= 32; ++k)
        {
            const float t = float(k) * 2.f * 3.14159265f / 32.f;
            boucle.push_back({std::round(cx + r * std::sin(t)), std::round(cy + r * std::cos(t))});
        }
        b.Chaine(boucle, SEG_SOL | SEG_CONTINUITE);
        b.Poser();
        Heros& h = *b.heros;
        h.ChangerEtat(HEROS_COURSE);
        h.forceMoteur.norme = vitesse;
        float yMin = h.position.y;
        bool voute = false, decroche = false;
        for (int i = 0; i < 120; ++i)
        {
            // lent : sans direction, le frottement s'ajoute à la pente
            b.Frame([&] {
                if (vitesse > 1000.f)
                    h.Droite();
                else
                    h.SansDirection();
            });
            yMin = std::min(yMin, h.position.y);
            voute = voute || (h.sol && h.position.y < cy - r + 40.f);
            decroche = decroche || (!h.sol && h.position.x > cx + 60.f && h.position.y < cy);
        }
        if (vitesse > 1000.f)
        {
            EXPECT_TRUE(voute) << "plus haut : " << yMin;
            EXPECT_FALSE(decroche);
        }
        else
        {
            // s'arrête au pied de la boucle, debout sur la pente douce
            EXPECT_FALSE(voute) << "plus haut : " << yMin;
            EXPECT_NE(h.sol, nullptr);
            EXPECT_GT(yMin, 400.f);
            EXPECT_EQ(h.Etat(), HEROS_DEBOUT);
        }
        EXPECT_NE(h.Etat(), HEROS_MORT);
    }
}
