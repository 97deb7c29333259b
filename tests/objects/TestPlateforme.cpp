#include "SupportQt.h"

#include "engine/SourceTemps.h"
#include "game/SceneGraphique.h"
#include "objects/Debris.h"
#include "objects/Explosion.h"
#include "objects/FeuArtifice.h"
#include "objects/Plateforme.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{
const std::vector<float> ROUGE = {255.f, 0.f, 0.f}, BLEU = {0.f, 0.f, 255.f}, MAGENTA = {255.f, 0.f, 255.f};

std::unique_ptr<Plateforme> Tuile(int genre, const std::vector<float>& p = {}, sf::Vector2f pos = {1000.f, 500.f},
                                  SceneGraphique* scene = nullptr)
{
    return std::make_unique<Plateforme>(scene, pos, 10.f, p, genre);
}

void Proche(const sf::Vector2f& a, const sf::Vector2f& b)
{
    EXPECT_NEAR(a.x, b.x, 1e-3f);
    EXPECT_NEAR(a.y, b.y, 1e-3f);
}
}

TEST(Plateforme, QuartDeTube_CinqPointsAbsolus)
{
    auto t = Tuile(1128214001);
    ASSERT_EQ(t->Segments().size(), 4u);
    const sf::Vector2f c(1000.f, 500.f);
    const sf::Vector2f pts[] = {{-64.f, 64.f}, {-12.8f, 51.2f}, {25.6f, 25.6f}, {51.2f, -12.8f}, {64.f, -64.f}};
    for (int i = 0; i < 4; ++i)
    {
        Proche(t->Segments()[i]->A(), c + pts[i]);
        Proche(t->Segments()[i]->B(), c + pts[i + 1]);
        EXPECT_EQ(t->Segments()[i]->Drapeaux(), 125);
    }
    EXPECT_EQ(t->couche, 2);
    EXPECT_EQ(t->masque, 259);
    ASSERT_EQ(t->Sprites().size(), 1u);
    EXPECT_EQ(t->Sprites()[0]->LigneCourante(), 2);
    EXPECT_EQ(t->Sprites()[0]->ColonneCourante(), 7);
    // l'image est posée sur le centre de la tuile dès la construction
    EXPECT_EQ(t->Sprites()[0]->Position(), c);
}

TEST(Plateforme, CouleursEtSensUnique)
{
    // mur plein seulement : rien en sens unique, l'image reste
    auto mur = Tuile(1128040001, MAGENTA);
    EXPECT_TRUE(mur->Segments().empty());
    EXPECT_EQ(mur->Sprites().size(), 1u);
    EXPECT_EQ(Tuile(1128040001)->Segments().size(), 1u);

    auto coin = Tuile(1128206001, MAGENTA);
    ASSERT_EQ(coin->Segments().size(), 2u);
    EXPECT_EQ(coin->Segments()[0]->Drapeaux(), 61);
    EXPECT_EQ(coin->Segments()[1]->Drapeaux(), 4);
    Proche(coin->Segments()[1]->A(), {1048.f, 436.f});
    Proche(coin->Segments()[1]->B(), {1048.f, 440.f});
    EXPECT_EQ(coin->couche, 2);

    auto rouge = Tuile(1128206001, ROUGE);
    ASSERT_EQ(rouge->Segments().size(), 3u);
    for (Segment* s : rouge->Segments())
        EXPECT_EQ(s->Drapeaux(), 125);
    EXPECT_EQ(rouge->couche, 4);
    EXPECT_EQ(Tuile(1128020001, BLEU)->couche, 8);
    // une autre couleur ou moins de trois valeurs : défauts
    EXPECT_EQ(Tuile(1128020001, {255.f, 0.f})->couche, 2);
    EXPECT_EQ(Tuile(1128020001, {254.f, 0.f, 0.f})->couche, 2);
    // les pentes sont bien orientées : sol de gauche à droite, normale vers le plein
    auto pente = Tuile(1128010050);
    ASSERT_EQ(pente->Segments().size(), 1u);
    EXPECT_LT(pente->Segments()[0]->A().x, pente->Segments()[0]->B().x);
    EXPECT_GT(pente->Segments()[0]->Normale().y, 0.f);
    // le cadre de la boucle garde ses drapeaux, même en magenta
    auto cadre = Tuile(2014789632, MAGENTA);
    ASSERT_EQ(cadre->Segments().size(), 10u);
    for (Segment* s : cadre->Segments())
        EXPECT_EQ(s->Drapeaux(), 125);
    // genre de la plage non dessiné : élément vide
    auto vide = Tuile(1999999999);
    EXPECT_TRUE(vide->Segments().empty());
    EXPECT_TRUE(vide->Sprites().empty());
}

