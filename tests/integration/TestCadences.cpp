// Le jeu se joue de même à toutes les cadences : le niveau 1 se finit sans mort et dans le même
// temps à 30, 60 et 120 images par seconde, et une frame lente ne fait pas un grand pas (le jeu
// ralentit au lieu de traverser le décor).
#include "Pilote.h"
#include "SupportQt.h"

#include "engine/SourceTemps.h"
#include "game/AppGame.h"
#include "game/GameOptions.h"
#include "heroes/Heros.h"
#include "screens/Application.h"
#include "screens/Ecran.h"
#include "shell/MyQMainWindow.h"
#include "shell/MyQtSFMLWindow.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace
{
struct Course
{
    bool fini = false;
    int morts = 0;
    float secondes = 0.f; // du début du jeu au panneau
    std::string erreurRoute;
};

// Le niveau 1 suivi par sa route, jusqu'au panneau de fin
Course Courir(int heros, float dt)
{
    Course c;
    Pilote p(heros, 1, dt);
    Heros* h = p.heros;
    if (!h)
        return c;
    int vies = h->Vies();
    float debut = -1.f;
    while (p.Temps() < 200.f && !c.fini)
    {
        p.Frame();
        const int etat = p.app->Scene().EtatScene();
        if (debut < 0.f && etat == SCENE_JEU)
            debut = p.Temps();
        if (h->Vies() < vies)
            ++c.morts;
        vies = h->Vies();
        if (etat == SCENE_FIN_ACTE)
        {
            c.fini = true;
            c.secondes = p.Temps() - debut;
        }
    }
    c.erreurRoute = p.erreurRoute;
    return c;
}
} // namespace

// Fin du niveau 1 à 30, 60 et 120 images/s ; écart relatif des temps au panneau, le plus grand des deux héros
static float FinirAuxTroisCadences()
{
    float ecart = 0.f;
    for (int heros : {0, 1})
    {
        float plusCourt = 1e9f, plusLong = 0.f;
        for (int images : {30, 60, 120})
        {
            const Course c = Courir(heros, 1.f / float(images));
            EXPECT_TRUE(c.erreurRoute.empty()) << c.erreurRoute;
            EXPECT_TRUE(c.fini) << "héros " << heros << " à " << images << " images/s";
            EXPECT_EQ(c.morts, 0) << "héros " << heros << " à " << images << " images/s";
            std::printf("héros %d, %3d images/s : panneau à %.2f s, %d mort(s)\n", heros, images, c.secondes, c.morts);
            if (c.fini)
            {
                plusCourt = std::min(plusCourt, c.secondes);
                plusLong = std::max(plusLong, c.secondes);
            }
        }
        if (plusLong > 0.f)
            ecart = std::max(ecart, plusLong / plusCourt - 1.f);
    }
    return ecart;
}

// Le jeu avance par pas réguliers : même route, mêmes temps à toute cadence
TEST(Cadences, LeNiveau1SeFinitSansMortEtDansLeMemeTempsA30_60Et120ImagesParSeconde)
{
    if (!QFile::exists("data/map/1.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    const float ecart = FinirAuxTroisCadences();
    std::printf("écart des temps au panneau : %.1f %%\n", 100.f * ecart);
    EXPECT_LT(ecart, 0.1f);
}

// Des à-coups de 0,4 s (fenêtre déplacée, dialogue) au milieu de frames de 1/60 s, pendant le jeu
TEST(Cadences, UneFrameLenteNeFaitQuUnPasBorne)
{
    if (!QFile::exists("data/map/1.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    SourceTemps::Manuel(true);
    GameOptions::Instance()->DefinirHerosChoisi(0);
    GameOptions::Instance()->DefinirNiveauChoisi(1);
    auto* fenetre = new MyQMainWindow();
    fenetre->show();
    AppQt()->processEvents();
    Ecran::DemanderEcran(5);
    MyQtSFMLWindow* canvas = fenetre->Canvas();
    float dureeMax = 0.f, pasMax = 0.f, mesureCourte = 0.f;
    Heros* heros = nullptr;
    int viesDepart = -1;
    for (int i = 0; i < 60 * 12; ++i)
    {
        const bool lente = i % 90 == 89;
        SourceTemps::Avancer(sf::seconds(lente ? 0.4f : 1.f / 60.f));
        Application* app = canvas->EcranNumero(5)->App();
        const float avant = app ? app->temps : 0.f;
        canvas->Actualiser();
        dureeMax = std::max(dureeMax, MyQtSFMLWindow::DureeFrame());
        if (!lente)
            mesureCourte = MyQtSFMLWindow::DureeFrame();
        if (app && app == canvas->EcranNumero(5)->App())
            pasMax = std::max(pasMax, app->temps - avant);
        if (auto* jeu = dynamic_cast<AppGame*>(app))
        {
            heros = jeu->Moteur().HerosCourant();
            if (heros && viesDepart < 0)
                viesDepart = heros->Vies();
        }
    }
    EXPECT_EQ(canvas->EcranCourant(), 5);
    // les frames courtes sont mesurées telles quelles, les lentes bornées à 1/20 s
    EXPECT_NEAR(mesureCourte, 1.f / 60.f, 1e-4f);
    EXPECT_LE(dureeMax, 1.f / 20.f + 1e-6f);
    EXPECT_LE(pasMax, 1.f / 20.f + 1e-6f);
    ASSERT_NE(heros, nullptr);
    EXPECT_EQ(heros->Vies(), viesDepart);
    delete fenetre;
    SourceTemps::Manuel(false);
}
