#include "Arene.h"

#include "enemies/Cameleon.h"
#include "enemies/Coccinelle.h"
#include "enemies/Crabe.h"
#include "enemies/Etoile.h"
#include "enemies/FusilLaser.h"
#include "enemies/Gorvalux.h"
#include "enemies/Guepe.h"
#include "enemies/Oursin.h"
#include "enemies/Piranha.h"
#include "enemies/Poisson.h"
#include "enemies/ZubRobot.h"
#include "objects/Explosion.h"
#include "objects/Moniteur.h"

#include <gtest/gtest.h>

// Chaque genre d'ennemi du niveau donne sa classe ; le fusil garde son genre et sa période
TEST(Fabrique, GenresDesEnnemis)
{
    Arene a;
    const std::vector<float> aucun;
    int x = 300;
    for (int id : {7000010, 7000020, 7000030, 7000040, 7000110, 7000120, 7000130, 7000210, 7000220})
    {
        EXPECT_TRUE(a.scene.CreerElement(id, sf::Vector2f(float(x), 600.f), 40.f, aucun)) << id;
        x += 400;
    }
    EXPECT_EQ(a.Tous<Coccinelle>().size(), 1u);
    EXPECT_EQ(a.Tous<Crabe>().size(), 1u);
    EXPECT_EQ(a.Tous<Guepe>().size(), 1u);
    EXPECT_EQ(a.Tous<Cameleon>().size(), 1u);
    EXPECT_EQ(a.Tous<Poisson>().size(), 1u);
    EXPECT_EQ(a.Tous<Piranha>().size(), 1u);
    EXPECT_EQ(a.Tous<Gorvalux>().size(), 1u);
    EXPECT_EQ(a.Tous<Oursin>().size(), 4u);
    EXPECT_EQ(a.Tous<Etoile>().size(), 1u);
    EXPECT_EQ(a.Tous<ZubRobot>().size(), 1u);
    EXPECT_EQ(a.Tous<Drovik>().size(), 9u);
    EXPECT_EQ(IAEngine::Liste().size(), 9u) << "chaque robot pense";

    EXPECT_TRUE(a.scene.CreerElement(2000114, {500.f, 300.f}, 40.f, {1.5f}));
    EXPECT_TRUE(a.scene.CreerElement(2000116, {900.f, 300.f}, 40.f, aucun));
    std::vector<FusilLaser*> fusils = a.Tous<FusilLaser>();
    ASSERT_EQ(fusils.size(), 2u);
    for (FusilLaser* f : fusils)
    {
        if (f->Genre() == FusilLaser::GENRE_GAUCHE)
            EXPECT_FLOAT_EQ(f->Periode(), 1.5f);
        else
            EXPECT_FLOAT_EQ(f->Periode(), FusilLaser::PERIODE_DEFAUT);
    }
    // aucun robot ne lit de paramètre : un enregistrement qui en porte ne change rien
    EXPECT_TRUE(a.scene.CreerElement(7000010, {4000.f, 600.f}, 40.f, {1.f, 2.f, 3.f}));
    EXPECT_EQ(a.Tous<Coccinelle>().size(), 2u);
}

// Un moniteur brisé laisse une explosion
TEST(Fabrique, MoniteurBriseExplose)
{
    Arene a;
    Moniteur* m = a.Ajouter(new Moniteur(&a.scene, 5000010, {1000.f, 468.f}, 20.f, {}));
    EXPECT_TRUE(a.Tous<Explosion>().empty());
    m->ChangerEtat(9);
    std::vector<Explosion*> e = a.Tous<Explosion>();
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0]->Genre(), 0);
    EXPECT_EQ(e[0]->PositionElement(), sf::Vector2f(1000.f, 468.f));
}
