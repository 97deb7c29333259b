#include "engine/MoteurGraphique.h"
#include "game/Camera.h"
#include "game/Quadtree.h"
#include "game/SceneGraphique.h"
#include "scene/ElementScenique.h"

#include <gtest/gtest.h>

namespace
{
// Élément d'essai : compte ses activations et signale sa destruction
struct Temoin : ElementScenique
{
    Temoin(SceneGraphique* s, sf::FloatRect r, bool* detruit_ = nullptr)
        : ElementScenique(s, {r.left, r.top}, 0.f), detruit(detruit_)
    {
        FixerCadre(r);
    }
    ~Temoin() override
    {
        if (detruit)
            *detruit = true;
    }
    void Enregistrer() override { ++vus; }
    void ActiverHorsVue() override { ++proches; }
    int vus = 0, proches = 0;
    bool* detruit;
};

sf::FloatRect VueAutour(float cx, float cy)
{
    return sf::FloatRect(cx - 320.f, cy - 240.f, 640.f, 480.f);
}
}

TEST(Quadtree, ArbreCompletConstruitDesLaCreation)
{
    SceneGraphique scene;
    scene.FixerTaille(16384, 4096);
    Quadtree arbre(&scene);
    const QuadtreeNode& racine = arbre.Racine();
    EXPECT_EQ(racine.NombreNoeuds(), (65536 - 1) / 3);
    EXPECT_EQ(racine.Bornes(), sf::FloatRect(0.f, 0.f, 16384.f, 4096.f));
    // Quadrants 1 à 4 : haut-gauche, haut-droite, bas-droite, bas-gauche
    EXPECT_EQ(racine.Enfant(0)->Bornes(), sf::FloatRect(0.f, 0.f, 8192.f, 2048.f));
    EXPECT_EQ(racine.Enfant(1)->Bornes(), sf::FloatRect(8192.f, 0.f, 8192.f, 2048.f));
    EXPECT_EQ(racine.Enfant(2)->Bornes(), sf::FloatRect(8192.f, 2048.f, 8192.f, 2048.f));
    EXPECT_EQ(racine.Enfant(3)->Bornes(), sf::FloatRect(0.f, 2048.f, 8192.f, 2048.f));
    const QuadtreeNode* n = &racine;
    while (n->Enfant(0))
        n = n->Enfant(2);
    EXPECT_EQ(n->Profondeur(), 7);
    EXPECT_EQ(n->Taille(), sf::Vector2f(128.f, 32.f));
    EXPECT_EQ(n->Bornes().left + n->Bornes().width, 16384.f);

    // Niveau démesuré : l'arbre reste borné
    SceneGraphique geant;
    geant.FixerTaille(1 << 22, 1 << 22);
    Quadtree grand(&geant);
    EXPECT_LE(grand.Racine().NombreNoeuds(), (262144 - 1) / 3);
}

TEST(Quadtree, RangementAuNoeudLePlusProfondEtHorsNiveau)
{
    SceneGraphique scene;
    scene.FixerTaille(16384, 4096);
    Quadtree arbre(&scene);
    Temoin* chevauche = new Temoin(&scene, {8100.f, 100.f, 200.f, 50.f});
    Temoin* petit = new Temoin(&scene, {8200.f, 10.f, 10.f, 10.f});
    Temoin* moyen = new Temoin(&scene, {1000.f, 500.f, 100.f, 10.f}); // à cheval sur x = 1024
    Temoin* bord = new Temoin(&scene, {16384.f - 20.f, 4096.f - 20.f, 20.f, 20.f});
    EXPECT_TRUE(arbre.Inserer(chevauche));
    EXPECT_TRUE(arbre.Inserer(petit));
    EXPECT_TRUE(arbre.Inserer(moyen));
    EXPECT_TRUE(arbre.Inserer(bord)); // intervalles fermés
    EXPECT_EQ(arbre.Racine().Trouver(chevauche), &arbre.Racine());
    const QuadtreeNode* n = arbre.Racine().Trouver(petit);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->Profondeur(), 7);
    EXPECT_EQ(n->Quadrant(), 1);
    const QuadtreeNode* m = arbre.Racine().Trouver(moyen);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Profondeur(), 3); // nœuds de 2048 de large ; ceux de 1024 le coupent
    EXPECT_TRUE(m->Contient(moyen->Encadrement()));
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(m->Enfant(i)->Contient(moyen->Encadrement()));

    bool detruit = false;
    EXPECT_FALSE(arbre.Inserer(new Temoin(&scene, {-10.f, 0.f, 5.f, 5.f}, &detruit)));
    EXPECT_TRUE(detruit);
    detruit = false;
    EXPECT_FALSE(arbre.Inserer(new Temoin(&scene, {16380.f, 0.f, 10.f, 5.f}, &detruit)));
    EXPECT_TRUE(detruit);
}

