#include "engine/MoteurGraphique.h"
#include "engine/SourceTemps.h"
#include "game/GameEngine.h"
#include "physics/Segment.h"
#include "scene/CercleScenique.h"
#include "scene/ElementMagique.h"
#include "scene/PolygoneScenique.h"
#include "scene/Sprite.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
template <typename T, typename U>
int Compte(const std::vector<T*>& liste, U* e)
{
    const T* p = e;
    return int(std::count(liste.begin(), liste.end(), p));
}

template <typename T, typename U>
bool Dans(const std::vector<T*>& liste, U* e)
{
    return Compte(liste, e) > 0;
}

struct CercleCompteur : CercleScenique
{
    using CercleScenique::CercleScenique;
    void ContactSolide() override { ++contacts; }
    int contacts = 0;
};

struct Bouclier : ElementMagique
{
    using ElementMagique::ElementMagique;
    void ActualiserMagie() override {}
};
}

TEST(Elements, ProfondeurAvecFractionAleatoireEtBornes)
{
    std::srand(77);
    ElementScenique a(nullptr, {10.f, 20.f}, 5.f), b(nullptr, {10.f, 20.f}, 5.f);
    EXPECT_GE(a.profondeur, 5.f);
    EXPECT_LE(a.profondeur, 6.f);
    EXPECT_NE(a.profondeur, b.profondeur);

    // Sans cadre ni sprite : un point à l'ancre
    EXPECT_EQ(a.Encadrement(), sf::FloatRect(10.f, 20.f, 0.f, 0.f));
    a.AjouterSprite(new Sprite("essais/absente.png", 0, 0, {0.f, 0.f}));
    a.Sprites()[0]->SpriteSFML().setTextureRect(sf::IntRect(0, 0, 40, 30));
    a.Synchroniser();
    EXPECT_EQ(a.Encadrement(), sf::FloatRect(10.f, 20.f, 40.f, 30.f));
    a.FixerCadre(sf::FloatRect(0.f, 0.f, 5.f, 5.f));
    EXPECT_EQ(a.Encadrement(), sf::FloatRect(0.f, 0.f, 5.f, 5.f));

    // Décalage des sprites selon l'orientation
    a.decalageSprite = {4.f, -2.f};
    a.UtiliserDecalage(true);
    a.Synchroniser();
    EXPECT_EQ(a.Sprites()[0]->Position(), sf::Vector2f(14.f, 18.f));
    a.FixerVersLaDroite(false);
    a.Synchroniser();
    a.Animer();
    EXPECT_EQ(a.Sprites()[0]->Position(), sf::Vector2f(6.f, 18.f));
    EXPECT_LT(a.Sprites()[0]->SpriteSFML().getScale().x, 0.f);
}

TEST(Elements, BlesserEpargneUnSpriteQuiClignote)
{
    SourceTemps::Manuel(true);
    ElementScenique e(nullptr, {0.f, 0.f}, 1.f);
    e.AjouterSprite(new Sprite("essais/absente.png", 0, 0, {0.f, 0.f}));
    e.Sprites()[0]->Clignoter(2.f);
    EXPECT_FALSE(e.Blesser(0));
    EXPECT_FALSE(e.aSupprimer);
    SourceTemps::Avancer(sf::seconds(3.f));
    EXPECT_TRUE(e.Blesser(0));
    EXPECT_TRUE(e.aSupprimer);
    SourceTemps::Manuel(false);
}