TEST(Plateforme, PointDeDepartAuDessusDuSolLePlusHaut)
{
    SceneGraphique scene;
    scene.FixerTaille(4096, 2048);
    scene.FixerPointDepart({128.f, 2048.f});
    auto bas = Tuile(1128020001, {}, {192.f, 1600.f}, &scene);
    EXPECT_EQ(scene.PointDepart(), sf::Vector2f(224.f, 1472.f));
    auto haut = Tuile(1128020001, {}, {192.f, 1000.f}, &scene);
    EXPECT_EQ(scene.PointDepart(), sf::Vector2f(224.f, 872.f));
    // un sol plus bas ensuite ne redescend pas le départ
    auto encoreBas = Tuile(1128020001, {}, {192.f, 1800.f}, &scene);
    EXPECT_EQ(scene.PointDepart(), sf::Vector2f(224.f, 872.f));
    // hors de la colonne, ou un autre genre : rien
    auto a = Tuile(1128020001, {}, {191.f, 200.f}, &scene);
    auto b = Tuile(1128020001, {}, {193.f, 200.f}, &scene);
    auto c = Tuile(1128050001, {}, {192.f, 200.f}, &scene);
    EXPECT_EQ(scene.PointDepart(), sf::Vector2f(224.f, 872.f));
}

TEST(Effets, ExplosionFeuArtificeDebris)
{
    AppQt();
    SourceTemps::Manuel(true);
    SceneGraphique scene;
    scene.FixerTaille(4096, 2048);

    Explosion e(&scene, {500.f, 500.f}, 3);
    EXPECT_TRUE(e.detruireHorsVue);
    EXPECT_GE(e.profondeur, 79.f);
    EXPECT_LT(e.profondeur, 80.f);
    EXPECT_EQ(e.Sprites()[0]->LigneCourante(), 3);
    int frames = 0;
    while (!e.ASupprimer() && frames < 200)
    {
        SourceTemps::Avancer(sf::seconds(0.05f));
        e.Animer();
        ++frames;
    }
    // huit images de plus de 0,1 s (pas de 0,05 s), une seule fois
    EXPECT_GE(frames, 14);
    EXPECT_LE(frames, 27);

    srand(1234);
    FeuArtifice f(&scene, {2000.f, 1000.f}, 48.f, 2, 3);
    EXPECT_EQ(f.Encadrement(), sf::FloatRect(0.f, 0.f, 4096.f, 2048.f));
    frames = 0;
    while (!f.ASupprimer() && frames < 1000)
    {
        SourceTemps::Avancer(sf::seconds(1.f / 60.f));
        f.Animer();
        ++frames;
    }
    EXPECT_NEAR(frames, 180, 2);
    const int explosions = scene.ComptesElements().ranges;
    EXPECT_GE(explosions, 13);
    EXPECT_LE(explosions, 15);

    Debris d(&scene, {1000.f, 1000.f});
    EXPECT_EQ(d.masque, 0);
    EXPECT_EQ(d.rayon, 16.f);
    EXPECT_NEAR(std::hypot(d.forceElan.x, d.forceElan.y), 250.f, 1e-2f);
    EXPECT_GE(d.Rotation(), -25.f);
    EXPECT_LE(d.Rotation(), 25.f);
    SourceTemps::Avancer(sf::seconds(0.5f));
    d.Animer();
    EXPECT_FALSE(d.ASupprimer());
    // la rotation est donnée par 1/60 s : 30 fois en une demi-seconde, quel que soit le nombre de frames
    EXPECT_NEAR(d.Sprites()[0]->Rotation(), std::fmod(std::fmod(30.f * d.Rotation(), 360.f) + 360.f, 360.f), 1e-2f);
    SourceTemps::Avancer(sf::seconds(0.6f));
    d.Animer();
    EXPECT_TRUE(d.ASupprimer());
    SourceTemps::Manuel(false);
}
