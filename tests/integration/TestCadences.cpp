// Le jeu se joue de même à toutes les cadences : une frame lente ne fait pas un grand pas
// (le jeu ralentit au lieu de traverser le décor).
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
