// Les deux premiers actes de la Station Orbitale se finissent avec chaque héros, sans mort,
// en suivant leurs routes (routes/4.route, routes/5.route) en une à deux minutes de jeu, et
// l'acte suivant se charge (ou le générique, dans un arbre sans l'acte 6).
#include "Campagne.h"
#include "SupportQt.h"

#include <QFile>

#include <iostream>

#include <gtest/gtest.h>

namespace
{
void Finir(int niveau, int heros)
{
    if (!QFile::exists(QString("data/map/%1.map").arg(niveau)))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    const ResultatActe r = JouerActe(heros, niveau, 240.f);
    const std::string qui = "acte " + std::to_string(niveau) + ", héros " + std::to_string(heros);
    EXPECT_TRUE(r.erreurRoute.empty()) << r.erreurRoute;
    EXPECT_EQ(r.morts, 0) << qui;
    ASSERT_TRUE(r.finActe) << qui << " bloqué vers x = " << r.xMax << " après " << r.sauts << " sauts";
    // la route d'un joueur qui connaît l'acte : entre une et deux minutes de jeu (on attend
    // l'ascenseur, les plates-formes, on s'arrête au bord des fosses)
    EXPECT_GT(r.secondes, 60.f) << qui;
    EXPECT_LT(r.secondes, 110.f) << qui;
    EXPECT_GT(r.anneauxActe, 0) << qui;
    if (QFile::exists(QString("data/map/%1.map").arg(niveau + 1)))
        EXPECT_EQ(r.niveauSuivant, niveau + 1) << qui;
    else
        EXPECT_TRUE(r.generique) << qui;
    std::cout << qui << " : panneau à " << r.secondes << " s de jeu, " << r.sauts << " sauts, " << r.morts
              << " morts, " << r.anneauxActe << " anneaux\n";
}
} // namespace

TEST(ParcoursStation, Acte4Vanto) { Finir(4, 0); }
TEST(ParcoursStation, Acte4Tormundo) { Finir(4, 1); }
TEST(ParcoursStation, Acte5Vanto) { Finir(5, 0); }
TEST(ParcoursStation, Acte5Tormundo) { Finir(5, 1); }
