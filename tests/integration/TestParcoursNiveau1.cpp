// Val des Brises, acte 1, joué par sa route (tests/integration/routes/1.route) : les deux héros
// montent l'escalier de la falaise et traversent sur le radeau suspendu (ils l'attendent), puis Vanto
// reste sur la route basse (boucle, ravins aux radeaux, mare, marches), Tormundo saute du haut de la
// tour sur la route haute (îles, radeau de la route haute, île des ressorts, ressort en biais) ;
// chacun finit l'acte sans mourir en 60 à 110 s de jeu, le bilan compte ses bonus dans le score, puis
// l'acte 2 se charge.
#include "Campagne.h"
#include "SupportQt.h"

#include <QFile>

#include <gtest/gtest.h>

#include <iostream>

TEST(ParcoursNiveau1, LesDeuxHerosFinissentLActeSansMourir)
{
    if (!QFile::exists("data/map/1.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    for (int heros : {0, 1})
    {
        const ResultatActe r = JouerActe(heros, 1, 150.f);
        EXPECT_TRUE(r.erreurRoute.empty()) << r.erreurRoute;
        ASSERT_TRUE(r.finActe) << "héros " << heros << " arrêté vers x = " << r.xMax << " après " << r.sauts << " sauts";
        EXPECT_EQ(r.morts, 0) << "héros " << heros;
        // un acte qu'on ne traverse pas d'une traite : l'attente des radeaux compte
        EXPECT_GT(r.secondes, 60.f) << "héros " << heros;
        EXPECT_LT(r.secondes, 110.f) << "héros " << heros;
        EXPECT_GT(r.anneauxActe, 0) << "héros " << heros;
        // le panneau arrête l'acte ; le bilan ajoute le bonus de temps et 100 par anneau
        EXPECT_EQ(r.scoreBilan - r.scoreActe, GameInfos::BonusTemps(r.tempsActe) + 100 * r.anneauxBilan)
            << "héros " << heros;
        EXPECT_EQ(r.niveauSuivant, 2) << "héros " << heros;
        std::cout << "acte 1, héros " << heros << " : panneau à " << r.secondes << " s de jeu, " << r.sauts
                  << " sauts, " << r.morts << " morts, " << r.anneauxActe << " anneaux, score " << r.scoreActe << " → "
                  << r.scoreBilan << "\n";
    }
}
