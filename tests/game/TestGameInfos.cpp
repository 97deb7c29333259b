#include "engine/SourceTemps.h"
#include "game/GameInfos.h"
#include "game/SceneGraphique.h"
#include "heroes/Vanto.h"
#include "screens/Ecran.h"

#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <gtest/gtest.h>

#include <set>

namespace
{
// Les touches et boutons enfoncés sont ceux que l'essai tient
struct InfosEssai : GameInfos
{
    using GameInfos::GameInfos;
    std::set<int> tenues;
    bool EntreeEnfoncee(int entree) const override { return tenues.count(entree) > 0; }
};

struct Partie
{
    SceneGraphique scene;
    Vanto heros;
    InfosEssai infos;
    Partie() : heros(&scene), infos(&scene)
    {
        SourceTemps::Manuel(true);
        infos.FixerHeros(&heros);
        scene.FixerEtatScene(SCENE_JEU);
        infos.Montrer();
    }
    ~Partie() { SourceTemps::Manuel(false); }
    void Frames(int n)
    {
        for (int i = 0; i < n; ++i)
        {
            SourceTemps::Avancer(sf::seconds(1.f / 60.f));
            infos.Animer();
        }
    }
};
}

TEST(GameInfos, FormatsDesTextes)
{
    EXPECT_EQ(GameInfos::TexteScore(0), std::string(11, ' ') + "0");
    EXPECT_EQ(GameInfos::TexteScore(123456), std::string(6, ' ') + "123456");
    EXPECT_EQ(GameInfos::TexteScore(1500), std::string(8, ' ') + "1500");
    EXPECT_EQ(GameInfos::TexteTemps(65.3f), "     1'05");
    EXPECT_EQ(GameInfos::TexteTemps(599.f), "     9'59");
    EXPECT_EQ(GameInfos::TexteTemps(0.f), "     0'00");
    EXPECT_EQ(GameInfos::TexteAnneaux(7), "        7");
    EXPECT_EQ(GameInfos::TexteAnneaux(42), "       42");
    EXPECT_EQ(GameInfos::TexteAnneaux(100), "      100");
    EXPECT_EQ(GameInfos::TexteVies(3), "x 3");
    EXPECT_EQ(GameInfos::TexteVies(12), "x12");
    EXPECT_EQ(GameInfos::TexteBonus(0), std::string(23, ' ') + "0");
    EXPECT_EQ(GameInfos::TexteBonus(5000), std::string(20, ' ') + "5000");
    EXPECT_EQ(GameInfos::BonusTemps(59.9f), 5000);
    EXPECT_EQ(GameInfos::BonusTemps(60.f), 4000);
    EXPECT_EQ(GameInfos::BonusTemps(179.f), 2000);
    EXPECT_EQ(GameInfos::BonusTemps(299.f), 500);
    EXPECT_EQ(GameInfos::BonusTemps(300.f), 0);
}

TEST(GameInfos, HorlogeArreteeHorsDuJeuEtLimiteDeTemps)
{
    Partie p;
    p.infos.FixerTemps(12.f);
    EXPECT_EQ(p.infos.TempsNiveau(), 12.f);
    p.scene.FixerEtatScene(SCENE_FIN_ACTE);
    p.infos.FixerTemps(20.f);
    EXPECT_EQ(p.infos.TempsNiveau(), 12.f);
    p.scene.FixerEtatScene(SCENE_JEU);
    p.infos.FixerTemps(600.f);
    p.Frames(1);
    EXPECT_EQ(p.infos.TempsNiveau(), 599.f);
    EXPECT_EQ(p.heros.Etat(), HEROS_MORT);
    EXPECT_EQ(p.infos.ValeurTemps().getString().toAnsiString(), "     9'59");
}

TEST(GameInfos, BilanDActeCompteDepuisLaLigneDArrivee)
{
    Partie p;
    p.heros.AjouterAnneaux(17);
    p.heros.AjouterScore(300);
    p.infos.FixerTemps(59.9f);
    // longtemps après la construction : la phase 0 doit quand même durer 4,5 s
    p.Frames(600);
    p.scene.FixerEtatScene(SCENE_FIN_ACTE);
    p.Frames(260);
    EXPECT_EQ(p.infos.EtapeResultats(), 0);
    p.Frames(30);
    EXPECT_GE(p.infos.EtapeResultats(), 1);
    int frames = 0;
    while (p.scene.EtatScene() == SCENE_FIN_ACTE && frames < 6000)
    {
        p.Frames(1);
        ++frames;
    }
    EXPECT_EQ(p.scene.EtatScene(), SCENE_SUIVANTE);
    EXPECT_EQ(p.infos.EtapeResultats(), 0);
    EXPECT_EQ(p.heros.Score(), 300 + 5000 + 1700);
    EXPECT_EQ(p.infos.BonusTotal(), 6700);
    EXPECT_EQ(p.infos.BonusTempsRestant(), 0);
    EXPECT_EQ(p.infos.BonusAnneauxRestant(), 0);
}

TEST(GameInfos, CompteAReboursNoieEtLAirRetrouveLArrete)
{
    Partie p;
    p.heros.Reinitialiser();
    p.heros.FixerEchelleTemps(0.5f);
    p.Frames(60 * 18);
    ASSERT_FALSE(p.heros.AirRestant());
    EXPECT_TRUE(p.infos.AlerteOxygene());
    EXPECT_EQ(p.infos.CompteARebours(), 5);
    p.Frames(60 * 6);
    EXPECT_LT(p.infos.CompteARebours(), 5);
    // de l'air : l'alarme cesse, puis le compte repart de 5
    p.heros.RelancerAir();
    p.Frames(1);
    EXPECT_FALSE(p.infos.AlerteOxygene());
    p.Frames(60 * 18);
    EXPECT_EQ(p.infos.CompteARebours(), 5);
    p.Frames(60 * 13);
    EXPECT_EQ(p.heros.Etat(), HEROS_NOYE);
    EXPECT_EQ(p.heros.masque, 0);
}

// Fin de partie : les mots se rejoignent ; seul un appui fait après leur rencontre ramène au titre
TEST(GameInfos, FinDePartieLesMotsSeRejoignentPuisUnNouvelAppuiRameneAuTitre)
{
    Partie p;
    Ecran::DemanderEcran(5);
    // le joueur tient droite en perdant sa dernière vie, et appuie sur un bouton pendant que les mots glissent
    p.infos.tenues = {sf::Keyboard::Right};
    p.heros.vies = 0;
    p.Frames(1);
    EXPECT_TRUE(p.infos.FinDePartie());
    p.Frames(20);
    p.infos.tenues.insert(sf::Keyboard::KeyCount + 2);
    p.Frames(180);
    EXPECT_TRUE(p.infos.MotsReunis());
    EXPECT_EQ(p.infos.Game().getPosition().x, 240.f);
    EXPECT_EQ(p.infos.Over().getPosition().x, 400.f);
    p.infos.FixerTemps(30.f);
    EXPECT_NE(p.infos.TempsNiveau(), 30.f);
    // tenus depuis avant la rencontre : rien, même longtemps après
    p.Frames(60 * 5);
    EXPECT_EQ(Ecran::EcranDemande(), 5);
    // relâchés puis droite enfoncée de nouveau : le titre
    p.infos.tenues.clear();
    p.Frames(1);
    EXPECT_EQ(Ecran::EcranDemande(), 5);
    p.infos.tenues = {sf::Keyboard::Right};
    p.Frames(1);
    EXPECT_EQ(Ecran::EcranDemande(), 1);
    Ecran::DemanderEcran(0);
}
