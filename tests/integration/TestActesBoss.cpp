// Les actes 3 et 6 joués avec leur fichier de route : chaque héros court jusqu'à l'arène, la vue
// s'y ferme, le boss se réveille et se voit ; après une mort, le héros revient au point de passage
// et le combat reprend ; sans mort, la route bat le boss et la capsule finit l'acte.
#include "Campagne.h"
#include "SupportQt.h"

#include "enemies/BossFinal.h"
#include "enemies/BossFinal_Tete.h"
#include "enemies/SilverVanto.h"
#include "game/Camera.h"
#include "game/LevelManager.h"
#include "game/Quadtree.h"

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

TEST(ActesBoss, ApresUneMortDansLAreneLeCombatReprend)
{
    if (!QFile::exists("data/map/3.map") || !QFile::exists("data/map/6.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    for (int niveau : {3, 6})
    {
        const Course r = Courir(0, niveau, true);
        std::cout << "acte " << niveau << " : combat en " << r.secondes << " s, repris à " << r.reprise
                  << " s après une mort ; boss dans la vue " << r.vuesCorps << " images sur " << r.images << "\n";
        EXPECT_GE(r.morts, 1) << niveau;
        EXPECT_GT(r.secondes, 0.f) << niveau;
        EXPECT_GT(r.reprise, r.secondes) << niveau;
        if (niveau == 6)
        {
            EXPECT_GE(r.vuesCorps, r.images * 9 / 10);
        }
    }
}

// Les courses des actes 3 et 6 battent le boss en jeu, sans mort : la route fait sauter le héros
// sur le boss quand il s'expose et par-dessus ses attaques ; le boss vaincu lâche sa capsule, le héros
// saute sur son bouton, et l'acte finit (ces actes n'ont pas de panneau). Après l'acte 3 vient
// l'acte 4 ; après l'acte 6, dernier de la partie, le générique.
TEST(ActesBoss, LesCoursesBattentLeBossEtOuvrentLaCapsuleAvecChaqueHeros)
{
    if (!QFile::exists("data/map/3.map") || !QFile::exists("data/map/6.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    for (int niveau : {3, 6})
        for (int heros : {0, 1})
        {
            const ResultatActe r = JouerActe(heros, niveau, 180.f);
            const std::string qui = "acte " + std::to_string(niveau) + ", héros " + std::to_string(heros);
            EXPECT_TRUE(r.erreurRoute.empty()) << r.erreurRoute;
            EXPECT_EQ(r.morts, 0) << qui;
            EXPECT_TRUE(r.finActe) << qui << " : capsule jamais ouverte, x max " << r.xMax;
            if (niveau == 3)
            {
                EXPECT_EQ(r.niveauSuivant, 4) << qui;
            }
            else
            {
                EXPECT_TRUE(r.generique) << qui;
            }
            std::cout << qui << " : capsule ouverte à " << r.secondes << " s de jeu, " << r.sauts << " sauts, "
                      << r.morts << " morts\n";
        }
}
