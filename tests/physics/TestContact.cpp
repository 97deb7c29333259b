#include "physics/CerclePhysique.h"
#include "physics/PolygonePhysique.h"
#include "physics/Segment.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;

// Cercle qui va de p à n pendant la frame, sans intégration
void Placer(CerclePhysique& c, sf::Vector2f p, sf::Vector2f n)
{
    c.position = p;
    c.positionSuivante = n;
    c.PreparerCollision();
}

PolygonePhysique* Polygone(std::initializer_list<Segment*> segments)
{
    PolygonePhysique* p = new PolygonePhysique();
    for (Segment* s : segments)
        p->AjouterSegment(s);
    return p;
}

Segment* Sol(float y, int drapeaux = SEG_SOL, float x0 = 0.f, float x1 = 100.f)
{
    return new Segment({x0, y}, {x1, y}, drapeaux);
}
}

TEST(Contact, SolDessineDeGaucheADroiteArreteLaChute)
{
    CerclePhysique c;
    PolygonePhysique* p = Polygone({Sol(100.f)});
    Placer(c, {50.f, 60.f}, {50.f, 80.f});
    EXPECT_FALSE(EntitePhysique::ToucheSegments(&c, p));
    ASSERT_EQ(c.collision.autre, p);
    EXPECT_EQ(c.collision.type, CONTACT_SOL);
    EXPECT_FLOAT_EQ(c.collision.t, 0.5f);
    EXPECT_EQ(c.collision.point, sf::Vector2f(50.f, 100.f));
    EXPECT_EQ(c.collision.compteur, 1);
    c.ResoudreCollision();
    EXPECT_FLOAT_EQ(c.positionSuivante.y, 100.f - 30.05f);
    delete p;
}

TEST(Contact, SolDessineDeDroiteAGaucheNArreteQueParDessous)
{
    CerclePhysique c;
    PolygonePhysique* p = Polygone({new Segment({100.f, 100.f}, {0.f, 100.f}, SEG_SOL)});
    Placer(c, {50.f, 60.f}, {50.f, 80.f});
    EntitePhysique::ToucheSegments(&c, p);
    EXPECT_EQ(c.collision.autre, nullptr);
    // Par dessous, en montant
    Placer(c, {50.f, 140.f}, {50.f, 120.f});
    EntitePhysique::ToucheSegments(&c, p);
    EXPECT_EQ(c.collision.type, CONTACT_SOL);
    c.ResoudreCollision();
    EXPECT_FLOAT_EQ(c.positionSuivante.y, 130.05f);
    delete p;
}

TEST(Contact, CorpsImmobileNeDivisePasParZero)
{
    CerclePhysique c;
    PolygonePhysique* p = Polygone({Sol(100.f, 125)});
    c.sol = p->Segments()[0];
    Placer(c, {50.f, 70.f}, {50.f, 70.f});
    EntitePhysique::ToucheSegments(&c, p);
    EXPECT_FALSE(std::isnan(c.collision.t));
    EXPECT_NE(c.collision.type, CONTACT_SOL);
    delete p;
}

TEST(Contact, PlusGrandTTestRetenuEtLeDernierAEgalite)
{
    CerclePhysique c;
    // y = 100 : tTest 0,5 ; y = 105 : tTest 0,25, dans les deux ordres
    PolygonePhysique* p1 = Polygone({Sol(100.f), Sol(105.f)});
    Placer(c, {50.f, 60.f}, {50.f, 80.f});
    EntitePhysique::ToucheSegments(&c, p1);
    EXPECT_EQ(c.collision.indiceSegment, 0);
    EXPECT_FLOAT_EQ(c.collision.t, 0.5f);

    PolygonePhysique* p2 = Polygone({Sol(100.f), Sol(105.f)});
    PolygonePhysique* p3 = Polygone({Sol(105.f), Sol(100.f)});
    Placer(c, {50.f, 60.f}, {50.f, 80.f});
    EntitePhysique::ToucheSegments(&c, p3);
    EXPECT_EQ(c.collision.indiceSegment, 1);

    // Égalité entre polygones : le dernier testé l'emporte
    Placer(c, {50.f, 60.f}, {50.f, 80.f});
    EntitePhysique::ToucheSegments(&c, p1);
    EntitePhysique::ToucheSegments(&c, p2);
    EXPECT_EQ(c.collision.autre, p2);
    EXPECT_EQ(c.collision.indiceSegment, 0);
    // Égalité dans un même polygone : le dernier segment
    PolygonePhysique* p4 = Polygone({Sol(100.f, SEG_SOL, 0.f, 100.f), Sol(100.f, SEG_SOL, 20.f, 80.f)});
    Placer(c, {50.f, 60.f}, {50.f, 80.f});
    EntitePhysique::ToucheSegments(&c, p4);
    EXPECT_EQ(c.collision.indiceSegment, 1);
    delete p1;
    delete p2;
    delete p3;
    delete p4;
}

