#include "Banc.h"

#include "heroes/Bouclier.h"
#include "objects/Anneau.h"
#include "objects/Moniteur.h"

#include <gtest/gtest.h>

// Coups, anneaux éparpillés, boucliers
TEST(Coups, QuaranteAnneauxEnEparpillentTrenteDeuxPuisSansAnneauIlMeurt)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    const std::size_t avant = Anneau::Nombre();
    h.AjouterAnneaux(40);
    EXPECT_TRUE(h.Blesser(0));
    EXPECT_EQ(Anneau::Nombre() - avant, 32u);
    EXPECT_EQ(h.Anneaux(), 0);
    EXPECT_EQ(h.Etat(), HEROS_BLESSE);
    // clignotement : les coups des 3 s suivantes sont ignorés
    b.Frames(60);
    h.AjouterAnneaux(3);
    EXPECT_FALSE(h.Blesser(0));
    EXPECT_EQ(h.Anneaux(), 3);
    b.Frames(140);
    // nombre impair : un anneau seul puis des paires
    const std::size_t milieu = Anneau::Nombre();
    EXPECT_TRUE(h.Blesser(0));
    EXPECT_EQ(Anneau::Nombre() - milieu, 3u);
    b.Frames(200);
    EXPECT_TRUE(h.Blesser(0));
    EXPECT_EQ(h.Etat(), HEROS_MORT);
    EXPECT_FALSE(h.Blesser(0)); // déjà mort
}

TEST(Coups, BouclierProtegeDeSonElementEtPartAuCoupOrdinaire)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    h.AjouterAnneaux(5);
    h.DonnerBouclier(3);
    ASSERT_EQ(h.Bouclier(), 3);
    ASSERT_NE(h.BouclierActif(), nullptr);
    EXPECT_FALSE(h.Blesser(3));
    EXPECT_EQ(h.Bouclier(), 3);
    EXPECT_TRUE(h.Blesser(0));
    EXPECT_EQ(h.Bouclier(), 0);
    EXPECT_EQ(h.BouclierActif(), nullptr);
    EXPECT_EQ(h.Anneaux(), 5); // le bouclier a pris le coup
    EXPECT_EQ(h.Etat(), HEROS_BLESSE);
}

TEST(Objets, MoniteursUnParFrameUneDemiSecondeApres)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    h.EmpilerBonus(5000010);
    h.EmpilerBonus(5000020);
    h.EmpilerBonus(4242);
    int frames = 0;
    while (h.Anneaux() == 0 && frames < 60)
    {
        b.Frame();
        ++frames;
    }
    EXPECT_EQ(h.Anneaux(), 10);
    EXPECT_NEAR(frames * Banc::DT, 0.5f, 1.5f * Banc::DT);
    EXPECT_EQ(h.Vies(), 3);
    b.Frame();
    EXPECT_EQ(h.Vies(), 4);
    b.Frame();
    EXPECT_EQ(h.BonusEnAttente(), 0u); // l'inconnu part sans effet
    EXPECT_EQ(h.Anneaux(), 10);
}

TEST(Objets, InvincibiliteRendLeBouclierPrecedentAuBoutDeVingtSecondes)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    h.DonnerBouclier(1);
    h.EmpilerBonus(5000199);
    b.Frames(40);
    ASSERT_EQ(h.Bouclier(), 5);
    EXPECT_TRUE(h.EstDangereux(nullptr));
    EXPECT_FALSE(h.Blesser(0));
    // un bouclier pris pendant l'invincibilité attend la fin
    h.DonnerBouclier(2);
    EXPECT_EQ(h.Bouclier(), 5);
    b.Frames(60 * 19);
    EXPECT_EQ(h.Bouclier(), 5);
    b.Frames(60);
    EXPECT_EQ(h.Bouclier(), 2);
}

TEST(Objets, ChaussuresDixSecondesSuspenduesSousLEau)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    h.EmpilerBonus(5000030);
    b.Frames(40);
    ASSERT_TRUE(h.Turbo());
    EXPECT_EQ(h.ParametresMouvement().vitesseMax, 1440.f);
    EXPECT_EQ(h.ParametresMouvement().accelerationSol, 108000.f);
    // une seconde paire ne double ni ne prolonge
    h.ActiverTurbo(true, true);
    EXPECT_EQ(h.ParametresMouvement().vitesseMax, 1440.f);
    h.FixerEchelleTemps(0.5f);
    EXPECT_TRUE(h.Turbo());
    EXPECT_EQ(h.ParametresMouvement().vitesseMax, 720.f);
    h.FixerEchelleTemps(1.f);
    EXPECT_EQ(h.ParametresMouvement().vitesseMax, 1440.f);
    b.Frames(60 * 10 + 5);
    EXPECT_FALSE(h.Turbo());
    EXPECT_EQ(h.ParametresMouvement().vitesseMax, 720.f);
    EXPECT_EQ(h.ParametresMouvement().frottementRoulade, -27000.f);
    // fin sous l'eau : valeurs normales aussi
    h.ActiverTurbo(true, true);
    h.FixerEchelleTemps(0.5f);
    b.Frames(60 * 10 + 5);
    EXPECT_FALSE(h.Turbo());
    h.FixerEchelleTemps(1.f);
    EXPECT_EQ(h.ParametresMouvement().vitesseMax, 720.f);
}

TEST(Objets, AnneauSuspenduPrisUneSeuleFoisEparpilleProtegeUneDemiSeconde)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    Anneau suspendu(&b.scene, h.position, 0.f);
    b.Frames(40);
    suspendu.ToucherHeros(&h);
    EXPECT_EQ(h.Anneaux(), 1);
    suspendu.ToucherHeros(&h);
    EXPECT_EQ(h.Anneaux(), 1);
    Force f;
    f.norme = 500.f;
    f.angle = 1.0;
    Anneau jete(&b.scene, h.position, f);
    jete.ToucherHeros(&h);
    EXPECT_EQ(h.Anneaux(), 1);
    b.Frames(40);
    jete.ToucherHeros(&h);
    EXPECT_EQ(h.Anneaux(), 2);
}

TEST(Objets, MoniteurCasseEnRouladeRapideSolideSinon)
{
    for (float vitesse : {300.f, 700.f})
    {
        Banc b;
        b.Sol(500.f);
        b.Poser();
        Heros& h = *b.heros;
        Moniteur* m = new Moniteur(&b.scene, 5000010, {h.position.x + 300.f, 500.f - 32.f}, 0.f);
        b.Ajouter(m);
        h.ChangerEtat(HEROS_COURSE);
        h.forceMoteur.norme = vitesse;
        b.Frame([&] { h.Bas(); });
        ASSERT_EQ(h.Etat(), HEROS_ROULADE);
        for (int i = 0; i < 90 && m->Etat() == 0; ++i)
            b.Frame([&] {
                h.Bas();
                if (h.Vitesse() < vitesse)
                    h.forceMoteur.norme = vitesse;
            });
        if (vitesse > 360.f)
        {
            EXPECT_EQ(m->Etat(), 9);
            EXPECT_EQ(h.BonusEnAttente(), 1u);
            EXPECT_TRUE(m->Segments().empty());
            b.Frames(40);
            EXPECT_EQ(h.Anneaux(), 10);
        }
        else
        {
            EXPECT_EQ(m->Etat(), 0);
            EXPECT_EQ(h.BonusEnAttente(), 0u);
            EXPECT_LT(h.position.x, m->position.x);
        }
    }
}
