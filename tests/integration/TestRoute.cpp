// Les fichiers de route : lecture des étapes, des préfixes de héros et des fautes.
#include "Route.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(Route, LectureEtFautesSignalees)
{
    Route r;
    std::string erreur;
    const std::string texte = "# commentaire\n"
                              "x>1800 sol saut 0.2   # ressort\n"
                              "vanto: x>2600 y<900 auto non\n"
                              "tormundo: t>12.5 charge 4\n"
                              "attendre 1\n"
                              "repere\n"
                              "r>2.5 e>0.1 saut   # temps depuis le repère, depuis l'étape d'avant\n"
                              "fin\n";
    ASSERT_TRUE(r.Lire(texte, 0, &erreur)) << erreur;
    EXPECT_EQ(r.NombreEtapes(), 6); // la ligne de Tormundo est sautée
    ASSERT_TRUE(r.Lire(texte, 1, &erreur)) << erreur;
    EXPECT_EQ(r.NombreEtapes(), 6);

    for (const char* faux : {"x>abc saut", "z>3 saut", "x>3", "attendre", "auto peut-etre", "saut 1 2", "x>nan saut", "r>abc saut", "e<"})
    {
        EXPECT_FALSE(r.Lire(faux, 0, &erreur)) << faux;
        EXPECT_NE(erreur.find("ligne 1"), std::string::npos) << faux;
        EXPECT_EQ(r.NombreEtapes(), 0);
    }
}

// Toutes les routes livrées se lisent, pour les deux héros
TEST(Route, RoutesLivreesLisibles)
{
    const QDir dossier("tests/integration/routes");
    for (const QFileInfo& f : dossier.entryInfoList({"*.route"}, QDir::Files))
        for (int heros : {0, 1})
        {
            Route r;
            std::string erreur;
            EXPECT_TRUE(r.Charger(f.filePath().toStdString(), heros, &erreur)) << f.fileName().toStdString() << " " << erreur;
        }
}
