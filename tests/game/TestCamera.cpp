#include "engine/SourceTemps.h"
#include "game/Camera.h"
#include "game/SceneGraphique.h"
#include "physics/CerclePhysique.h"
#include "shell/MyQtSFMLWindow.h"

#include <gtest/gtest.h>

#include <cmath>

class CameraTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SourceTemps::Manuel(true);
        MyQtSFMLWindow::DefinirDureeFrame(1.f / 60.f);
        camera.Lier(&scene);
    }
    void TearDown() override { SourceTemps::Manuel(false); }

    void Frame()
    {
        SourceTemps::Avancer(sf::seconds(1.f / 60.f));
        camera.Actualiser();
    }

    SceneGraphique scene;
    Camera camera{nullptr};
    CerclePhysique cible{sf::Vector2f(1000.f, 1000.f)};
};

TEST_F(CameraTest, ZoneMorteEtVitesseDeSuivi)
{
    EXPECT_EQ(scene.CameraScene(), &camera);
    camera.FixerCible(&cible);
    EXPECT_EQ(camera.Vue().getCenter(), sf::Vector2f(1000.f, 1000.f));
    // Dans la zone morte : rien ne bouge
    cible.position = {1032.f, 936.f};
    for (int i = 0; i < 10; ++i)
        Frame();
    EXPECT_EQ(camera.Vue().getCenter(), sf::Vector2f(1000.f, 1000.f));
    // Cible lointaine : au plus 1920 px/s, soit 32 px par frame
    cible.position = {3000.f, 1000.f};
    Frame();
    EXPECT_NEAR(camera.Vue().getCenter().x, 1032.f, 1e-3);
    EXPECT_EQ(camera.Vue().getCenter().y, 1000.f);
    // Proche du bord de la zone morte : ramenée au bord, jamais au-delà
    cible.position = {camera.Vue().getCenter().x + 40.f, 1000.f};
    Frame();
    EXPECT_NEAR(cible.position.x - camera.Vue().getCenter().x, 32.f, 1e-3);
    // Cible exactement au centre : ni mouvement ni NaN
    cible.position = camera.Vue().getCenter();
    Frame();
    EXPECT_FALSE(std::isnan(camera.Vue().getCenter().x));
    EXPECT_EQ(camera.Vue().getCenter(), cible.position);
}

TEST_F(CameraTest, RegarderEnBasApresLeDelai)
{
    camera.FixerCible(&cible);
    camera.FixerSuivi(false);
    const float y0 = camera.Vue().getCenter().y;
    for (int i = 0; i < 54; ++i) // 0,9 s
    {
        Frame();
        camera.RegarderBas();
    }
    EXPECT_EQ(camera.Vue().getCenter().y, y0);
    int frames = 0;
    float dernier = y0;
    for (; frames < 300; ++frames)
    {
        Frame();
        camera.RegarderBas();
        if (camera.Vue().getCenter().y == dernier && frames > 10)
            break;
        dernier = camera.Vue().getCenter().y;
    }
    // Le centre descend jusqu'à ce que la cible soit 240 px au-dessus
    EXPECT_LT(frames, 300);
    EXPECT_NEAR(camera.Vue().getCenter().y - cible.position.y, 240.f, 250.f / 60.f + 1e-3);
    // Revenir au suivi : la caméra rattrape la cible (hors zone morte)
    camera.Suivre();
    EXPECT_TRUE(camera.Suivi());
    for (int i = 0; i < 60; ++i)
        Frame();
    EXPECT_NEAR(camera.Vue().getCenter().y - cible.position.y, 64.f, 1e-3);
}

TEST_F(CameraTest, LimitesEtNiveauEtroit)
{
    scene.FixerTaille(500, 2000);
    scene.FixerMarge(0);
    cible.position = {250.f, 100.f};
    camera.FixerCible(&cible);
    Frame();
    // Plus étroit que l'écran : la règle de gauche l'emporte ; jamais au-dessus de y = 0
    EXPECT_EQ(camera.Vue().getCenter(), sf::Vector2f(320.f, 240.f));
    scene.FixerTaille(4000, 2000);
    scene.FixerMarge(0);
    camera.DeplacerVue({10000.f, 10000.f});
    EXPECT_EQ(camera.Vue().getCenter(), sf::Vector2f(4000.f - 320.f, 2000.f - 240.f));
}

TEST_F(CameraTest, SecousseBorneeDansLeTemps)
{
    scene.FixerTaille(4000, 4000);
    scene.FixerMarge(0);
    camera.Centrer({2000.f, 2000.f});
    std::srand(5);
    camera.Secouer(5.f, 0.5f);
    bool bouge = false;
    for (int i = 0; i < 20; ++i)
    {
        const sf::Vector2f avant = camera.Vue().getCenter();
        Frame();
        const sf::Vector2f d = camera.Vue().getCenter() - avant;
        EXPECT_LE(std::fabs(d.x), 5.f);
        EXPECT_LE(std::fabs(d.y), 5.f);
        bouge = bouge || d != sf::Vector2f(0.f, 0.f);
    }
    EXPECT_TRUE(bouge);
    for (int i = 0; i < 30; ++i)
        Frame();
    const sf::Vector2f fin = camera.Vue().getCenter();
    Frame();
    EXPECT_EQ(camera.Vue().getCenter(), fin);
}
