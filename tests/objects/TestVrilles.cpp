#include "BancObjets.h"

#include "game/Quadtree.h"
#include "game/QuadtreeNode.h"
#include "objects/PlateformeInvisible.h"
#include "objects/PlateformeMobileInstable.h"
#include "objects/PlateformeMobileMini.h"
#include "objects/PlateformeMobilePasserelle.h"
#include "objects/PlateformeMobileTronc.h"
#include "objects/PlateformeTunnel.h"
#include "objects/Pont.h"
#include "objects/Tunnel.h"
#include "objects/VrilleHorizontalePartieDroite.h"
#include "objects/VrilleHorizontalePartieGauche.h"
#include "objects/VrilleVerticalePartieBasse.h"
#include "objects/VrilleVerticalePartieHaute.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
// Contact simulé sur le segment i, sans la réaction du héros au sol
void Toucher(PolygoneScenique& p, Heros& h, int i)
{
    h.collision.autre = &p;
    h.collision.indiceSegment = i;
    h.collision.indiceCapteur = 0;
    p.ContactHeros(&h);
}
}

TEST(Vrille, PosesLeLongDesDeuxMoities)
{
    Banc b;
    Heros& h = *b.heros;
    VrilleHorizontalePartieGauche g(&b.scene, {1000.f, 500.f}, 10.f, {});
    VrilleHorizontalePartieDroite d(&b.scene, {1384.f, 500.f}, 10.f, {});
    ASSERT_EQ(g.Segments().size(), 12u);
    ASSERT_EQ(d.Segments().size(), 12u);
    EXPECT_EQ(g.masque, 0x100);
    for (Segment* s : g.Segments())
        EXPECT_EQ(s->Drapeaux(), 14); // aucun SEG_SOL : un héros en l'air traverse
    // les deux moitiés se raccordent
    EXPECT_EQ(g.Segments().back()->B(), d.Segments().front()->A());

    h.FixerVersLaDroite(true);
    h.ChangerEtat(HEROS_COURSE);
    Toucher(g, h, 0);
    EXPECT_EQ(h.Etat(), HEROS_COURSE);
    const int premiere[] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5};
    for (int i = 1; i <= 11; ++i)
    {
        Toucher(g, h, i);
        ASSERT_EQ(h.Etat(), HEROS_VRILLE) << "segment " << i;
        EXPECT_EQ(h.Sprites()[0]->LigneCourante(), 10);
        EXPECT_EQ(h.Sprites()[0]->ColonneCourante(), premiere[i - 1]) << "segment " << i;
        EXPECT_EQ(h.Sprites()[0]->Rotation(), 0.f);
    }
    const int seconde[] = {6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11};
    for (int i = 0; i <= 10; ++i)
    {
        Toucher(d, h, i);
        ASSERT_EQ(h.Etat(), HEROS_VRILLE) << "segment " << i;
        EXPECT_EQ(h.Sprites()[0]->ColonneCourante(), seconde[i]) << "segment " << i;
    }
    Toucher(d, h, 11);
    EXPECT_EQ(h.Etat(), HEROS_COURSE);
}

TEST(Vrille, VerticaleTourneLaPoseDUnQuartDeTourEtSonImage)
{
    Banc b;
    Heros& h = *b.heros;
    VrilleVerticalePartieHaute haut(&b.scene, {1000.f, 500.f}, 10.f, {});
    VrilleVerticalePartieBasse bas(&b.scene, {1000.f, 884.f}, 10.f, {});
    EXPECT_EQ(haut.Sens(), 1);
    EXPECT_EQ(haut.Sprites()[0]->Rotation(), 90.f);
    EXPECT_EQ(bas.Sprites()[0]->Rotation(), 90.f);
    EXPECT_EQ(haut.Segments().back()->B(), bas.Segments().front()->A());
    h.FixerVersLaDroite(true);
    h.ChangerEtat(HEROS_COURSE);
    Toucher(haut, h, 3);
    ASSERT_EQ(h.Etat(), HEROS_VRILLE);
    EXPECT_EQ(h.Sprites()[0]->ColonneCourante(), 1);
    // un quart de tour de plus dans le sens des aiguilles d'une montre
    EXPECT_EQ(h.Sprites()[0]->Rotation(), 90.f);
    Toucher(bas, h, 11);
    EXPECT_EQ(h.Etat(), HEROS_COURSE);
    // de face à gauche : pose 1 penchée de 45° (sens trigonométrique), puis le quart de tour
    h.FixerVersLaDroite(false);
    VrilleHorizontalePartieGauche g(&b.scene, {3000.f, 500.f}, 10.f, {});
    Toucher(g, h, 3);
    EXPECT_EQ(h.Sprites()[0]->Rotation(), 315.f);
    Toucher(haut, h, 3);
    EXPECT_EQ(h.Sprites()[0]->Rotation(), 45.f);
}

