#include "Banc.h"

#include "engine/GestionnaireControleurs.h"
#include "heroes/BurstrevDust.h"

#include <SFML/Window/Event.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;
}

// Course, frottement, dérapage, roulade et fin de roulade sur un sol plat
TEST(MouvementSol, AccelereJusquaVitesseMaxPuisSArreteParFrottement)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    ASSERT_EQ(h.Etat(), HEROS_DEBOUT);
    const float max = h.ParametresMouvement().vitesseMax;
    int frames = 0;
    while (h.Vitesse() < max && frames < 600)
    {
        b.Frame([&] { h.Droite(); });
        ++frames;
    }
    // 720 / (54000 / 160) = 2,13 s
    EXPECT_NEAR(frames * Banc::DT, max / (54000.f / 160.f), 0.05f);
    b.Frames(120, [&] { h.Droite(); });
    EXPECT_GE(h.Vitesse(), max);
    EXPECT_LE(h.Vitesse(), max + 54000.f / 160.f * Banc::DT + 0.01f);
    EXPECT_EQ(h.Etat(), HEROS_COURSE);
    const float x0 = h.position.x;
    frames = 0;
    while (h.Etat() != HEROS_DEBOUT && frames < 600)
    {
        b.Frame([&] { h.SansDirection(); });
        ++frames;
    }
    EXPECT_EQ(h.Etat(), HEROS_DEBOUT);
    EXPECT_NEAR(frames * Banc::DT, (max - 60.f) / (54000.f / 160.f), 0.1f);
    EXPECT_EQ(h.Vitesse(), 0.f);
    EXPECT_GT(h.position.x, x0 + 500.f);
    EXPECT_NEAR(h.position.y, 500.f - 30.05f, 0.01f);
}

TEST(MouvementSol, DerapageEnRenversantViteDemiTourSinon)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    b.Frames(90, [&] { h.Droite(); });
    ASSERT_GT(h.Vitesse(), 360.f);
    b.Frame([&] { h.Gauche(); });
    EXPECT_EQ(h.Etat(), HEROS_DERAPAGE);
    int frames = 0;
    while (h.Etat() == HEROS_DERAPAGE && frames < 120)
    {
        b.Frame([&] { h.Gauche(); });
        ++frames;
    }
    EXPECT_EQ(h.Etat(), HEROS_DEMI_TOUR);
    EXPECT_LT(frames, 10); // freinage de 576000 : à peine un dixième de seconde
    b.Frames(30, [&] { h.Gauche(); });
    EXPECT_EQ(h.Etat(), HEROS_COURSE);
    EXPECT_FALSE(h.VersLaDroite());
    EXPECT_LT(h.Vitesse(), 0.f);

    // renverser lentement : demi-tour immédiat à vitesseMin, sans dérapage
    Banc b2;
    b2.Sol(500.f);
    b2.Poser();
    Heros& h2 = *b2.heros;
    b2.Frames(20, [&] { h2.Droite(); });
    ASSERT_LT(h2.Vitesse(), 360.f);
    b2.Frame([&] { h2.Gauche(); });
    EXPECT_EQ(h2.Etat(), HEROS_COURSE);
    EXPECT_LT(h2.Vitesse(), 0.f);
}

TEST(MouvementSol, RouladeGardeSaVitesseBasTenuPuisFreineEtFinit)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    b.Frames(90, [&] { h.Droite(); });
    b.Frame([&] { h.Bas(); });
    ASSERT_EQ(h.Etat(), HEROS_ROULADE);
    EXPECT_TRUE(h.EstDangereux(nullptr));
    const float v = h.Vitesse();
    b.Frames(30, [&] { h.Bas(); });
    EXPECT_NEAR(h.Vitesse(), v, 0.01f);
    int frames = 0;
    while (h.Etat() == HEROS_ROULADE && frames < 600)
    {
        b.Frame([&] { h.BasRelache(); h.SansDirection(); });
        ++frames;
    }
    EXPECT_EQ(h.Etat(), HEROS_DEBOUT);
    EXPECT_NEAR(frames * Banc::DT, (v - 60.f) / (27000.f / 160.f), 0.1f);
    // freiner avec la direction opposée va bien plus vite
    b.Frames(90, [&] { h.Droite(); });
    b.Frame([&] { h.Bas(); });
    ASSERT_EQ(h.Etat(), HEROS_ROULADE);
    const float v2 = h.Vitesse();
    frames = 0;
    while (h.Etat() == HEROS_ROULADE && frames < 600)
    {
        b.Frame([&] { h.Bas(); h.Gauche(); });
        ++frames;
    }
    // arrêté par Bas, puis Gauche dans la même frame le relance vers la gauche
    EXPECT_EQ(h.Etat(), HEROS_COURSE);
    EXPECT_FALSE(h.VersLaDroite());
    EXPECT_LT(std::fabs(h.Vitesse()), 60.f);
    EXPECT_NEAR(frames * Banc::DT, (v2 - 60.f) / (171000.f / 160.f), 0.05f);
}

