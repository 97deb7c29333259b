// Le niveau 2 se parcourt droite tenue, avec un saut dès que le héros piétine, jusqu'à l'arène
// du bout de l'acte : sans tomber hors du niveau en route (les robots peuvent le blesser),
// et l'écran s'y verrouille pour le combat contre le boss.
#include "SupportQt.h"

#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "engine/SourceTemps.h"
#include "game/AppGame.h"
#include "game/GameOptions.h"
#include "heroes/Heros.h"
#include "shell/MyQtSFMLWindow.h"

#include <QFile>

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

namespace
{
struct Arrivee
{
    float xMax = 0.f, xPremiereMort = -1.f, secondes = 0.f;
    int morts = 0, chutes = 0, limiteGauche = 0;
};

Arrivee CourirJusquALArene(int heros, float limiteSecondes)
{
    const float dt = 1.f / 60.f;
    SourceTemps::Manuel(true);
    MyQtSFMLWindow::DefinirDureeFrame(dt);
    GameOptions::Instance()->DefinirHerosChoisi(heros);
    GameOptions::Instance()->DefinirNiveauChoisi(2);
    sf::RenderTexture cible;
    cible.create(640, 480);
    Arrivee r;
    {
        AppGame app(nullptr);
        Heros* h = app.Moteur().HerosCourant();
        float xRepere = 0.f, tRepere = 0.f, tSaut = -10.f;
        int viesAvant = h ? h->Vies() : 0;
        int etatAvant = h ? h->Etat() : 0;
        for (int frame = 0; h && frame < int(limiteSecondes / dt); ++frame)
        {
            const float t = frame * dt;
            if (app.Scene().EtatScene() == SCENE_JEU && !h->CommandesBloquees())
            {
                h->Droite();
                if (t - tRepere > 0.4f && h->position.x - xRepere < 24.f && t - tSaut > 0.9f)
                    tSaut = t;
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
            // mort par chute : sous la limite basse du niveau au moment de mourir
            if (h->Etat() == HEROS_MORT && etatAvant != HEROS_MORT &&
                h->position.y > float(app.Scene().LimiteBas()) - 40.f && ++r.chutes == 1)
                r.xPremiereMort = h->position.x;
            etatAvant = h->Etat();
            if (h->Vies() < viesAvant)
                ++r.morts;
            viesAvant = h->Vies();
            if (app.Scene().EtatScene() == SCENE_JEU)
                r.xMax = std::max(r.xMax, h->position.x);
            // le boss a vu la caméra au bord droit : la vue est fermée sur l'arène
            if (app.Scene().LimiteGauche() > 8000)
            {
                r.limiteGauche = app.Scene().LimiteGauche();
                r.secondes = t;
                break;
            }
        }
    }
    MoteurGraphique::Instance()->Vider(true);
    MoteurAudio::Instance()->ArreterTout();
    SourceTemps::Manuel(false);
    return r;
}
} // namespace

TEST(ParcoursNiveau2, LesDeuxHerosAtteignentLAreneDuBossSansTomber)
{
    if (!QFile::exists("data/map/2.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    for (int heros : {0, 1})
    {
        const Arrivee r = CourirJusquALArene(heros, 120.f);
        EXPECT_EQ(r.chutes, 0) << "héros " << heros << " : tombé hors du niveau vers x = " << r.xPremiereMort;
        // l'arène : les 640 derniers pixels avant la limite droite (8832)
        EXPECT_EQ(r.limiteGauche, 8832 - 640) << "héros " << heros << " arrêté vers x = " << r.xMax;
        std::cout << "héros " << heros << " : arène atteinte en " << r.secondes << " s, " << r.morts << " morts, " << r.chutes << " chutes\n";
    }
}