TEST(Contact, MonteePuisContinuiteEtSolApresContinuite)
{
    CerclePhysique c;
    PolygonePhysique* appui = Polygone({Sol(120.f, SEG_SOL, -500.f, 500.f)});
    c.sol = appui->Segments()[0];
    c.forceMoteur.angle = 0.0;
    // Le pied remonte la ligne juste après l'extrémité droite : montée
    PolygonePhysique* bord = Polygone({Sol(100.f, SEG_BORD)});
    Placer(c, {110.f, 75.f}, {115.f, 65.f});
    EntitePhysique::ToucheSegments(&c, bord);
    ASSERT_EQ(c.collision.type, CONTACT_MONTEE);
    EXPECT_FLOAT_EQ(c.collision.t, 0.5f);

    // Une continuité trouvée ensuite la remplace (t remis à 0)
    PolygonePhysique* suite = Polygone({Sol(95.f, SEG_SOL | SEG_CONTINUITE, 100.f, 300.f)});
    EntitePhysique::ToucheSegments(&c, suite);
    EXPECT_EQ(c.collision.type, CONTACT_SUITE);
    EXPECT_EQ(c.collision.autre, suite);
    EXPECT_EQ(c.collision.t, 0.f);
    EXPECT_EQ(c.collision.point, sf::Vector2f(115.f, 95.f));

    // Un sol franchi ensuite (tTest ≥ 0, au-delà du sol actuel) remplace la continuité
    PolygonePhysique* sol = Polygone({Sol(125.f, SEG_SOL, 0.f, 300.f)});
    c.position = {115.f, 85.f};
    c.positionSuivante = {115.f, 100.f};
    EntitePhysique::ToucheSegments(&c, sol);
    EXPECT_EQ(c.collision.type, CONTACT_SOL);
    EXPECT_EQ(c.collision.autre, sol);

    // La continuité exige l'angle exact du moteur
    c.forceMoteur.angle = 1e-9;
    Placer(c, {110.f, 75.f}, {115.f, 65.f});
    EntitePhysique::ToucheSegments(&c, suite);
    EXPECT_EQ(c.collision.autre, nullptr);
    delete appui;
    delete bord;
    delete suite;
    delete sol;
}

TEST(Contact, UnCapteurArreteLeParcours)
{
    CerclePhysique c;
    PolygonePhysique* p = Polygone({Sol(100.f, SEG_SOL | SEG_CAPTEUR), Sol(100.f)});
    Placer(c, {50.f, 60.f}, {50.f, 80.f});
    EXPECT_TRUE(EntitePhysique::ToucheSegments(&c, p));
    EXPECT_EQ(c.collision.indiceCapteur, 0);
    EXPECT_EQ(c.collision.autre, nullptr); // le segment solide n'a pas été testé

    PolygonePhysique* q = Polygone({Sol(100.f), Sol(100.f, SEG_SOL | SEG_CAPTEUR)});
    Placer(c, {50.f, 60.f}, {50.f, 80.f});
    EXPECT_TRUE(EntitePhysique::ToucheSegments(&c, q));
    EXPECT_EQ(c.collision.indiceCapteur, 1);
    EXPECT_EQ(c.collision.autre, q);
    delete p;
    delete q;
}

TEST(Contact, CouchesMasquesEtCorpsFige)
{
    CerclePhysique c;
    PolygonePhysique* p = Polygone({Sol(100.f)});
    p->masque = 0x100; // ne vise plus les cercles
    Placer(c, {50.f, 60.f}, {50.f, 80.f});
    EntitePhysique::ToucheSegments(&c, p);
    EXPECT_EQ(c.collision.autre, nullptr);
    p->masque = 0x103;
    c.fige = true;
    EntitePhysique::ToucheSegments(&c, p);
    EXPECT_EQ(c.collision.autre, nullptr);

    // Héros (couche 256, masque 7) contre un cercle
    CerclePhysique heros({0.f, 0.f}), anneau({59.f, 0.f});
    heros.couche = 256;
    heros.masque = 7;
    EXPECT_TRUE(EntitePhysique::ToucheCercle(&heros, &anneau));
    anneau.position = {61.f, 0.f};
    EXPECT_FALSE(EntitePhysique::ToucheCercle(&heros, &anneau));
    anneau.position = {60.f, 0.f};
    EXPECT_TRUE(EntitePhysique::ToucheCercle(&heros, &anneau));
    anneau.masque = 2;
    EXPECT_FALSE(EntitePhysique::ToucheCercle(&heros, &anneau));
    delete p;
}

