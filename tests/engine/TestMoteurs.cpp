#include "engine/EntiteGraphique.h"
#include "engine/EntiteInteractive.h"
#include "engine/MoteurGraphique.h"
#include "engine/MoteurInteractif.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> journal;

struct Dessinable : EntiteGraphique
{
    std::string nom;
    EntiteGraphique* aSupprimer = nullptr;
    Dessinable(const std::string& n, float p) : nom(n) { profondeur = p; }
    void Synchroniser() override { journal.push_back("S" + nom); }
    void Animer() override
    {
        journal.push_back("A" + nom);
        if (aSupprimer)
        {
            delete aSupprimer;
            aSupprimer = nullptr;
        }
    }
    void Dessiner(sf::RenderTarget&) override { journal.push_back("D" + nom); }
};

struct Interactif : EntiteInteractive
{
    std::string nom;
    EntiteInteractive* aSupprimer = nullptr;
    explicit Interactif(const std::string& n) : nom(n) {}
    void MettreAJour(sf::RenderWindow&) override
    {
        journal.push_back("M" + nom);
        if (aSupprimer)
        {
            delete aSupprimer;
            aSupprimer = nullptr;
        }
    }
    void TraiterEvenement(const sf::Event& e) override
    {
        journal.push_back("E" + nom + std::to_string(static_cast<int>(e.type)));
    }
};

struct Moteurs : ::testing::Test
{
    sf::RenderTexture cible;
    void SetUp() override
    {
        journal.clear();
        MoteurGraphique::Instance()->Vider(true);
    }
    void TearDown() override { MoteurGraphique::Instance()->Vider(true); }
};
} // namespace

TEST_F(Moteurs, AfficherSynchroniseToutPuisDessineParProfondeurCroissante)
{
    Dessinable devant("3", 3.f), fond("1", 1.f), milieu("2", 2.f);
    MoteurGraphique::Instance()->Afficher(cible);
    const std::vector<std::string> attendu = {"S3", "S1", "S2", "A1", "D1", "A2", "D2", "A3", "D3"};
    EXPECT_EQ(journal, attendu);
}

TEST_F(Moteurs, AfficherFigeNeTrieNiNAnime)
{
    Dessinable b("b", 5.f), a("a", 1.f);
    MoteurGraphique::Instance()->AfficherFige(cible);
    const std::vector<std::string> attendu = {"Db", "Da"};
    EXPECT_EQ(journal, attendu);
}

TEST_F(Moteurs, EntiteDetruitePendantLaPasseNEstPlusDessinee)
{
    Dessinable* victime = new Dessinable("v", 2.f);
    Dessinable tueur("t", 1.f);
    tueur.aSupprimer = victime;
    MoteurGraphique::Instance()->Afficher(cible);
    for (const std::string& s : journal)
        EXPECT_NE(s, "Dv") << "une entité détruite a été dessinée";
    EXPECT_EQ(MoteurGraphique::Instance()->ListeFrame().size(), 1u);
}

TEST_F(Moteurs, AjoutDoubleDessineDeuxFoisEtRetirerEnleveTout)
{
    Dessinable x("x", 1.f);
    MoteurGraphique::Instance()->Ajouter(&x);
    MoteurGraphique::Instance()->AfficherFige(cible);
    EXPECT_EQ(journal.size(), 2u);
    MoteurGraphique::Instance()->Retirer(&x);
    EXPECT_TRUE(MoteurGraphique::Instance()->ListeFrame().empty());
}

TEST_F(Moteurs, ViderGardeOuEnleveLesPermanents)
{
    Dessinable hud("h", 1.f), decor("d", 1.f);
    MoteurGraphique::Instance()->Vider(false);
    EXPECT_TRUE(MoteurGraphique::Instance()->ListeFrame().empty());
    MoteurGraphique::Instance()->AjouterPermanent(&hud);
    MoteurGraphique::Instance()->Vider(false);
    ASSERT_EQ(MoteurGraphique::Instance()->ListeFrame().size(), 1u);
    EXPECT_EQ(MoteurGraphique::Instance()->ListeFrame()[0], &hud);
    MoteurGraphique::Instance()->Vider(true);
    EXPECT_TRUE(MoteurGraphique::Instance()->ListeFrame().empty());
    EXPECT_TRUE(MoteurGraphique::Instance()->ListePermanente().empty());
}

TEST_F(Moteurs, DestructeurRetireDesDeuxListes)
{
    {
        Dessinable hud("h", 1.f);
        MoteurGraphique::Instance()->AjouterPermanent(&hud);
    }
    EXPECT_TRUE(MoteurGraphique::Instance()->ListeFrame().empty());
    EXPECT_TRUE(MoteurGraphique::Instance()->ListePermanente().empty());
}

TEST_F(Moteurs, EvenementsDistribuesATousDansLOrdreDInscription)
{
    const std::size_t avant = MoteurInteractif::Instance()->Liste().size();
    {
        Interactif a("a"), b("b");
        sf::Event e;
        e.type = sf::Event::KeyReleased;
        MoteurInteractif::Instance()->Distribuer(e);
        const std::vector<std::string> attendu = {"Ea" + std::to_string(int(sf::Event::KeyReleased)),
                                                  "Eb" + std::to_string(int(sf::Event::KeyReleased))};
        EXPECT_EQ(journal, attendu);
    }
    EXPECT_EQ(MoteurInteractif::Instance()->Liste().size(), avant);
}

TEST_F(Moteurs, InteractifDetruitPendantLaMiseAJourNEstPlusVisite)
{
    sf::RenderWindow fenetre; // jamais ouverte : aucun événement
    Interactif premier("p");
    Interactif* victime = new Interactif("v");
    premier.aSupprimer = victime;
    MoteurInteractif::Instance()->MettreAJour(fenetre);
    for (const std::string& s : journal)
        EXPECT_NE(s, "Mv");
    EXPECT_EQ(journal.front(), "Mp");
}