TEST(Vrille, SansPoseHorsDeLaCourse)
{
    Banc b;
    Heros& h = *b.heros;
    VrilleHorizontalePartieGauche g(&b.scene, {1000.f, 500.f}, 10.f, {});
    h.ChangerEtat(HEROS_SAUT);
    Toucher(g, h, 5);
    EXPECT_EQ(h.Etat(), HEROS_SAUT);
    EXPECT_NE(h.Sprites()[0]->LigneCourante(), 10);
    h.ChangerEtat(HEROS_ROULADE);
    Toucher(g, h, 5);
    EXPECT_EQ(h.Etat(), HEROS_ROULADE);
}

// Un héros en l'air traverse la vrille et tombe sur le sol de dessous
TEST(Vrille, UnHerosEnLAirLaTraverse)
{
    Banc b(0, {1000.f, 300.f});
    auto* g = new VrilleHorizontalePartieGauche(&b.scene, {1000.f, 500.f}, 10.f, {});
    b.Ajouter(g);
    PolygoneScenique* sol = b.Sol(900.f);
    ASSERT_TRUE(Poser(b));
    EXPECT_EQ(b.heros->sol, sol->Segments()[0]);
    EXPECT_NEAR(b.heros->position.y, 870.f, 0.1f);
}

// Course à pleine vitesse sur une vrille entière : les douze poses dans l'ordre, puis la course
TEST(Vrille, CourseAVitesseALaTraverseEnTournant)
{
    Banc b(0, {1500.f, 500.f});
    Heros& h = *b.heros;
    b.Chaine({{0.f, 596.f}, {1744.f, 596.f}});
    auto* g = new VrilleHorizontalePartieGauche(&b.scene, {2000.f, 500.f}, 10.f, {});
    auto* d = new VrilleHorizontalePartieDroite(&b.scene, {2384.f, 500.f}, 10.f, {});
    b.Ajouter(g);
    b.Ajouter(d);
    PolygoneScenique* sortie = b.Chaine({{2640.f, 596.f}, {90000.f, 596.f}});
    ASSERT_TRUE(Poser(b));
    h.ChangerEtat(HEROS_COURSE);
    h.forceMoteur.norme = 900.f;
    std::vector<int> poses;
    float ymin = h.position.y;
    for (int i = 0; i < 120 && h.position.x < 2900.f; ++i)
    {
        Etape(b, [&] { h.Droite(); h.SautRelache(); });
        ymin = std::min(ymin, h.position.y);
        if (h.Etat() == HEROS_VRILLE)
            poses.push_back(h.Sprites()[0]->ColonneCourante());
    }
    ASSERT_FALSE(poses.empty());
    EXPECT_EQ(poses.front(), 0);
    EXPECT_EQ(poses.back(), 11);
    std::string vues;
    for (int p : poses)
        vues += std::to_string(p) + " ";
    // dans l'ordre, à un pas près au raccord des deux moitiés
    for (std::size_t i = 1; i < poses.size(); ++i)
        EXPECT_GE(poses[i], poses[i - 1] - 1) << vues;
    EXPECT_EQ(std::set<int>(poses.begin(), poses.end()).size(), 12u) << vues;
    EXPECT_LT(ymin, 596.f - 30.f - 120.f); // il est passé par le haut de la vrille
    EXPECT_GT(h.position.x, 2900.f);
    EXPECT_EQ(h.Etat(), HEROS_COURSE);
    EXPECT_EQ(h.sol, sortie->Segments()[0]);
}

