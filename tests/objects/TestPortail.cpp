#include "../heroes/Banc.h"

#include "game/Camera.h"
#include "game/GameOptions.h"
#include "objects/Lueur.h"
#include "objects/Portail.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <cmath>

// Posé sur le plot : 1 s de charge, colonne de lumière et secousse, 2 s, le héros tombe, 3,5 s, niveau suivant
TEST(Portail, DeroulementDuDepart)
{
    GameOptions::Instance()->DefinirNiveauChoisi(0);
    Banc b(0, {500.f, 400.f});
    b.Sol(600.f);
    Portail* portail = new Portail(&b.scene, {500.f, 528.f}, 30.f, {3.f});
    b.Ajouter(portail);
    EXPECT_EQ(portail->Destination(), 3);
    ASSERT_EQ(portail->Segments().size(), 7u);
    EXPECT_EQ(portail->Segments()[Portail::INDICE_PLOT]->Drapeaux(), 0x109);
    Heros& h = *b.heros;
    h.DonnerBouclier(1);
    for (int i = 0; i < 120 && portail->Etat() == 0; ++i)
        b.Frame();
    ASSERT_EQ(portail->Etat(), 1);
    EXPECT_EQ(GameOptions::Instance()->NiveauChoisi(), 3);
    EXPECT_EQ(h.Etat(), HEROS_REGARDE_HAUT);
    EXPECT_TRUE(h.CommandesBloquees());
    EXPECT_EQ(h.PositionElement(), sf::Vector2f(-64.f, -64.f));
    EXPECT_NEAR(h.position.y, 504.f - 30.f, 1.f);

    // mesure des temps de chaque étape
    float t = 0.f, tCharge = -1.f, tOuvert = -1.f, tChute = -1.f, tSuivant = -1.f;
    const int rangesAvant = b.scene.ComptesElements().ranges;
    for (int i = 0; i < 480 && tSuivant < 0.f; ++i)
    {
        b.Frame();
        t += Banc::DT;
        if (tCharge < 0.f && portail->Etat() == 2)
            tCharge = t;
        if (tOuvert < 0.f && portail->Etat() == 9)
            tOuvert = t;
        if (tChute < 0.f && h.Etat() == HEROS_PORTAIL)
        {
            tChute = t;
            EXPECT_TRUE(portail->Segments().empty());
            EXPECT_EQ(h.sol, nullptr);
            EXPECT_EQ(h.Bouclier(), 0);
        }
        if (b.scene.EtatScene() == SCENE_SUIVANTE)
            tSuivant = t;
    }
    EXPECT_NEAR(tCharge, 1.f, 0.05f);
    EXPECT_NEAR(tOuvert - tCharge, 2.f, 0.05f);
    EXPECT_NEAR(tChute - tOuvert, 0.f, 0.05f);
    EXPECT_NEAR(tSuivant - tOuvert, 3.5f, 0.05f);
    // la colonne de lumière a rejoint la scène
    EXPECT_EQ(b.scene.ComptesElements().ranges, rangesAvant + 1);
    // le héros tombe dans le portail
    b.Frames(10);
    EXPECT_GT(h.position.y, 504.f - 30.f + 5.f);
    GameOptions::Instance()->DefinirNiveauChoisi(0);
}

// Le reste du socle est une surface ordinaire ; une destination impossible devient 0 (niveau suivant)
TEST(Portail, SocleOrdinaireEtDestinationBornee)
{
    GameOptions::Instance()->DefinirNiveauChoisi(0);
    {
        Banc b(0, {540.f, 400.f});
        b.Sol(600.f);
        Portail* portail = new Portail(&b.scene, {500.f, 528.f}, 30.f, {2.f});
        b.Ajouter(portail);
        b.Poser();
        b.Frames(60);
        EXPECT_EQ(portail->Etat(), 0);
        EXPECT_NEAR(b.heros->position.y, 520.f - 30.f, 1.f);
        EXPECT_EQ(GameOptions::Instance()->NiveauChoisi(), 0);
    }
    for (float d : {-4.f, 0.f, 1e20f, NAN})
    {
        Portail p(nullptr, {0.f, 0.f}, 30.f, {d});
        EXPECT_EQ(p.Destination(), 0) << d;
    }
    Portail sans(nullptr, {0.f, 0.f}, 30.f, {});
    EXPECT_EQ(sans.Destination(), 0);
}

// La secousse de la caméra et la colonne qui se révèle
TEST(Portail, SecousseEtColonneDeLumiere)
{
    GameOptions::Instance()->DefinirNiveauChoisi(0);
    Banc b(0, {500.f, 400.f});
    sf::RenderTexture rt;
    rt.create(64, 64);
    Camera camera(&rt);
    b.scene.FixerCamera(&camera);
    camera.Lier(&b.scene);
    b.Sol(600.f);
    Portail* portail = new Portail(&b.scene, {500.f, 528.f}, 30.f, {1.f});
    b.Ajouter(portail);
    for (int i = 0; i < 200 && portail->Etat() != 2; ++i)
        b.Frame();
    ASSERT_EQ(portail->Etat(), 2);
    // la vue tremble
    const sf::Vector2f c0 = camera.Vue().getCenter();
    bool bouge = false;
    for (int i = 0; i < 20; ++i)
    {
        b.Frame();
        camera.Actualiser();
        bouge = bouge || camera.Vue().getCenter() != c0;
    }
    EXPECT_TRUE(bouge);
    b.scene.FixerCamera(nullptr);

    Lueur l(nullptr, {500.f, 568.f});
    EXPECT_EQ(std::floor(l.profondeur), 78.f);
    ASSERT_EQ(l.Sprites().size(), 1u);
    const sf::FloatRect r = l.Sprites()[0]->SpriteSFML().getGlobalBounds();
    EXPECT_NEAR(r.height, 960.f, 0.5f);
    EXPECT_NEAR(r.top + r.height, 568.f, 0.5f);
    // ses bornes s'arrêtent au haut du niveau
    EXPECT_EQ(l.Encadrement(), sf::FloatRect(452.f, 0.f, 96.f, 568.f));
    Lueur basse(nullptr, {500.f, 1500.f});
    EXPECT_EQ(basse.Encadrement(), sf::FloatRect(452.f, 540.f, 96.f, 960.f));
    for (int i = 0; i < 300; ++i)
    {
        SourceTemps::Avancer(sf::seconds(Banc::DT));
        l.Animer();
    }
    EXPECT_EQ(l.Sprites()[0]->LigneCourante(), 40);
    GameOptions::Instance()->DefinirNiveauChoisi(0);
}
