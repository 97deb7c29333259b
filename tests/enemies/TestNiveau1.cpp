// Niveau 1 au clavier : droite tenue, un saut après 1,2 s ; le premier robot, posé sur le sol
// près du départ, est détruit en retombant dessus.
#include "SupportQt.h"

#include "enemies/Drovik.h"
#include "enemies/Ecureuil.h"
#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "engine/SourceTemps.h"
#include "game/AppGame.h"
#include "game/GameOptions.h"
#include "game/Quadtree.h"
#include "heroes/Heros.h"
#include "shell/MyQtSFMLWindow.h"

#include <QFile>

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

namespace
{
template <typename T> void Collecter(QuadtreeNode* n, std::vector<T*>& r)
{
    for (ElementScenique* e : n->Elements())
        if (T* t = dynamic_cast<T*>(e))
            r.push_back(t);
    for (int i = 0; i < 4; ++i)
        if (n->Enfant(i))
            Collecter(n->Enfant(i), r);
}
template <typename T> std::vector<T*> Tous(SceneGraphique& s)
{
    std::vector<T*> r;
    if (s.Index())
        Collecter(&s.Index()->Racine(), r);
    return r;
}
}

TEST(Niveau1, LePremierRobotTombeSousLeSaut)
{
    if (!QFile::exists("data/map/1.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    const float dt = 1.f / 60.f;
    SourceTemps::Manuel(true);
    MyQtSFMLWindow::DefinirDureeFrame(dt);
    GameOptions::Instance()->DefinirHerosChoisi(0);
    GameOptions::Instance()->DefinirNiveauChoisi(1);
    sf::RenderTexture cible;
    cible.create(640, 480);
    {
        AppGame app(nullptr);
        Heros* h = app.Moteur().HerosCourant();
        ASSERT_NE(h, nullptr);
        float t0 = -1.f;
        Drovik* premier = nullptr;
        bool poseAuSol = false, animal = false;
        std::size_t robots = 0;
        for (int frame = 0; frame < 60 * 15; ++frame)
        {
            const float t = frame * dt;
            if (t0 < 0.f && app.Scene().EtatScene() == SCENE_JEU && !h->CommandesBloquees() && h->sol)
            {
                t0 = t;
                std::vector<Drovik*> r = Tous<Drovik>(app.Scene());
                robots = r.size();
                for (Drovik* d : r)
                    if (!premier || d->PositionElement().x < premier->PositionElement().x)
                        premier = d;
                ASSERT_NE(premier, nullptr);
                EXPECT_GE(premier->PositionElement().x, 900.f);
                EXPECT_LE(premier->PositionElement().x, 1400.f);
            }
            const float u = t0 < 0.f ? -1.f : t - t0;
            if (u > 3.f)
                break;
            if (u >= 0.f)
            {
                h->Droite();
                if (u > 1.2f && u < 1.45f)
                    h->SautMaintenu();
                else
                    h->SautRelache();
                // vu avant le coup : sur le sol, sous le trajet du héros
                if (h->Score() == 0 && premier->sol)
                    poseAuSol = true;
            }
            app.temps += dt;
            app.Executer();
            MoteurGraphique::Instance()->Afficher(cible);
            SourceTemps::Avancer(sf::seconds(dt));
            if (h->Score() == 100 && !animal)
                animal = Tous<Ecureuil>(app.Scene()).size() == 1;
        }
        EXPECT_TRUE(poseAuSol);
        EXPECT_EQ(h->Score(), 100);
        EXPECT_EQ(Tous<Drovik>(app.Scene()).size() + 1, robots);
        EXPECT_TRUE(animal) << "le crabe libère un écureuil";
        EXPECT_GE(h->Anneaux(), 2) << "pas blessé en chemin";
        EXPECT_NE(h->Etat(), HEROS_BLESSE);
    }
    MoteurGraphique::Instance()->Vider(true);
    MoteurAudio::Instance()->ArreterTout();
    SourceTemps::Manuel(false);
}