TEST(Quadtree, ParcoursVueProchesEtFiges)
{
    MoteurGraphique::Instance()->Vider(false);
    SceneGraphique scene;
    scene.FixerTaille(16384, 4096);
    Quadtree arbre(&scene);
    // Vue centrée en (1000, 1000) : x de 680 à 1320, y de 760 à 1240
    Temoin* vu = new Temoin(&scene, {900.f, 900.f, 20.f, 20.f});
    Temoin* proche = new Temoin(&scene, {1330.f, 900.f, 10.f, 10.f}); // feuille 1280-1408 : visitée, hors vue
    Temoin* voisin = new Temoin(&scene, {1600.f, 900.f, 10.f, 10.f}); // feuille qui ne touche pas la vue
    Temoin* loin = new Temoin(&scene, {9000.f, 3000.f, 20.f, 20.f});
    // Dans un nœud qui chevauche la vue sans être vu : la racine
    Temoin* racine = new Temoin(&scene, {8000.f, 100.f, 400.f, 20.f});
    for (Temoin* t : {vu, proche, voisin, loin, racine})
        ASSERT_TRUE(arbre.Inserer(t));
    arbre.Parcourir(VueAutour(1000.f, 1000.f));
    EXPECT_EQ(vu->vus, 1);
    EXPECT_EQ(vu->proches, 0);
    EXPECT_EQ(racine->proches, 1);
    EXPECT_EQ(racine->vus, 0);
    EXPECT_EQ(loin->vus + loin->proches, 0); // figé
    EXPECT_EQ(proche->vus, 0);
    EXPECT_EQ(proche->proches, 1);
    EXPECT_EQ(voisin->vus + voisin->proches, 0); // son nœud ne touche pas la vue
}

TEST(Quadtree, SuppressionEtRangementPendantLeParcours)
{
    SceneGraphique scene;
    scene.FixerTaille(16384, 4096);
    Quadtree arbre(&scene);
    bool d1 = false, d2 = false, d3 = false, d4 = false;
    Temoin* a = new Temoin(&scene, {900.f, 900.f, 20.f, 20.f}, &d1);
    Temoin* b = new Temoin(&scene, {905.f, 905.f, 10.f, 10.f}, &d2);
    Temoin* loin = new Temoin(&scene, {9000.f, 3000.f, 20.f, 20.f}, &d3);
    Temoin* sortant = new Temoin(&scene, {950.f, 950.f, 20.f, 20.f}, &d4);
    for (Temoin* t : {a, b, loin, sortant})
        ASSERT_TRUE(arbre.Inserer(t));
    a->aSupprimer = true;
    loin->aSupprimer = true;
    arbre.Parcourir(VueAutour(1000.f, 1000.f));
    EXPECT_TRUE(d1);
    EXPECT_FALSE(d3); // hors de la vue : attend qu'on approche
    EXPECT_EQ(b->vus, 1);
    arbre.Parcourir(VueAutour(9000.f, 3000.f));
    EXPECT_TRUE(d3);

    // Un élément qui a quitté son nœud est rangé à nouveau depuis la racine
    const QuadtreeNode* avant = arbre.Racine().Trouver(b);
    b->FixerCadre({1100.f, 1100.f, 10.f, 10.f});
    arbre.Parcourir(VueAutour(1000.f, 1000.f));
    const QuadtreeNode* apres = arbre.Racine().Trouver(b);
    ASSERT_NE(apres, nullptr);
    EXPECT_NE(apres, avant);
    EXPECT_TRUE(apres->Contient(b->Encadrement()));
    EXPECT_GE(b->vus, 2);
    // Sorti du niveau en bougeant : détruit à la visite suivante
    sortant->FixerCadre({-50.f, 950.f, 20.f, 20.f});
    arbre.Parcourir(VueAutour(1000.f, 1000.f));
    EXPECT_TRUE(d4);
    EXPECT_EQ(arbre.Racine().Trouver(sortant), nullptr);
    EXPECT_FALSE(d2);
}

TEST(Quadtree, SceneCreeEtVideSonIndex)
{
    SceneGraphique scene;
    scene.FixerTaille(2048, 1024);
    EXPECT_EQ(scene.Index(), nullptr);
    bool detruit = false;
    scene.AjouterElement(new Temoin(&scene, {10.f, 10.f, 5.f, 5.f}, &detruit));
    ASSERT_NE(scene.Index(), nullptr);
    EXPECT_EQ(scene.Index()->Racine().NombreNoeuds(), 1 + 4 + 16 + 64 + 256);
    scene.Vider();
    EXPECT_TRUE(detruit);
    EXPECT_EQ(scene.Index(), nullptr);
    scene.FixerMarge(64);
    EXPECT_EQ(scene.LimiteGauche(), 64);
    EXPECT_EQ(scene.LimiteDroite(), 2048 - 64);
    EXPECT_EQ(scene.LimiteBas(), 1024 - 64);
}

TEST(Quadtree, LaSceneInterrogeLIndexAvecLaVueDeLaCamera)
{
    SceneGraphique scene;
    scene.FixerTaille(4096, 2048);
    Camera camera(nullptr);
    Temoin* t = new Temoin(&scene, {2000.f, 1000.f, 10.f, 10.f});
    scene.AjouterElement(t);
    scene.ActiverElementsVisibles(); // pas encore de caméra liée : rien
    EXPECT_EQ(t->vus, 0);
    camera.Lier(&scene);
    camera.Centrer({2000.f, 1000.f});
    scene.ActiverElementsVisibles();
    EXPECT_EQ(t->vus, 1);
    camera.Centrer({3000.f, 1000.f});
    scene.ActiverElementsVisibles();
    EXPECT_EQ(t->vus, 1);
}
