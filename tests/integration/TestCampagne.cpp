// Une partie entière jouée par les routes, de l'acte 1 au générique, sans mort : chaque acte
// enchaîne sur le suivant avec ce que le héros en garde (vies, score). Vanto suit la route basse
// de l'acte 2 ; Tormundo y prend le portail, joue l'acte caché et revient à l'acte 3. Le tableau
// des temps de jeu et des sauts de chaque acte est imprimé.
#include "Campagne.h"
#include "SupportQt.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>

TEST(Campagne, UnePartieEntiereJusquAuGeneriqueAvecChaqueHeros)
{
    for (int n : {1, 2, 3, 4, 5, 6, 99})
        if (!QFile::exists(QString("data/map/%1.map").arg(n)))
            GTEST_SKIP() << "niveaux non générés";
    AppQt();
    const std::vector<int> attendus[2] = {{1, 2, 3, 4, 5, 6}, {1, 2, 99, 3, 4, 5, 6}};
    for (int heros : {0, 1})
    {
        const ResultatActe r = JouerActe(heros, 1, 900.f, 1.f / 60.f, -1);
        const std::string qui = heros == 0 ? "Vanto" : "Tormundo";
        EXPECT_TRUE(r.erreurRoute.empty()) << r.erreurRoute;
        EXPECT_EQ(r.niveaux, attendus[heros]) << qui << " arrêté vers x = " << r.xMax;
        EXPECT_EQ(r.morts, 0) << qui;
        EXPECT_TRUE(r.generique) << qui;
        // actes finis par un panneau ou une capsule : les portails de l'acte 2 et de l'acte caché n'en sont pas
        const std::vector<int> finis = heros == 0 ? std::vector<int>{1, 2, 3, 4, 5, 6} : std::vector<int>{1, 3, 4, 5, 6};
        EXPECT_EQ(r.actesFinis, finis) << qui;
        for (size_t i = 0; i < r.actesFinis.size() && i < r.secondesActes.size(); ++i)
            std::printf("%s, acte %d : %.1f s de jeu, %d sauts\n", qui.c_str(), r.actesFinis[i], r.secondesActes[i],
                        r.sautsActes[i]);
        // temps et sauts dans chaque niveau, carton et bilan compris, jusqu'au suivant ou au générique
        for (size_t i = 0; i < r.niveaux.size(); ++i)
        {
            const bool dernier = i + 1 >= r.debutsNiveaux.size();
            std::printf("%s, niveau %d : %.1f s de jeu, %d sauts jusqu'à la suite\n", qui.c_str(), r.niveaux[i],
                        (dernier ? r.tempsTotal : r.debutsNiveaux[i + 1]) - r.debutsNiveaux[i],
                        (dernier ? r.sauts : r.sautsNiveaux[i + 1]) - r.sautsNiveaux[i]);
        }
        std::printf("%s, partie entière : %.1f s de jeu, %d sauts, %d morts\n", qui.c_str(), r.tempsTotal, r.sauts,
                    r.morts);
    }
}