TEST(Contact, CoteEtExtremite)
{
    CerclePhysique c;
    // Mur vertical dessiné de bas en haut : normale vers la droite
    PolygonePhysique* mur = Polygone({new Segment({100.f, 200.f}, {100.f, 0.f}, SEG_COTE)});
    Placer(c, {75.f, 100.f}, {80.f, 100.f});
    EntitePhysique::ToucheSegments(&c, mur);
    EXPECT_EQ(c.collision.type, CONTACT_COTE);
    EXPECT_EQ(c.collision.point, sf::Vector2f(100.f, 100.f));
    c.ResoudreCollision();
    EXPECT_FLOAT_EQ(c.positionSuivante.x, 100.f - 30.05f);
    // En s'éloignant (contre la normale), sans SEG_TOUS_SENS : rien
    Placer(c, {75.f, 100.f}, {70.f, 100.f});
    EntitePhysique::ToucheSegments(&c, mur);
    EXPECT_EQ(c.collision.autre, nullptr);

    // Accroche sur l'extrémité a
    PolygonePhysique* coin = Polygone({new Segment({100.f, 100.f}, {200.f, 100.f}, SEG_EXTREMITE)});
    Placer(c, {80.f, 80.f}, {82.f, 85.f});
    EntitePhysique::ToucheSegments(&c, coin);
    EXPECT_EQ(c.collision.type, CONTACT_EXTREMITE);
    EXPECT_EQ(c.collision.point, sf::Vector2f(100.f, 100.f));
    delete mur;
    delete coin;
}

TEST(Contact, PolygoneContrePolygone)
{
    PolygonePhysique bloc({50.f, 60.f});
    bloc.rayon = 20.f;
    bloc.fige = false;
    bloc.positionSuivante = {50.f, 90.f};
    PolygonePhysique* sol = Polygone({Sol(100.f)});
    EXPECT_TRUE(EntitePhysique::TouchePolygone(&bloc, sol));
    EXPECT_EQ(bloc.collision.type, CONTACT_SOL);
    EXPECT_EQ(bloc.collision.point, sf::Vector2f(50.f, 100.f));
    bloc.ResoudreCollision();
    EXPECT_EQ(bloc.position, sf::Vector2f(50.f, 80.f)); // sans marge de 0,05
    EXPECT_TRUE(bloc.Segments().empty());
    bloc.fige = true;
    bloc.PreparerCollision();
    EXPECT_FALSE(EntitePhysique::TouchePolygone(&bloc, sol));
    delete sol;
}

TEST(Reactions, RebondirSurUnSolPlat)
{
    CerclePhysique c;
    PolygonePhysique* p = Polygone({Sol(100.f)});
    c.collision.autre = p;
    c.collision.indiceSegment = 0;
    c.vitesse.angle = -PI / 4;
    c.vitesse.norme = 200.f;
    c.forceMoteur.norme = 50.f;
    c.forceGravite.norme = 300.f;
    c.Rebondir();
    EXPECT_NEAR(c.forceElan.angle, PI / 4, 1e-12);
    EXPECT_EQ(c.forceElan.norme, 200.f);
    EXPECT_EQ(c.forceMoteur.norme, 0.f);
    EXPECT_EQ(c.forceGravite.norme, 0.f);
    // Au sol : rien
    c.sol = p->Segments()[0];
    c.forceElan.angle = 0.0;
    c.Rebondir();
    EXPECT_EQ(c.forceElan.angle, 0.0);
    delete p;
}

