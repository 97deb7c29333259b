#include "Arene.h"

#include "enemies/Coccinelle.h"
#include "enemies/Crabe.h"
#include "enemies/Ecureuil.h"
#include "enemies/Lapin.h"
#include "enemies/Tortue.h"
#include "enemies/ZubRobot.h"
#include "objects/Explosion.h"
#include "scene/Sprite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{
const double PI = 3.14159265358979323846;
}

// Un héros qui roule détruit le robot en passant : 100 points, une tortue et une explosion, il roule encore
TEST(Protocole, HerosQuiRouleDetruitLeRobotEtContinue)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    Coccinelle* c = a.Ajouter(new Coccinelle(&a.scene, {1400.f, 469.f}, 40.f));
    // élan, puis roulade
    for (int i = 0; i < 120 && h.position.x < 800.f; ++i)
        a.Frame([&] { h.Droite(); h.SautRelache(); });
    ASSERT_GT(std::fabs(h.Vitesse()), 500.f);
    bool detruit = false;
    float xRobot = 0.f;
    for (int i = 0; i < 240 && !detruit; ++i)
    {
        a.Frame([&] { h.Bas(); h.SautRelache(); });
        detruit = !a.Range(c);
        if (!detruit)
            xRobot = c->position.x;
    }
    ASSERT_TRUE(detruit);
    EXPECT_EQ(h.Score(), 100);
    EXPECT_EQ(h.Etat(), HEROS_ROULADE);
    EXPECT_GT(h.Vitesse(), 300.f);
    ASSERT_EQ(a.Tous<Tortue>().size(), 1u);
    EXPECT_EQ(a.Tous<Explosion>().size(), 1u);
    EXPECT_TRUE(a.Tous<Lapin>().empty());
    EXPECT_NEAR(a.Tous<Tortue>()[0]->position.x, xRobot, 20.f);
    EXPECT_NEAR(a.Tous<Explosion>()[0]->PositionElement().x, xRobot, 20.f);
}

// Un héros qui saute et retombe sur le robot rebondit vers le haut
TEST(Protocole, HerosQuiSauteRebondit)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    a.Frames(2, [&] { h.SansDirection(); h.SautRelache(); });
    a.Frame([&] { h.SansDirection(); h.SautMaintenu(); });
    ASSERT_EQ(h.Etat(), HEROS_SAUT);
    for (int i = 0; i < 120 && !(h.vitesse.y > 100.f); ++i)
        a.Frame([&] { h.SansDirection(); h.SautMaintenu(); });
    ASSERT_GT(h.vitesse.y, 100.f);
    const float chute = h.vitesse.norme;
    ZubRobot* r = a.Ajouter(new ZubRobot(&a.scene, h.position + sf::Vector2f(0.f, 50.f), 40.f));
    r->ToucherHeros(&h);
    EXPECT_TRUE(r->aSupprimer);
    EXPECT_EQ(h.Score(), 100);
    EXPECT_GT(h.forceElan.angle, 0.0);
    EXPECT_LT(h.forceElan.angle, PI);
    EXPECT_NEAR(h.forceElan.norme, 0.75f * chute, 1.f);
    a.Frame([&] { h.SansDirection(); h.SautMaintenu(); });
    EXPECT_LT(h.vitesse.y, 0.f) << "le héros remonte";
    EXPECT_EQ(a.Tous<Lapin>().size(), 1u);
}

// Un héros qui marche est blessé, le robot reste ; le héros qui roule ne rebondit pas
TEST(Protocole, HerosQuiMarcheEstBlesse)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    h.AjouterAnneaux(5);
    a.Frames(10, [&] { h.Droite(); });
    ASSERT_EQ(h.Etat(), HEROS_COURSE);
    Crabe* c = a.Ajouter(new Crabe(&a.scene, h.position + sf::Vector2f(40.f, 0.f), 40.f));
    c->ToucherHeros(&h);
    EXPECT_FALSE(c->aSupprimer);
    EXPECT_EQ(h.Etat(), HEROS_BLESSE);
    EXPECT_EQ(h.Anneaux(), 0);
    EXPECT_EQ(h.Score(), 0);
    a.Frames(5);
    EXPECT_TRUE(a.Range(c));
    EXPECT_TRUE(a.Tous<Ecureuil>().empty());
    EXPECT_TRUE(a.Tous<Explosion>().empty());
}

// Un robot qui clignote survit au coup, mais le héros marque quand même ; deux coups ne libèrent qu'un animal
TEST(Protocole, RobotClignotantSurvitEtCompte)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    h.ChangerEtat(HEROS_ROULADE);
    ASSERT_TRUE(h.EstDangereux(nullptr));
    // gardée hors de la scène : seuls nos coups la touchent
    std::unique_ptr<Coccinelle> garde(new Coccinelle(&a.scene, h.position + sf::Vector2f(30.f, 0.f), 40.f));
    Coccinelle* c = garde.get();
    c->Sprites()[0]->Clignoter(2.f);
    c->ToucherHeros(&h);
    EXPECT_FALSE(c->aSupprimer);
    EXPECT_EQ(h.Score(), 100);
    EXPECT_TRUE(a.Tous<Tortue>().empty());
    EXPECT_TRUE(a.Tous<Explosion>().empty());

    a.Secondes(2.1f);
    EXPECT_TRUE(c->Blesser(0));
    EXPECT_FALSE(c->Blesser(0)) << "déjà détruit";
    c->ToucherHeros(&h);
    EXPECT_EQ(h.Score(), 100) << "un robot détruit ne compte plus";
    EXPECT_EQ(a.Tous<Tortue>().size(), 1u);
    EXPECT_EQ(a.Tous<Explosion>().size(), 1u);
}

// Un robot déchargé avec le niveau ne libère rien ; le héros invincible détruit en marchant
TEST(Protocole, DechargementEtInvincibilite)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    a.Ajouter(new Coccinelle(&a.scene, {2000.f, 469.f}, 40.f));
    a.scene.Vider();
    EXPECT_TRUE(a.Tous<Tortue>().empty());
    EXPECT_TRUE(a.Tous<Explosion>().empty());
    EXPECT_TRUE(IAEngine::Liste().empty()) << "plus de robot inscrit au moteur d'IA";

    a.Sol(500.f);
    h.DonnerBouclier(5);
    a.Frames(2);
    ASSERT_EQ(h.Bouclier(), 5);
    Crabe* c = a.Ajouter(new Crabe(&a.scene, h.position + sf::Vector2f(30.f, 0.f), 40.f));
    c->ToucherHeros(&h);
    EXPECT_TRUE(c->aSupprimer);
    EXPECT_EQ(h.Score(), 100);
    EXPECT_EQ(a.Tous<Ecureuil>().size(), 1u);
}
