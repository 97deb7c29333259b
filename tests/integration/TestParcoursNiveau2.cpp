// Le niveau 2 se parcourt droite tenue, avec un saut dès que le héros piétine, jusqu'à l'arène
// du bout de l'acte : sans tomber hors du niveau en route (les robots peuvent le blesser),
// et l'écran s'y verrouille pour le combat contre le boss.
#include "Pilote.h"
#include "SupportQt.h"

#include <QFile>

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
    Arrivee r;
    Pilote pilote(heros, 2);
    Heros* h = pilote.heros;
    AppGame& app = *pilote.app;
    int viesAvant = h ? h->Vies() : 0;
    int etatAvant = h ? h->Etat() : 0;
    while (h && pilote.Temps() < limiteSecondes)
    {
        const float t = pilote.Temps();
        pilote.Frame();
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
