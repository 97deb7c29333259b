// Les actes 3 et 6 joués avec leur fichier de route : la course mène chaque héros sans mort
// jusqu'à l'arène, la vue s'y ferme, le boss se réveille et se voit ; après une mort, le héros
// revient au point de passage et le combat reprend ; la capsule du boss vaincu finit l'acte.
#include "Pilote.h"
#include "SupportQt.h"

#include "enemies/BossFinal.h"
#include "enemies/BossFinal_Tete.h"
#include "enemies/SilverVanto.h"
#include "game/Camera.h"
#include "game/LevelManager.h"
#include "game/Quadtree.h"
#include "objects/FinZone.h"

#include <QFile>

#include <gtest/gtest.h>

#include <iostream>
#include <vector>

namespace
{
template <typename T> void Collecter(QuadtreeNode* n, std::vector<T*>& r)
{
    for (ElementScenique* e : n->Elements())
        if (T* t = dynamic_cast<T*>(e))
            if (!e->aSupprimer)
                r.push_back(t);
    for (int i = 0; i < 4; ++i)
        if (n->Enfant(i))
            Collecter(n->Enfant(i), r);
}
template <typename T> T* Premier(AppGame& app)
{
    std::vector<T*> r;
    if (app.Scene().Index())
        Collecter(&app.Scene().Index()->Racine(), r);
    return r.empty() ? nullptr : r[0];
}

struct Course
{
    int morts = 0, sauts = 0;
    float secondes = -1.f;     // arrivée du combat (le boss quitte son attente)
    float reprise = -1.f;      // reprise du combat après une mort
    int vuesCorps = 0, images = 0;
};

int EtatBoss(AppGame& app)
{
    if (SilverVanto* s = Premier<SilverVanto>(app))
        return s->Etat();
    if (BossFinal* b = Premier<BossFinal>(app))
        return b->Etat();
    return -1;
}

// Joue l'acte jusqu'au réveil du boss ; avec mourir, le héros meurt là puis le combat doit reprendre
Course Courir(int heros, int niveau, bool mourir)
{
    Course c;
    Pilote p(heros, niveau);
    Heros* h = p.heros;
    AppGame& app = *p.app;
    int vies = h->Vies();
    bool mort = false, recharge = false;
    while (p.Temps() < 150.f)
    {
        p.Frame();
        if (h->Vies() < vies)
            ++c.morts;
        vies = h->Vies();
        const int e = EtatBoss(app);
        if (mort && e == 0)
            recharge = true;
        if (app.Scene().EtatScene() != SCENE_JEU || e <= 0)
            continue;
        if (c.secondes < 0.f)
        {
            c.secondes = p.Temps();
            if (!mourir)
                break;
        }
        // le robot final, réveillé et hors de ses sauts, est dans la vue
        if (BossFinal* b = Premier<BossFinal>(app))
            if (b->Etat() >= BossFinal::OUVERTURE && (b->Etat() < BossFinal::SAUT || b->Etat() > BossFinal::VISEE))
            {
                const sf::Vector2f v = app.Scene().CameraScene()->Vue().getCenter();
                const sf::FloatRect vue(v.x - 320.f, v.y - 240.f, 640.f, 480.f);
                ++c.images;
                c.vuesCorps += vue.contains(b->position) && b->tete && vue.contains(b->tete->position) ? 1 : 0;
            }
        if (mourir && !mort && p.Temps() > c.secondes + 15.f)
        {
            mort = true;
            h->ChangerEtat(HEROS_MORT);
        }
        if (recharge && c.reprise < 0.f)
        {
            c.reprise = p.Temps();
            break;
        }
    }
    c.sauts = p.sauts;
    EXPECT_EQ(p.erreurRoute, "");
    return c;
}
} // namespace

TEST(ActesBoss, LesCoursesMenentChaqueHerosALArenePuisLeCombatReprendApresUneMort)
{
    if (!QFile::exists("data/map/3.map") || !QFile::exists("data/map/6.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    for (int niveau : {3, 6})
    {
        for (int heros : {0, 1})
        {
            const Course c = Courir(heros, niveau, false);
            std::cout << "acte " << niveau << ", héros " << heros << " : combat en " << c.secondes << " s, "
                      << c.sauts << " sauts, " << c.morts << " morts\n";
            EXPECT_EQ(c.morts, 0) << niveau << " " << heros;
            EXPECT_GT(c.secondes, 0.f) << niveau << " " << heros;
        }
        const Course r = Courir(0, niveau, true);
        std::cout << "acte " << niveau << " : combat en " << r.secondes << " s, repris à " << r.reprise
                  << " s après une mort ; boss dans la vue " << r.vuesCorps << " images sur " << r.images << "\n";
        EXPECT_GT(r.reprise, r.secondes);
        if (niveau == 6)
        {
            EXPECT_GE(r.vuesCorps, r.images * 9 / 10);
        }
    }
}

// Le boss vaincu lâche sa capsule ; le héros qui tombe sur son bouton finit l'acte : après l'acte 3
// vient l'acte 4, après l'acte 6, dernier de la partie, le générique
TEST(ActesBoss, LaCapsuleOuverteMeneALActe4ApresLActe3EtAuGeneriqueApresLActe6)
{
    if (!QFile::exists("data/map/3.map") || !QFile::exists("data/map/6.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    for (int niveau : {3, 6})
    {
        Pilote p(0, niveau);
        Heros* h = p.heros;
        AppGame& app = *p.app;
        bool vaincu = false, pose = false, fin = false, generique = false;
        int suivant = niveau;
        while (p.Temps() < 120.f)
        {
            p.Frame();
            if (!vaincu && app.Scene().EtatScene() == SCENE_JEU && EtatBoss(app) > 0)
            {
                vaincu = true;
                if (SilverVanto* s = Premier<SilverVanto>(app))
                    s->ChangerEtat(Boss::ETAT_VAINCU);
                if (BossFinal* b = Premier<BossFinal>(app))
                    b->ChangerEtat(BossFinal::VAINCU);
            }
            FinZone* z = vaincu && !pose ? Premier<FinZone>(app) : nullptr;
            if (z && z->fige)
            {
                // posée : le héros tombe sur son bouton
                pose = true;
                h->ReinitialiserForces();
                h->Decoller();
                h->position = h->positionSuivante = h->positionPrecedente = z->position - sf::Vector2f(0.f, 160.f);
            }
            // il tombe droit, quoi que dise la route
            if (pose && !fin)
            {
                const FinZone* c = Premier<FinZone>(app);
                h->forceMoteur.norme = 0.f;
                h->position.x = h->positionSuivante.x = c ? c->position.x : h->position.x;
            }
            fin = fin || app.Scene().EtatScene() == SCENE_FIN_ACTE;
            if (Ecran::EcranDemande() == LevelManager::ECRAN_GENERIQUE)
            {
                generique = true;
                break;
            }
            if (fin && app.Scene().EtatScene() == SCENE_JEU && app.Chargeur().NumeroNiveau() != niveau)
            {
                suivant = app.Chargeur().NumeroNiveau();
                break;
            }
        }
        std::cout << "acte " << niveau << " : capsule posée " << pose << ", fin d'acte " << fin << ", niveau suivant "
                  << suivant << ", générique " << generique << " à " << p.Temps() << " s\n";
        EXPECT_TRUE(pose && fin) << niveau;
        if (niveau == 3)
        {
            EXPECT_EQ(suivant, 4);
        }
        else
        {
            EXPECT_TRUE(generique);
        }
    }
}
