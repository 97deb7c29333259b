#include "SupportQt.h"

#include "game/AppGame.h"
#include "game/GameEngine.h"
#include "game/GameOptions.h"
#include "game/LevelManager.h"
#include "game/SceneGraphique.h"
#include "objects/Debris.h"
#include "screens/Ecran.h"
#include "shell/MyQtSFMLWindow.h"

#include "game/GameOptions.h"
#include "heroes/Tormundo.h"
#include "heroes/Vanto.h"

#include <QFile>

#include <gtest/gtest.h>

// Moteur éteint : rien ne bouge mais les listes sont vidées ; allumé : les cercles volent
TEST(MoteurJeu, EteintRienNeBouge_AllumeLesCorpsAvancent)
{
    AppQt();
    MyQtSFMLWindow::DefinirDureeFrame(1.f / 60.f);
    SceneGraphique scene;
    scene.FixerTaille(4096, 2048);
    GameEngine moteur(&scene);
    GameOptions::Instance()->DefinirHerosChoisi(1);
    Heros* h = moteur.CreerHeros();
    EXPECT_NE(dynamic_cast<Tormundo*>(h), nullptr);
    GameOptions::Instance()->DefinirHerosChoisi(7); // inconnu : le héros reste
    EXPECT_EQ(moteur.CreerHeros(), h);
    GameOptions::Instance()->DefinirHerosChoisi(0);
    EXPECT_NE(dynamic_cast<Vanto*>(moteur.CreerHeros()), nullptr);
    Debris d(&scene, {1000.f, 1000.f});
    GameEngine::AjouterCercle(&d);
    moteur.Etape();
    EXPECT_EQ(d.position, sf::Vector2f(1000.f, 1000.f));
    EXPECT_TRUE(GameEngine::Cercles().empty());

    scene.FixerEtatScene(SCENE_PRETE);
    moteur.Activer();
    GameEngine::AjouterCercle(&d);
    moteur.Etape();
    EXPECT_EQ(scene.EtatScene(), SCENE_JEU);
    EXPECT_NE(d.position, sf::Vector2f(1000.f, 1000.f));
    EXPECT_TRUE(GameEngine::Cercles().empty());
    // non inscrit à cette frame : il ne bouge plus
    const sf::Vector2f p = d.position;
    moteur.Etape();
    EXPECT_EQ(d.position, p);
    moteur.Desactiver();
    EXPECT_FALSE(moteur.Actif());
}

// Le niveau choisi est le premier chargé, puis le choix est oublié
TEST(MoteurJeu, NiveauChoisiChargeEnPremier)
{
    AppQt();
    GameOptions::Instance()->DefinirNiveauChoisi(3);
    AppGame jeu(nullptr);
    EXPECT_EQ(jeu.Scene().EtatScene(), SCENE_SUIVANTE);
    jeu.Executer();
    EXPECT_EQ(jeu.Chargeur().NumeroNiveau(), 3);
    EXPECT_EQ(GameOptions::Instance()->NiveauChoisi(), 0);
    EXPECT_EQ(jeu.Chargeur().Etape(), 1);
    EXPECT_EQ(jeu.temps, 0.f);
}

// Le dernier niveau fini, la partie passe au générique au lieu d'un niveau vide ;
// un niveau choisi, lui, se charge
TEST(MoteurJeu, ApresLeDernierNiveauLeGenerique)
{
    AppQt();
    int dernier = 0;
    while (QFile::exists(LevelManager::Chemin(dernier + 1)))
        ++dernier;
    if (dernier == 0)
        GTEST_SKIP() << "niveaux non générés";
    Ecran::DemanderEcran(1);
    {
        GameOptions::Instance()->DefinirNiveauChoisi(0);
        AppGame jeu(nullptr);
        // le dernier niveau vient de finir
        jeu.Chargeur().FixerNiveau(dernier);
        jeu.Executer();
        EXPECT_EQ(Ecran::EcranDemande(), LevelManager::ECRAN_GENERIQUE);
        EXPECT_EQ(jeu.Chargeur().NumeroNiveau(), dernier);
        EXPECT_EQ(jeu.Chargeur().Etape(), 0);
    }
    Ecran::DemanderEcran(1);
    {
        GameOptions::Instance()->DefinirNiveauChoisi(dernier);
        AppGame jeu(nullptr);
        jeu.Executer();
        EXPECT_EQ(Ecran::EcranDemande(), 1);
        EXPECT_EQ(jeu.Chargeur().NumeroNiveau(), dernier);
    }
    GameOptions::Instance()->DefinirNiveauChoisi(0);
}
