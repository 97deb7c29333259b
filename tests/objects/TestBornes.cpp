#include "../heroes/Banc.h"

#include "objects/BorneZ.h"
#include "objects/CheckPoint.h"
#include "objects/FinLevel.h"
#include "scene/Sprite.h"

#include <gtest/gtest.h>

namespace
{
// Marche dans un sens jusqu'à dépasser x (ou n frames)
void Marcher(Banc& b, bool droite, float x, int n = 600)
{
    Heros& h = *b.heros;
    for (int i = 0; i < n && (droite ? h.position.x < x : h.position.x > x); ++i)
        b.Frame([&] {
            if (droite)
                h.Droite();
            else
                h.Gauche();
            h.SautRelache();
        });
}
} // namespace

// Borne de couche : agit seulement sur le héros qui la franchit dans son sens
TEST(Bornes, BorneFranchieDansSonSensSeulement)
{
    Banc b(0, {200.f, 400.f});
    b.Sol(500.f);
    // 1000042 franchie vers la droite ; 1000061 vers la gauche
    b.Ajouter(new BorneZ(&b.scene, {400.f, 468.f}, 79.f, {}, 1000042));
    b.Ajouter(new BorneZ(&b.scene, {700.f, 468.f}, 79.f, {}, 1000061));
    b.Poser();
    Heros& h = *b.heros;
    ASSERT_EQ(h.masque, 7);
    Marcher(b, true, 550.f);
    EXPECT_EQ(h.masque, 11);
    EXPECT_EQ(h.profondeur, 51.f);
    // la borne vers la gauche, franchie vers la droite : rien
    Marcher(b, true, 850.f);
    EXPECT_EQ(h.masque, 11);
    // retour vers la gauche : elle remet la couche ordinaire ; la première, franchie à rebours, ne fait rien
    Marcher(b, false, 550.f);
    EXPECT_EQ(h.masque, 7);
    EXPECT_EQ(h.profondeur, 59.f);
    Marcher(b, false, 250.f);
    EXPECT_EQ(h.masque, 7);
    EXPECT_EQ(h.profondeur, 59.f);

    // segments et réglages des quatre genres
    const BorneZ d41(nullptr, {0.f, 0.f}, 79.f, {}, 1000041), g62(nullptr, {0.f, 0.f}, 79.f, {}, 1000062);
    EXPECT_EQ(d41.MasqueHeros(), 7);
    EXPECT_EQ(g62.MasqueHeros(), 11);
    EXPECT_EQ(g62.ProfondeurHeros(), 51.f);
    EXPECT_EQ(d41.Segments()[0]->A(), sf::Vector2f(0.f, 32.f));
    EXPECT_EQ(g62.Segments()[0]->A(), sf::Vector2f(0.f, -32.f));
    EXPECT_EQ(d41.Segments()[0]->Drapeaux(), SEG_SOL | SEG_CAPTEUR);
    EXPECT_EQ(g62.Sprites()[0]->Rotation(), 180.f);
    EXPECT_EQ(d41.masque, 256);
}

// Point de passage : point de retour posé une fois ; repassé après un retour, il se montre passé
TEST(Bornes, PointDePassageEtRetour)
{
    for (float x : {1000.f, 500.f})
    {
        Banc b(0, {200.f, 400.f});
        b.Sol(500.f);
        CheckPoint* cp = new CheckPoint(&b.scene, {x, 436.f}, 30.f);
        b.Ajouter(cp);
        b.Poser();
        Heros& h = *b.heros;
        Marcher(b, true, x + 100.f);
        EXPECT_EQ(cp->Etat(), 1) << x;
        EXPECT_TRUE(cp->Segments().empty());
        EXPECT_EQ(h.PositionElement(), sf::Vector2f(x, 436.f));
        // l'animation se termine sur l'état passé
        b.Frames(60);
        EXPECT_EQ(cp->Etat(), 9);

        // le héros revient après une mort ; le niveau rechargé remet un point de passage neuf
        h.Reinitialiser();
        if (x > 640.f)
            EXPECT_EQ(h.position, sf::Vector2f(x, 436.f));
        else
            EXPECT_EQ(h.position, b.scene.PointDepart()) << "trop près du départ : pas de retour ici";
    }

    Banc b(0, {1000.f, 400.f});
    b.Sol(500.f);
    // point de retour déjà posé là (le héros y est revenu)
    b.heros->FixerPosition({1100.f, 436.f});
    CheckPoint* cp = new CheckPoint(&b.scene, {1100.f, 436.f}, 30.f);
    b.Ajouter(cp);
    b.Poser();
    Marcher(b, true, 1300.f);
    EXPECT_EQ(cp->Etat(), 9);
    EXPECT_TRUE(cp->Segments().empty());
    EXPECT_EQ(b.heros->PositionElement(), sf::Vector2f(1100.f, 436.f));
}

// Panneau : limite droite à la pose, limite gauche à l'approche, fin d'acte et sol de sûreté à l'arrivée
TEST(Bornes, PanneauFinDActe)
{
    Banc b(0, {200.f, 400.f});
    // le sol s'arrête juste après le panneau : seul le sol de sûreté porte le héros ensuite
    b.Sol(500.f, -1000.f, 2100.f);
    FinLevel* fin = new FinLevel(&b.scene, {2000.f, 452.f}, 30.f);
    b.Ajouter(fin);
    EXPECT_EQ(b.scene.LimiteDroite(), 2320);
    b.Poser();
    Heros& h = *b.heros;
    Marcher(b, true, 1800.f);
    EXPECT_EQ(b.scene.LimiteGauche(), 1040);
    EXPECT_EQ(b.scene.EtatScene(), SCENE_JEU);
    EXPECT_EQ(fin->Etat(), 0);
    Marcher(b, true, 2100.f);
    EXPECT_EQ(b.scene.EtatScene(), SCENE_FIN_ACTE);
    EXPECT_EQ(fin->Etat(), 1);
    EXPECT_EQ(h.PositionElement(), sf::Vector2f(-64.f, -64.f));
    ASSERT_EQ(fin->Segments().size(), 1u);
    EXPECT_EQ(fin->Segments()[0]->A(), sf::Vector2f(0.f, 500.f));
    EXPECT_EQ(fin->Segments()[0]->B(), sf::Vector2f(100000.f, 500.f));
    // commandes bloquées, il court à droite sans tomber au-delà du sol du niveau
    b.Frames(120);
    EXPECT_TRUE(h.CommandesBloquees());
    EXPECT_GT(h.position.x, 2150.f);
    EXPECT_NEAR(h.position.y, 500.f - 30.05f, 2.f);
    EXPECT_NE(h.Etat(), HEROS_MORT);
    // le panneau tourne 3 s puis s'arrête
    b.Frames(200);
    EXPECT_EQ(fin->Etat(), 9);
}
