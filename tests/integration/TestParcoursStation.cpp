// Les deux premiers actes de la Station Orbitale se finissent avec chaque héros, sans mort,
// en suivant leurs routes (routes/4.route, routes/5.route), et l'acte suivant se charge.
#include "Campagne.h"
#include "SupportQt.h"

#include <QFile>

#include <iostream>

#include <gtest/gtest.h>

TEST(ParcoursStation, ActesQuatreEtCinqFinisSansMort)
{
    if (!QFile::exists("data/map/4.map") || !QFile::exists("data/map/5.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    for (int niveau : {4, 5})
        for (int heros : {0, 1})
        {
            const ResultatActe r = JouerActe(heros, niveau, 240.f);
            const std::string qui = "acte " + std::to_string(niveau) + ", héros " + std::to_string(heros);
            EXPECT_TRUE(r.erreurRoute.empty()) << r.erreurRoute;
            EXPECT_EQ(r.morts, 0) << qui;
            ASSERT_TRUE(r.finActe) << qui << " bloqué vers x = " << r.xMax << " après " << r.sauts << " sauts";
            // un joueur qui connaît la route finit en moins de deux minutes de jeu
            EXPECT_LT(r.secondes, 120.f) << qui;
            EXPECT_GT(r.anneauxActe, 0) << qui;
            // l'acte 6 absent (arbre sans lui), la partie passe au générique
            if (QFile::exists(QString("data/map/%1.map").arg(niveau + 1)))
                EXPECT_EQ(r.niveauSuivant, niveau + 1) << qui;
            else
                EXPECT_TRUE(r.generique) << qui;
            std::cout << qui << " : panneau à " << r.secondes << " s de jeu, " << r.sauts << " sauts, " << r.morts
                      << " morts, " << r.anneauxActe << " anneaux\n";
        }
}