TEST(Elements, InscriptionsDesCerclesEtPolygones)
{
    GameEngine::ViderListes();
    MoteurGraphique::Instance()->Vider(false);
    CercleScenique* c = new CercleScenique(nullptr, {100.f, 50.f}, 3.f);
    EXPECT_EQ(c->Ancre(), &c->position);
    const int dessins = Compte(MoteurGraphique::Instance()->ListeFrame(), c); // inscrit à sa création
    c->ActiverHorsVue();
    EXPECT_TRUE(Dans(GameEngine::Cercles(), c));
    EXPECT_EQ(Compte(MoteurGraphique::Instance()->ListeFrame(), c), dessins);
    GameEngine::ViderListes();
    c->fige = true;
    c->ActiverHorsVue();
    EXPECT_FALSE(Dans(GameEngine::Cercles(), c)); // figé : jamais simulé hors de la vue
    c->Enregistrer();
    EXPECT_EQ(Compte(MoteurGraphique::Instance()->ListeFrame(), c), dessins + 1);
    EXPECT_TRUE(Dans(GameEngine::Cercles(), c));
    delete c; // détruit : retiré des listes de la frame
    EXPECT_FALSE(Dans(GameEngine::Cercles(), c));
    EXPECT_FALSE(Dans(MoteurGraphique::Instance()->ListeFrame(), c));

    PolygoneScenique* p = new PolygoneScenique(nullptr, {0.f, 0.f}, 3.f);
    p->ActiverHorsVue();
    EXPECT_TRUE(Dans(GameEngine::Polygones(), p));
    p->detruireHorsVue = true;
    p->ActiverHorsVue();
    EXPECT_TRUE(p->aSupprimer);
    delete p;
    EXPECT_TRUE(GameEngine::Polygones().empty());
}

TEST(Elements, ReinitialiserRameneLeCercleAuDepart)
{
    CercleScenique c(nullptr, {100.f, 50.f}, 3.f);
    Segment s({0.f, 0.f}, {1.f, 0.f}, 0);
    c.position = {500.f, 500.f};
    c.sol = &s;
    c.forceMoteur.norme = 300.f;
    c.ChangerEtat(4);
    c.Reinitialiser();
    EXPECT_EQ(c.position, sf::Vector2f(100.f, 50.f));
    EXPECT_EQ(c.etat, 0);
    EXPECT_EQ(c.sol, nullptr);
    EXPECT_EQ(c.forceMoteur.norme, 0.f);
    // Figé : rien ne bouge
    c.position = {1.f, 1.f};
    c.fige = true;
    c.Reinitialiser();
    EXPECT_EQ(c.position, sf::Vector2f(1.f, 1.f));

    // Suivre l'ancre avec décalage
    sf::Vector2f porteur(10.f, 10.f);
    c.FixerAncre(&porteur);
    c.decalageSprite = {5.f, 2.f};
    c.UtiliserDecalage(true);
    c.FixerVersLaDroite(false);
    c.SuivreAncre();
    EXPECT_EQ(c.position, sf::Vector2f(5.f, 12.f));
}

TEST(Elements, ContactsParDefautDesPolygones)
{
    PolygoneScenique sol(nullptr, {0.f, 0.f}, 1.f);
    sol.AjouterSegment(new Segment({0.f, 100.f}, {100.f, 100.f}, SEG_SOL));
    CercleCompteur c(nullptr, {50.f, 60.f}, 1.f);
    c.positionSuivante = {50.f, 80.f};
    // Un contact solide appelle ContactSolide ; un capteur non
    EntitePhysique::ToucheSegments(&c, &sol);
    ASSERT_EQ(c.collision.autre, &sol);
    sol.ContactCercle(&c);
    EXPECT_EQ(c.contacts, 1);
    c.collision.indiceCapteur = 0;
    sol.ContactCercle(&c);
    EXPECT_EQ(c.contacts, 1);

    // Polygone qui tombe sur un sol plat : il s'y pose
    PolygoneScenique bloc(nullptr, {50.f, 60.f}, 1.f);
    bloc.rayon = 20.f;
    bloc.fige = false;
    bloc.positionSuivante = {50.f, 90.f};
    ASSERT_TRUE(EntitePhysique::TouchePolygone(&bloc, &sol));
    sol.ContactPolygone(&bloc);
    EXPECT_EQ(bloc.sol, sol.Segments()[0]);
}

TEST(Elements, FiltrerCiblesGardeLaMemeMarque)
{
    Bouclier b(nullptr, {0.f, 0.f}, 1.f);
    CercleScenique c1(nullptr, {0.f, 0.f}, 1.f), c2(nullptr, {0.f, 0.f}, 1.f);
    c1.marque = 1;
    c2.marque = 0;
    b.cibles = {&c1, &c2, &c1};
    b.FiltrerCibles();
    ASSERT_EQ(b.cibles.size(), 2u);
    EXPECT_EQ(b.cibles[0], &c1);
    GameEngine::ViderListes();
    b.Enregistrer();
    EXPECT_TRUE(Dans(GameEngine::Magies(), &b));
}