// Pousser un mur sans fin ne blesse pas ; un freinage ne repart jamais dans l'autre sens, même à 20 ou 10 images/s
TEST(MouvementSol, PousserUnMurUneMinutePuisFreinerAPetiteCadence)
{
    for (int choix : {0, 1})
        for (float images : {60.f, 10.f})
        {
            Banc b(choix);
            b.Cadence(images);
            b.Sol(500.f);
            b.Chaine({{700.f, 500.f}, {700.f, -1000.f}});
            b.Poser();
            Heros& h = *b.heros;
            int blesse = 0, horsPoussee = 0;
            float vMax = 0.f;
            bool contre = false;
            for (int i = 0; i < 60 * int(images); ++i)
            {
                b.Frame([&] { h.Droite(); h.SautRelache(); });
                blesse += h.Etat() == HEROS_BLESSE;
                contre = contre || h.Etat() == HEROS_POUSSEE;
                horsPoussee += contre && h.Etat() != HEROS_POUSSEE;
                if (h.Etat() == HEROS_POUSSEE)
                    vMax = std::max(vMax, std::fabs(h.Vitesse()));
            }
            EXPECT_EQ(blesse, 0) << choix << " " << images;
            EXPECT_EQ(horsPoussee, 0) << choix << " " << images;
            EXPECT_EQ(h.Etat(), HEROS_POUSSEE) << choix << " " << images;
            EXPECT_LE(vMax, h.ParametresMouvement().vitessePoussee) << choix << " " << images;
            EXPECT_NEAR(h.position.x, 700.f - 30.f, 1.f) << choix << " " << images;
            if (images != 60.f)
                continue;
            // repartir de l'autre côté
            b.Frames(30, [&] { h.Gauche(); h.SautRelache(); });
            EXPECT_EQ(h.Etat(), HEROS_COURSE) << choix;
            EXPECT_LT(h.position.x, 700.f - 40.f) << choix;
            // le mur s'en va pendant la poussée : il reprend sa course
            b.Frames(120, [&] { h.Droite(); h.SautRelache(); });
            ASSERT_EQ(h.Etat(), HEROS_POUSSEE) << choix;
            b.polygones.pop_back();
            b.Frames(30, [&] { h.Droite(); h.SautRelache(); });
            EXPECT_EQ(h.Etat(), HEROS_COURSE) << choix;
            EXPECT_GT(h.position.x, 700.f) << choix;
        }

    // dérapage à 20 images/s : arrêt, demi-tour, puis une course ordinaire vers la gauche
    for (int choix : {0, 1})
    {
        Banc b(choix);
        b.Cadence(20.f);
        b.Sol(500.f);
        b.Poser();
        Heros& h = *b.heros;
        const float max = h.ParametresMouvement().vitesseMax;
        b.Frames(60, [&] { h.Droite(); h.SautRelache(); });
        ASSERT_GT(h.Vitesse(), 360.f);
        b.Frame([&] { h.Gauche(); h.SautRelache(); });
        ASSERT_EQ(h.Etat(), HEROS_DERAPAGE);
        b.Frames(20, [&] { h.Gauche(); h.SautRelache(); });
        EXPECT_EQ(h.Etat(), HEROS_COURSE) << choix;
        EXPECT_FALSE(h.VersLaDroite()) << choix;
        EXPECT_LT(h.Vitesse(), 0.f) << choix;
        EXPECT_GT(h.Vitesse(), -max - 20.f) << choix;
    }

    // roulade freinée (bas et gauche tenus) à 5 images/s, lancée à diverses vitesses : elle s'arrête au lieu
    // de repartir à reculons
    for (int choix : {0, 1})
        for (int elan = 4; elan < 12; ++elan)
        {
            Banc b(choix);
            b.Cadence(5.f);
            b.Sol(500.f);
            b.Poser();
            Heros& h = *b.heros;
            b.Frames(elan, [&] { h.Droite(); h.SautRelache(); });
            b.Frame([&] { h.Bas(); h.SautRelache(); });
            ASSERT_EQ(h.Etat(), HEROS_ROULADE);
            int frames = 0;
            while (h.Etat() == HEROS_ROULADE && frames < 30)
            {
                b.Frame([&] { h.Bas(); h.Gauche(); h.SautRelache(); });
                ++frames;
            }
            EXPECT_NE(h.Etat(), HEROS_ROULADE) << choix << " " << elan << " " << h.Vitesse();
            EXPECT_GT(h.Vitesse(), -h.ParametresMouvement().vitesseMax) << choix << " " << elan;
        }
}

