// Le niveau 1 se parcourt avec des commandes simples : droite tenue, et un saut dès que
// le héros piétine, jusqu'au panneau de fin (x 7680) en passant la boucle grâce aux bornes de couche,
// puis le bilan compte ses bonus dans le score et l'acte 2 se charge.
#include "SupportQt.h"

#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "engine/SourceTemps.h"
#include "game/AppGame.h"
#include "game/GameInfos.h"
#include "game/GameOptions.h"
#include "heroes/Heros.h"
#include "shell/MyQtSFMLWindow.h"

#include <QFile>

#include <SFML/Graphics/RenderTexture.hpp>

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
    int scoreActe = -1, anneauxActe = 0, scoreBilan = -1, niveauApres = 0;
    float tempsActe = 0.f;
};

Parcours Courir(int heros, float limiteSecondes, float xBut)
{
    const float dt = 1.f / 60.f;
    SourceTemps::Manuel(true);
    MyQtSFMLWindow::DefinirDureeFrame(dt);
    GameOptions::Instance()->DefinirHerosChoisi(heros);
    GameOptions::Instance()->DefinirNiveauChoisi(1);
    sf::RenderTexture cible;
    cible.create(640, 480);
    Parcours p;
    {
        AppGame app(nullptr);
        Heros* h = app.Moteur().HerosCourant();
        float xRepere = 0.f, tRepere = 0.f, tSaut = -10.f;
        int viesAvant = h ? h->Vies() : 0;
        for (int frame = 0; h && frame < int(limiteSecondes / dt); ++frame)
        {
            const float t = frame * dt;
            const bool enJeu = app.Scene().EtatScene() == SCENE_JEU;
            if (enJeu && !h->CommandesBloquees())
            {
                h->Droite();
                // piétine depuis 0,4 s : on saute, tenu 0,35 s
                if (t - tRepere > 0.4f && h->position.x - xRepere < 24.f && t - tSaut > 0.9f)
                {
                    tSaut = t;
                    ++p.sauts;
                }
                if (t - tSaut < 0.35f)
                    h->SautMaintenu();
                else
                    h->SautRelache();
            }
            if (t - tRepere > 0.4f)
            {
                xRepere = h->position.x;
                tRepere = t;
            }
            app.temps += dt;
            app.Executer();
            MoteurGraphique::Instance()->Afficher(cible);
            SourceTemps::Avancer(sf::seconds(dt));
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
            // le bilan fini, le niveau suivant se charge : on s'arrête là
            if (p.finActe && p.scoreBilan < 0 && app.Scene().EtatScene() != SCENE_FIN_ACTE)
                p.scoreBilan = h->Score();
            if (p.scoreBilan >= 0 && app.Chargeur().NumeroNiveau() != 1)
            {
                p.niveauApres = app.Chargeur().NumeroNiveau();
                break;
            }
        }
    }
    MoteurGraphique::Instance()->Vider(true);
    MoteurAudio::Instance()->ArreterTout();
    SourceTemps::Manuel(false);
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
        EXPECT_EQ(p.scoreBilan - p.scoreActe, GameInfos::BonusTemps(p.tempsActe) + 100 * p.anneauxActe)
            << "héros " << heros;
        EXPECT_GT(p.anneauxActe, 0);
        EXPECT_EQ(p.niveauApres, 2);
        std::cout << "héros " << heros << " : x " << p.xMax << " en " << p.secondes << " s, " << p.sauts << " sauts, "
                  << p.morts << " morts ; panneau à " << p.tempsActe << " s avec " << p.anneauxActe
                  << " anneaux, score " << p.scoreActe << " → " << p.scoreBilan << "\n";
    }
}
