// Chaînes articulées : entraînement par les voisins moteurs, attache et détache en cascade,
// orientation reprise du parent.
#include "game/IAEngine.h"
#include "physics/CercleMecanique.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{
// racine, bras, avant-bras, main ; chaque membre décalé de (40, 10) de son parent
struct Chaine
{
    std::unique_ptr<CercleMecanique> racine, bras, avantBras, main;
    Chaine()
    {
        racine.reset(new CercleMecanique(nullptr, sf::Vector2f(100.f, 200.f), 40.f));
        bras.reset(new CercleMecanique(nullptr, racine.get(), nullptr, 40.f));
        avantBras.reset(new CercleMecanique(nullptr, bras.get(), nullptr, 40.f));
        main.reset(new CercleMecanique(nullptr, avantBras.get(), nullptr, 40.f));
        racine->FixerEnfant(bras.get());
        bras->FixerEnfant(avantBras.get());
        avantBras->FixerEnfant(main.get());
        for (CercleMecanique* m : {bras.get(), avantBras.get(), main.get()})
            m->decalageSprite = sf::Vector2f(40.f, 10.f);
    }
    void Attacher()
    {
        bras->UtiliserDecalage(true);
        racine->SuivreAncre();
    }
};

void Mener(CercleMecanique& m, float x, float y)
{
    m.FixerMoteur(true);
    m.forceMoteur.x = x;
    m.forceMoteur.y = y;
    m.forceMoteur.VersPolaire();
}
} // namespace

TEST(Mecanique, UnMembreSePoseSurSonParentEtSInscritAuMoteurIA)
{
    const std::size_t avant = IAEngine::Liste().size();
    {
        Chaine c;
        EXPECT_EQ(c.bras->position, c.racine->position);
        EXPECT_EQ(c.main->Parent(), c.avantBras.get());
        EXPECT_FLOAT_EQ(c.main->forceGravite.acceleration, 0.f);
        EXPECT_EQ(IAEngine::Liste().size(), avant + 4);
    }
    EXPECT_EQ(IAEngine::Liste().size(), avant);
}

TEST(Mecanique, LaChaineAttacheeSuitSaRacineEnUnAppelEtSeDetacheEnCascade)
{
    Chaine c;
    c.Attacher();
    EXPECT_EQ(c.main->position, sf::Vector2f(220.f, 230.f));
    c.racine->position = sf::Vector2f(500.f, 100.f);
    c.racine->SuivreAncre();
    EXPECT_EQ(c.bras->position, sf::Vector2f(540.f, 110.f));
    EXPECT_EQ(c.main->position, sf::Vector2f(620.f, 130.f));

    // la racine bouge encore, puis le bras se détache : chacun reste à sa dernière place attachée
    c.racine->position = sf::Vector2f(0.f, 0.f);
    c.bras->UtiliserDecalage(false);
    for (CercleMecanique* m : {c.bras.get(), c.avantBras.get(), c.main.get()})
        EXPECT_FALSE(m->avecDecalage);
    EXPECT_EQ(c.bras->position, sf::Vector2f(40.f, 10.f));
    EXPECT_EQ(c.main->position, sf::Vector2f(120.f, 30.f));
    // libres : la racine ne les tire plus
    c.racine->position = sf::Vector2f(-300.f, 0.f);
    c.racine->SuivreAncre();
    EXPECT_EQ(c.main->position, sf::Vector2f(120.f, 30.f));
}

TEST(Mecanique, UnMembreLibrePrendLaVitesseDeSonVoisinMoteurLeParentDAbord)
{
    Chaine c;
    Mener(*c.bras, 120.f, -50.f);
    Mener(*c.main, -300.f, 0.f);
    c.avantBras->forceMoteur.x = 999.f;
    c.avantBras->Entrainer();
    EXPECT_FLOAT_EQ(c.avantBras->forceMoteur.x, 120.f);
    EXPECT_FLOAT_EQ(c.avantBras->forceMoteur.y, -50.f);
    EXPECT_NEAR(c.avantBras->forceMoteur.norme, 130.f, 1e-3f);

    // seul l'enfant mène
    c.bras->FixerMoteur(false);
    c.avantBras->Entrainer();
    EXPECT_FLOAT_EQ(c.avantBras->forceMoteur.x, -300.f);
    EXPECT_NEAR(std::cos(c.avantBras->forceMoteur.angle), -1.0, 1e-9);

    // aucun voisin moteur : l'élan est remis à zéro
    c.main->FixerMoteur(false);
    c.avantBras->Entrainer();
    EXPECT_FLOAT_EQ(c.avantBras->forceMoteur.norme, 0.f);
    EXPECT_FLOAT_EQ(c.avantBras->forceMoteur.x, 0.f);

    // un moteur et un membre attaché ne sont pas entraînés
    Mener(*c.bras, 10.f, 0.f);
    c.bras->Entrainer();
    EXPECT_FLOAT_EQ(c.bras->forceMoteur.x, 10.f);
    c.avantBras->avecDecalage = true;
    c.avantBras->forceMoteur.x = 7.f;
    c.avantBras->Entrainer();
    EXPECT_FLOAT_EQ(c.avantBras->forceMoteur.x, 7.f);
}

TEST(Mecanique, IntegrerEntraineAvantDeBouger)
{
    Chaine c;
    c.bras->UtiliserDecalage(false);
    Mener(*c.avantBras, 60.f, 0.f);
    const sf::Vector2f depart = c.main->position;
    c.main->Integrer(0.5f);
    EXPECT_FLOAT_EQ(c.main->forceMoteur.x, 60.f);
    EXPECT_GT(c.main->positionSuivante.x, depart.x);
    EXPECT_FLOAT_EQ(c.main->positionSuivante.y, depart.y);
}

TEST(Mecanique, LEnfantPrendLOrientationDuParentEtLaChaineLibreSeRecale)
{
    Chaine c;
    c.Attacher();
    c.bras->UtiliserDecalage(false);
    c.bras->position = sf::Vector2f(140.f, 210.f);
    c.racine->FixerVersLaDroite(false);
    // l'avant-bras ne change qu'à sa propre image
    EXPECT_TRUE(c.avantBras->VersLaDroite());
    c.bras->Animer();
    EXPECT_FALSE(c.bras->VersLaDroite());
    // recalé une fois sur la racine, décalage en miroir, puis de nouveau libre
    EXPECT_EQ(c.bras->position, sf::Vector2f(60.f, 210.f));
    EXPECT_FALSE(c.bras->avecDecalage);
    // l'avant-bras suit à sa propre image, recalé sur le bras
    c.avantBras->Animer();
    EXPECT_FALSE(c.avantBras->VersLaDroite());
    EXPECT_EQ(c.avantBras->position, sf::Vector2f(20.f, 220.f));
}

TEST(Mecanique, UnMembreSupprimeNeLaissePasDeLienPendant)
{
    Chaine c;
    c.avantBras.reset();
    EXPECT_EQ(c.bras->Enfant(), nullptr);
    EXPECT_EQ(c.main->Parent(), nullptr);
    // la chaîne restante se manie sans toucher au membre disparu
    c.bras->UtiliserDecalage(true);
    c.racine->SuivreAncre();
    c.main->Entrainer();
    c.main->Animer();
    EXPECT_EQ(c.bras->position, sf::Vector2f(140.f, 210.f));
}