namespace
{
// Hauteur maximale du saut, le saut tenu pendant n frames (-1 : toujours)
float HauteurSaut(int tenu, int* etatFinal = nullptr, bool resteTenu = false)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    b.Frame([&] { h.SautRelache(); });
    const float y0 = h.position.y;
    float yMin = y0;
    for (int i = 0; i < 240; ++i)
    {
        const bool tient = tenu < 0 || i < tenu || resteTenu;
        b.Frame([&] {
            if (tient)
                h.SautMaintenu();
            else
                h.SautRelache();
        });
        yMin = std::min(yMin, h.position.y);
    }
    if (etatFinal)
        *etatFinal = h.Etat();
    return y0 - yMin;
}
}

TEST(Saut, HauteurPleineCoupeeEtPasDeSecondSautTenu)
{
    // 780² / (2 × 9,81 × 160) = 193,8
    int etat = 0;
    const float plein = HauteurSaut(-1, &etat);
    // l'intégration à pas fixe perd une demi-frame de montée : v × dt / 2
    EXPECT_NEAR(plein, 780.f * 780.f / (2.f * 9.81f * 160.f) - 780.f * Banc::DT / 2.f, 1.5f);
    // tenu jusqu'au sol : pas de second saut
    EXPECT_TRUE(etat == HEROS_DEBOUT || etat == HEROS_COURSE) << etat;
    // relâché tôt : montée coupée à 480
    const float coupe = HauteurSaut(3);
    EXPECT_LT(coupe, 110.f);
    EXPECT_GT(coupe, 480.f * 480.f / (2.f * 9.81f * 160.f));
    // relâché quand la montée est déjà sous 480 : rien ne change
    const float tard = HauteurSaut(25);
    EXPECT_NEAR(tard, plein, 1.f);
}

TEST(Saut, RelacherAuSolPermetLeSautSuivant)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    b.Frame([&] { h.SautRelache(); });
    b.Frame([&] { h.SautMaintenu(); });
    ASSERT_EQ(h.Etat(), HEROS_SAUT);
    b.Frames(200, [&] { h.SautMaintenu(); });
    ASSERT_NE(h.sol, nullptr);
    b.Frames(30, [&] { h.SautMaintenu(); });
    EXPECT_NE(h.sol, nullptr);
    b.Frame([&] { h.SautRelache(); });
    b.Frame([&] { h.SautMaintenu(); });
    EXPECT_EQ(h.Etat(), HEROS_SAUT);
    EXPECT_EQ(h.sol, nullptr);
}