TEST(Reactions, RebrousserEtRepousser)
{
    CerclePhysique c({10.f, -10.f});
    c.positionPrecedente = {5.f, -5.f};
    c.positionSuivante = {15.f, -15.f};
    c.vitesse.angle = PI / 4;
    c.vitesse.norme = 100.f;
    c.Rebrousser();
    EXPECT_EQ(c.positionSuivante, sf::Vector2f(5.f, -5.f));
    EXPECT_NEAR(c.forceElan.angle, 5 * PI / 4, 1e-12);
    EXPECT_EQ(c.forceElan.norme, 100.f);

    Segment s({0.f, 0.f}, {1.f, 0.f}, 0);
    c.sol = &s;
    c.forceMoteur.norme = 120.f;
    c.forceMoteur.acceleration = 3.f;
    c.positionSuivante = {15.f, -15.f};
    c.Rebrousser();
    EXPECT_EQ(c.forceMoteur.norme, -120.f);
    EXPECT_EQ(c.forceMoteur.acceleration, 0.f);
    EXPECT_EQ(c.positionSuivante, sf::Vector2f(5.f, -5.f));

    c.sol = nullptr;
    CerclePhysique autre({0.f, 0.f});
    c.RepousserDepuis(&autre);
    EXPECT_NEAR(c.forceElan.angle, PI / 4, 1e-12); // de l'autre vers soi
    EXPECT_EQ(c.forceElan.norme, 100.f);
}

TEST(Reactions, AmortirVersLeHautMemeSansElan)
{
    CerclePhysique c({10.f, 10.f});
    c.positionSuivante = {20.f, 30.f};
    c.forceElan.norme = 200.f;
    c.forceElan.x = -100.f;
    c.vitesse.norme = 400.f;
    c.Amortir();
    EXPECT_EQ(c.positionSuivante, sf::Vector2f(10.f, 10.f));
    EXPECT_NEAR(c.forceElan.angle, 2 * PI / 3, 1e-9); // vers le haut, toujours vers la gauche
    EXPECT_EQ(c.forceElan.norme, 300.f);

    c.forceElan.norme = 0.f;
    c.forceElan.x = 0.f;
    c.Amortir();
    EXPECT_NEAR(c.forceElan.angle, PI / 2, 1e-12);
    EXPECT_FALSE(std::isnan(c.forceElan.angle));
}

TEST(Corps, MasseNulleNeTombeNiNAccelere)
{
    CerclePhysique c({0.f, 0.f});
    c.forceMoteur.acceleration = 500.f;
    for (int i = 0; i < 10; ++i)
        c.Integrer(1.f / 60.f);
    EXPECT_EQ(c.forceGravite.norme, 0.f);
    EXPECT_EQ(c.forceMoteur.norme, 0.f);
    EXPECT_EQ(c.positionSuivante, sf::Vector2f(0.f, 0.f));

    c.masse = 2.f;
    c.Integrer(0.5f);
    EXPECT_FLOAT_EQ(c.forceGravite.norme, 9.81f);
    EXPECT_FLOAT_EQ(c.forceMoteur.norme, 125.f);
    // Moteur à l'angle 0 et gravité vers le bas
    EXPECT_NEAR(c.positionSuivante.x, 62.5f, 1e-4);
    EXPECT_NEAR(c.positionSuivante.y, 4.905f, 1e-4);
}

TEST(Corps, AtterrirProjetteLaVitesseEtDecollerRendLElan)
{
    CerclePhysique c;
    PolygonePhysique* p = Polygone({Sol(100.f)});
    c.vitesse.angle = -PI / 4;
    c.vitesse.norme = 100.f;
    c.collision.angleSol = 0.0;
    c.collision.autre = p;
    c.collision.indiceSegment = 0;
    c.forceElan.norme = 80.f;
    c.Atterrir();
    EXPECT_NEAR(c.forceMoteur.norme, 100.f * std::cos(PI / 4), 1e-4);
    EXPECT_EQ(c.forceElan.norme, 0.f);
    EXPECT_EQ(c.sol, p->Segments()[0]);
    EXPECT_EQ(c.support, &p->forceMoteur);
    // Indice hors de la liste : pas de sol fantôme
    CerclePhysique d;
    d.collision.autre = p;
    d.collision.indiceSegment = 7;
    d.Atterrir();
    EXPECT_EQ(d.sol, nullptr);

    c.Decoller();
    EXPECT_EQ(c.sol, nullptr);
    EXPECT_NEAR(c.forceElan.norme, 70.71f, 0.01f);
    EXPECT_EQ(c.forceMoteur.norme, 0.f);
    EXPECT_EQ(c.support, &c.forcePropre);
    delete p;
}
