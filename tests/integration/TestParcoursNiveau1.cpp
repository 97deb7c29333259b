// Le niveau 1 se parcourt avec des commandes simples : droite tenue, et un saut dès que
// le héros piétine, jusqu'au panneau de fin (x 7680) en passant la boucle grâce aux bornes de couche,
// puis le bilan compte ses bonus dans le score et l'acte 2 se charge.
#include "Pilote.h"
#include "SupportQt.h"

#include "game/GameInfos.h"

#include <QFile>

#include <gtest/gtest.h>

namespace
{
struct Parcours
{
    float xMax = 0.f;
    int sauts = 0;
    int morts = 0;
    float xPremiereMort = 1e9f;
    float secondes = 0.f;
    // fin d'acte : score et anneaux au panneau, temps du niveau, score une fois le bilan compté
    bool finActe = false;
    int scoreActe = -1, anneauxActe = 0, anneauxBilan = -1, scoreBilan = -1, niveauApres = 0;
    float tempsActe = 0.f;
};

Parcours Courir(int heros, float limiteSecondes, float xBut)
{
    Parcours p;
    Pilote pilote(heros, 1);
    Heros* h = pilote.heros;
    AppGame& app = *pilote.app;
    int viesAvant = h ? h->Vies() : 0;
    while (h && pilote.Temps() < limiteSecondes)
    {
        const float t = pilote.Temps();
        const bool enJeu = app.Scene().EtatScene() == SCENE_JEU;
        pilote.Frame();
        if (h->Vies() < viesAvant && ++p.morts == 1)
            p.xPremiereMort = p.xMax;
        viesAvant = h->Vies();
        if (enJeu)
            p.xMax = std::max(p.xMax, h->position.x);
        if (p.xMax >= xBut && p.secondes == 0.f)
            p.secondes = t;
        if (!p.finActe && app.Scene().EtatScene() == SCENE_FIN_ACTE)
        {
            p.finActe = true;
            p.scoreActe = h->Score();
            p.anneauxActe = h->Anneaux();
            p.tempsActe = app.Infos().TempsNiveau();
        }
        // les anneaux comptés par le bilan (le héros court encore après le panneau)
        if (p.finActe && p.anneauxBilan < 0 && app.Infos().EtapeResultats() > 3)
            p.anneauxBilan = h->Anneaux();
        // le bilan fini, le niveau suivant se charge : on s'arrête là
        if (p.finActe && p.scoreBilan < 0 && app.Scene().EtatScene() != SCENE_FIN_ACTE)
            p.scoreBilan = h->Score();
        if (p.scoreBilan >= 0 && app.Chargeur().NumeroNiveau() != 1)
        {
            p.niveauApres = app.Chargeur().NumeroNiveau();
            break;
        }
    }
    p.sauts = pilote.sauts;
    return p;
}
} // namespace

TEST(ParcoursNiveau1, VantoEtTormundoAtteignentLeBout)
{
    if (!QFile::exists("data/map/1.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    for (int heros : {0, 1})
    {
        const Parcours p = Courir(heros, 100.f, 7600.f);
        EXPECT_GE(p.xMax, 7600.f) << "héros " << heros << " bloqué vers x = " << p.xMax << " après " << p.sauts
                                   << " sauts";
        // aucune mort : une mare mal posée laissait le héros « sous l'eau » jusqu'à la noyade, loin de l'eau
        EXPECT_EQ(p.morts, 0) << "héros " << heros << " : première mort vers x = " << p.xPremiereMort;
        // sans ralenti ni retour au point de passage, le bout est atteint en moins d'une minute (24 s et 35 s)
        EXPECT_LT(p.secondes, 60.f) << "héros " << heros;
        // le panneau arrête l'acte ; le bilan ajoute le bonus de temps et 100 par anneau, puis l'acte 2 se charge
        ASSERT_TRUE(p.finActe) << "héros " << heros;
        EXPECT_EQ(p.scoreBilan - p.scoreActe, GameInfos::BonusTemps(p.tempsActe) + 100 * p.anneauxBilan)
            << "héros " << heros;
        EXPECT_GT(p.anneauxActe, 0);
        EXPECT_GE(p.anneauxBilan, 0);
        EXPECT_EQ(p.niveauApres, 2);
        std::cout << "héros " << heros << " : x " << p.xMax << " en " << p.secondes << " s, " << p.sauts << " sauts, "
                  << p.morts << " morts ; panneau à " << p.tempsActe << " s avec " << p.anneauxActe
                  << " anneaux, score " << p.scoreActe << " → " << p.scoreBilan << "\n";
    }
}