TEST(Burstrev, ChargePlafonneeA2400EtDecroissanceEntreLesAppuis)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    b.Frame([&] { h.Bas(); h.SautRelache(); });
    ASSERT_EQ(h.Etat(), HEROS_ACCROUPI);
    h.AppuiSaut();
    ASSERT_EQ(h.Etat(), HEROS_BURSTREV);
    ASSERT_NE(h.Poussiere(), nullptr);
    for (int i = 0; i < 12; ++i)
    {
        h.AppuiSaut();
        b.Frame([&] { h.Bas(); h.SautMaintenu(); });
    }
    EXPECT_EQ(h.ParametresMouvement().chargeBurstrev, 1440.f);
    b.Frame([&] { h.BasRelache(); });
    EXPECT_EQ(h.Etat(), HEROS_ROULADE);
    EXPECT_NEAR(h.Vitesse(), 2400.f, 20.f);
    EXPECT_EQ(h.ParametresMouvement().chargeBurstrev, 0.f);
    EXPECT_EQ(h.Poussiere(), nullptr);

    // entre deux appuis lents, la charge décroît de 2 × charge × dt par frame
    Banc b2;
    b2.Sol(500.f);
    b2.Poser();
    Heros& h2 = *b2.heros;
    b2.Frame([&] { h2.Bas(); h2.SautRelache(); });
    h2.AppuiSaut();
    for (int i = 0; i < 20; ++i)
    {
        h2.AppuiSaut();
        b2.Frames(30, [&] { h2.Bas(); h2.SautRelache(); });
    }
    EXPECT_LT(h2.ParametresMouvement().chargeBurstrev, 400.f);
    EXPECT_GT(h2.ParametresMouvement().chargeBurstrev, 0.f);
}

// Une charge interrompue (coup, sol qui cède, noyade) ne laisse ni poussière ni élan en réserve
TEST(Burstrev, InterrompueParUnCoupUneChuteOuLaNoyade)
{
    for (int cas = 0; cas < 3; ++cas)
    {
        Banc b;
        b.Sol(500.f);
        b.Poser();
        Heros& h = *b.heros;
        h.AjouterAnneaux(5);
        b.Frame([&] { h.Bas(); h.SautRelache(); });
        h.AppuiSaut();
        for (int i = 0; i < 5; ++i)
            h.AppuiSaut();
        ASSERT_EQ(h.Etat(), HEROS_BURSTREV);
        ASSERT_EQ(h.ParametresMouvement().chargeBurstrev, 1200.f);
        ElementScenique* poussiere = h.Poussiere();
        ASSERT_NE(poussiere, nullptr);
        if (cas == 0)
            EXPECT_TRUE(h.Blesser(0));
        else if (cas == 1)
            h.Decoller();
        else
            h.ChangerEtat(HEROS_NOYE);
        EXPECT_EQ(h.Poussiere(), nullptr) << cas;
        EXPECT_TRUE(poussiere->ASupprimer()) << cas;
        EXPECT_EQ(h.ParametresMouvement().chargeBurstrev, 0.f) << cas;
        if (cas == 2)
            continue;
        // la charge suivante repart de zéro
        b.Frames(240, [&] { h.SansDirection(); h.BasRelache(); h.SautRelache(); });
        ASSERT_NE(h.sol, nullptr);
        b.Frame([&] { h.Bas(); h.SautRelache(); });
        h.AppuiSaut();
        ASSERT_EQ(h.Etat(), HEROS_BURSTREV) << cas;
        b.Frame([&] { h.BasRelache(); h.SautRelache(); });
        EXPECT_NEAR(std::fabs(h.Vitesse()), 960.f, 10.f) << cas;
    }
}

TEST(Pentes, ReceptionSurPenteEtDecrochageDesMurs)
{
    // pente descendant vers la droite
    Banc b(0, {300.f, 200.f});
    b.Chaine({{0.f, 400.f}, {1000.f, 800.f}});
    b.Poser();
    Heros& h = *b.heros;
    ASSERT_NE(h.sol, nullptr);
    const double pente = h.sol->Angle();
    EXPECT_NEAR(h.forceMoteur.angle, pente, 1e-6);
    EXPECT_GT(pente, 3.0 * PI / 2.0);
    EXPECT_EQ(h.Etat(), HEROS_COURSE);
    const float x0 = h.position.x;
    b.Frames(30, [&] { h.SansDirection(); });
    EXPECT_GT(h.position.x, x0); // la pente l'entraîne vers le bas

    // sur un mur, plus lent que 360 : il décroche
    Banc m;
    Heros& hm = *m.heros;
    PolygoneScenique* mur = m.Chaine({{500.f, 600.f}, {500.f, 0.f}});
    hm.ChangerEtat(HEROS_COURSE);
    hm.sol = mur->Segments()[0];
    hm.forceMoteur.angle = PI / 2.0;
    hm.forceMoteur.norme = 300.f;
    m.Frame();
    EXPECT_EQ(hm.sol, nullptr);
    EXPECT_EQ(hm.Etat(), HEROS_CHUTE);
    // en roulade : saut direct
    hm.sol = mur->Segments()[0];
    hm.forceMoteur.angle = PI / 2.0;
    hm.forceMoteur.norme = 300.f;
    hm.ChangerEtat(HEROS_ROULADE);
    m.Frame();
    EXPECT_EQ(hm.Etat(), HEROS_SAUT);
}