// Tube en S : on y roule toujours et on en ressort en bas à droite
TEST(Tunnel, LeHerosYRouleDeBoutEnBout)
{
    Banc b(0, {1500.f, 300.f});
    Heros& h = *b.heros;
    b.Chaine({{0.f, 372.f}, {1680.f, 372.f}});
    auto* t = new Tunnel(&b.scene, {2000.f, 500.f}, 10.f, {});
    b.Ajouter(t);
    EXPECT_EQ(t->Segments().size(), 22u);
    EXPECT_EQ(t->masque, 0x103);
    b.Chaine({{2320.f, 692.f}, {90000.f, 692.f}});
    ASSERT_TRUE(Poser(b));
    h.ChangerEtat(HEROS_COURSE);
    h.forceMoteur.norme = 300.f;
    bool dedans = false;
    int frames = 0;
    for (; frames < 600 && h.position.x < 2400.f; ++frames)
    {
        Etape(b, [&] { h.Droite(); h.SautRelache(); });
        if (h.collision.autre == t)
        {
            dedans = true;
            ASSERT_EQ(h.Etat(), HEROS_ROULADE) << "frame " << frames;
            ASSERT_GE(std::fabs(h.Vitesse()), 60.f - 1e-3f) << "frame " << frames;
        }
        // jamais hors du tube tant qu'on est dans sa largeur
        if (h.position.x > 1968.f && h.position.x < 2032.f)
        {
            ASSERT_GT(h.position.y, 500.f - 192.f);
            ASSERT_LT(h.position.y, 500.f + 192.f);
        }
    }
    EXPECT_TRUE(dedans);
    EXPECT_GE(h.position.x, 2400.f);
    EXPECT_NEAR(h.position.y, 692.f - 30.05f, 1.f);
}

// À l'arrêt ou presque dans le tube : relancé à 500 tout de suite
TEST(Tunnel, RelanceLeHerosArreteOuLent)
{
    struct Cas
    {
        float vitesse;
        bool droite;
        float attendue;
    };
    for (const Cas& c : {Cas{0.f, true, 500.f}, Cas{0.f, false, -500.f}, Cas{30.f, false, 500.f},
                         Cas{-40.f, true, -500.f}, Cas{200.f, true, 200.f}})
    {
        SCOPED_TRACE(c.vitesse);
        Banc b(0, {2200.f, 500.f + 192.f - 32.f});
        Heros& h = *b.heros;
        auto* t = new Tunnel(&b.scene, {2000.f, 500.f}, 10.f, {});
        b.Ajouter(t);
        ASSERT_TRUE(Poser(b));
        h.ChangerEtat(HEROS_DEBOUT);
        h.FixerVersLaDroite(c.droite);
        h.forceMoteur.norme = c.vitesse;
        Etape(b, [&] { h.SautRelache(); });
        ASSERT_EQ(h.collision.autre, t);
        EXPECT_EQ(h.Etat(), HEROS_ROULADE);
        EXPECT_NEAR(h.Vitesse(), c.attendue, std::fabs(c.attendue) * 0.01f + 1.f);
        EXPECT_NE(h.sol, nullptr);
    }
}

// La fabrique du niveau crée la bonne classe pour chaque genre
namespace
{
void Collecter(QuadtreeNode* n, std::vector<ElementScenique*>& tous)
{
    if (!n)
        return;
    tous.insert(tous.end(), n->Elements().begin(), n->Elements().end());
    for (int i = 0; i < 4; ++i)
        Collecter(n->Enfant(i), tous);
}

template <typename T>
bool Cree(int genre, const std::vector<float>& p = {})
{
    SceneGraphique scene;
    scene.FixerTaille(4096, 2048);
    if (!scene.CreerElement(genre, {1024.f, 1024.f}, 10.f, p) || !scene.Index())
        return false;
    std::vector<ElementScenique*> tous;
    Collecter(&scene.Index()->Racine(), tous);
    return tous.size() == 1 && dynamic_cast<T*>(tous[0]) != nullptr;
}
}

TEST(Fabrique, ChaqueGenreCreeSonObjet)
{
    EXPECT_TRUE(Cree<Pont>(2000301008));
    EXPECT_TRUE(Cree<Pont>(2000301012));
    EXPECT_TRUE(Cree<Pont>(2000301016));
    EXPECT_TRUE(Cree<PlateformeMobileMini>(2128020501, {1.f, 0.f, 0.f}));
    EXPECT_TRUE(Cree<PlateformeMobilePasserelle>(2128020511));
    EXPECT_TRUE(Cree<PlateformeMobileTronc>(2128426501));
    EXPECT_TRUE(Cree<PlateformeMobileInstable>(2032020501));
    EXPECT_TRUE(Cree<PlateformeInvisible>(2000020011));
    EXPECT_TRUE(Cree<PlateformeTunnel>(2000444001));
    EXPECT_TRUE(Cree<PlateformeTunnel>(2000555001));
    EXPECT_TRUE(Cree<PlateformeTunnel>(2000666001));
    EXPECT_TRUE(Cree<VrilleHorizontalePartieGauche>(2000218001));
    EXPECT_TRUE(Cree<VrilleHorizontalePartieDroite>(2000872001));
    EXPECT_TRUE(Cree<VrilleVerticalePartieHaute>(2000634001));
    EXPECT_TRUE(Cree<VrilleVerticalePartieBasse>(2000496001));
    EXPECT_TRUE(Cree<Tunnel>(2000363001));
}
