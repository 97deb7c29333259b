// Val des Brises, acte 2, et l'acte caché, joués par leurs routes (routes/2.route, routes/99.route) :
// les deux héros montent par l'ascenseur et passent de tour en tour sur les radeaux ; Vanto prend
// ensuite la route basse (vrille, grande eau, ressort retourné, vrille verticale, tube) jusqu'au
// panneau et l'acte 3 suit ; Tormundo prend la route haute, passe les radeaux du lac, enfonce le mur
// fendu, entre dans le portail, joue l'acte 99 et son portail le ramène à l'acte 3. Aucune mort en
// route, et chacun reste de 60 à 110 s dans l'acte 2.
#include "Campagne.h"
#include "SupportQt.h"

#include <QFile>

#include <gtest/gtest.h>

#include <iostream>

TEST(ParcoursNiveau2, RouteBasseJusquAuPanneau)
{
    if (!QFile::exists("data/map/2.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    const ResultatActe r = JouerActe(0, 2, 200.f);
    EXPECT_TRUE(r.erreurRoute.empty()) << r.erreurRoute;
    ASSERT_TRUE(r.finActe) << "arrêté vers x = " << r.xMax << " après " << r.sauts << " sauts";
    EXPECT_EQ(r.morts, 0);
    EXPECT_EQ(r.scoreBilan - r.scoreActe, GameInfos::BonusTemps(r.tempsActe) + 100 * r.anneauxBilan);
    EXPECT_EQ(r.niveauSuivant, 3);
    EXPECT_GT(r.secondes, 60.f);
    EXPECT_LT(r.secondes, 110.f);
    std::cout << "acte 2, Vanto : panneau à " << r.secondes << " s de jeu, " << r.sauts << " sauts, "
              << r.anneauxActe << " anneaux\n";
}

TEST(ParcoursNiveau2, LePortailMeneALActeCacheQuiRameneAuTroisieme)
{
    if (!QFile::exists("data/map/2.map") || !QFile::exists("data/map/99.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    // Tormundo : l'acte 2 par le portail, puis l'acte 99 jusqu'à son portail
    const ResultatActe r = JouerActe(1, 2, 300.f, 1.f / 60.f, 3);
    EXPECT_TRUE(r.erreurRoute.empty()) << r.erreurRoute;
    EXPECT_EQ(r.niveaux, (std::vector<int>{2, 99})) << "arrêté vers x = " << r.xMax;
    EXPECT_EQ(r.niveauSuivant, 3);
    EXPECT_EQ(r.morts, 0);
    // de l'entrée dans l'acte 2 à celle dans l'acte caché
    ASSERT_EQ(r.debutsNiveaux.size(), 2u);
    const float dansActe2 = r.debutsNiveaux[1] - r.debutsNiveaux[0];
    EXPECT_GT(dansActe2, 60.f);
    EXPECT_LT(dansActe2, 110.f);
    std::cout << "acte 2 jusqu'au portail, Tormundo : " << dansActe2 << " s de jeu\n";
    std::cout << "actes 2 et 99, Tormundo : " << r.tempsTotal << " s de jeu, " << r.sauts << " sauts\n";
    // Vanto : l'acte caché seul
    const ResultatActe v = JouerActe(0, 99, 120.f, 1.f / 60.f, 3);
    EXPECT_EQ(v.niveaux, (std::vector<int>{99})) << "arrêté vers x = " << v.xMax;
    EXPECT_EQ(v.niveauSuivant, 3);
    EXPECT_EQ(v.morts, 0);
    std::cout << "acte 99, Vanto : " << v.tempsTotal << " s de jeu, " << v.sauts << " sauts\n";
}