TEST(Vies, ChuteHorsNiveauMortRecommencerEtFinDePartie)
{
    Banc b;
    Heros& h = *b.heros;
    EXPECT_EQ(h.Vies(), 3);
    int frames = 0;
    while (h.Etat() != HEROS_MORT && frames < 1200)
    {
        b.Frame();
        ++frames;
    }
    ASSERT_EQ(h.Etat(), HEROS_MORT);
    EXPECT_GT(h.position.y, 3000.f);
    EXPECT_EQ(h.masque, 0);
    b.Frames(170);
    EXPECT_EQ(b.scene.EtatScene(), SCENE_JEU);
    b.Frames(15);
    EXPECT_EQ(b.scene.EtatScene(), SCENE_RECOMMENCER);
    EXPECT_EQ(h.Vies(), 2);
    // réapparition au point de départ
    b.scene.FixerEtatScene(SCENE_JEU);
    h.AjouterAnneaux(5);
    h.Reinitialiser();
    EXPECT_EQ(h.Etat(), HEROS_APPARITION);
    EXPECT_EQ(h.masque, 7);
    EXPECT_EQ(h.Anneaux(), 0);
    EXPECT_EQ(h.position, sf::Vector2f(200.f, 400.f));
    EXPECT_TRUE(h.CommandesBloquees());
    // dernière vie : 0 vie, l'acte n'est pas relancé
    h.BloquerCommandes(false);
    h.vies = 1;
    h.ChangerEtat(HEROS_MORT);
    b.Frames(240);
    EXPECT_EQ(h.Vies(), 0);
    EXPECT_EQ(b.scene.EtatScene(), SCENE_JEU);
}

TEST(Vies, FinDActeBloqueEtFaitCourirADroite)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    b.scene.FixerEtatScene(SCENE_FIN_ACTE);
    b.Frames(120, [&] { h.Gauche(); });
    EXPECT_TRUE(h.CommandesBloquees());
    EXPECT_GT(h.Vitesse(), 300.f);
    b.scene.FixerEtatScene(SCENE_PRETE);
    b.Frame();
    EXPECT_FALSE(h.CommandesBloquees());
    EXPECT_EQ(b.scene.EtatScene(), SCENE_JEU);
}

TEST(Commandes, AppuiDeSautParEvenementEtCommandesBloquees)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    GestionnaireControleurs::Instance()->Reinitialiser();
    GestionnaireControleurs::Instance()->DefinirControleur(GestionnaireControleurs::CLAVIER);
    b.Frame([&] { h.Bas(); });
    ASSERT_EQ(h.Etat(), HEROS_ACCROUPI);
    sf::Event e;
    e.type = sf::Event::KeyPressed;
    e.key.code = sf::Keyboard::Key(GestionnaireControleurs::Instance()->Touche(5) == sf::Keyboard::A ? sf::Keyboard::B
                                                                                                       : sf::Keyboard::A);
    h.TraiterEvenement(e);
    EXPECT_EQ(h.Etat(), HEROS_ACCROUPI); // une autre touche ne fait rien
    e.key.code = sf::Keyboard::Key(GestionnaireControleurs::Instance()->Touche(5));
    h.BloquerCommandes(true);
    h.TraiterEvenement(e);
    EXPECT_EQ(h.Etat(), HEROS_ACCROUPI);
    h.BloquerCommandes(false);
    h.TraiterEvenement(e);
    EXPECT_EQ(h.Etat(), HEROS_BURSTREV);
    // manette : le bouton de l'action 2
    GestionnaireControleurs::Instance()->DefinirControleur(GestionnaireControleurs::MANETTE);
    sf::Event j;
    j.type = sf::Event::JoystickButtonPressed;
    j.joystickButton.joystickId = 0;
    j.joystickButton.button = GestionnaireControleurs::Instance()->Bouton(1);
    h.TraiterEvenement(j);
    EXPECT_EQ(h.ParametresMouvement().chargeBurstrev, 240.f);
    GestionnaireControleurs::Instance()->Reinitialiser();
}
