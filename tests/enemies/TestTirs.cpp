#include "Arene.h"

#include "enemies/Ecureuil.h"
#include "enemies/FusilLaser.h"
#include "enemies/Lapin.h"
#include "enemies/Projectile.h"
#include "enemies/Tortue.h"
#include "scene/Sprite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

namespace
{
const double PI = 3.14159265358979323846;
}

// Genre 1 tiré à 5π/8 : monte de 58 px en 0,31 s puis retombe, vers la gauche
TEST(Tirs, BombeEnCloche)
{
    Arene a;
    Projectile* p = a.Ajouter(new Projectile(&a.scene, {1000.f, 600.f}, 5.0 * PI / 8.0, 1));
    EXPECT_EQ(p->masque, 256);
    EXPECT_FLOAT_EQ(p->rayon, 12.f);
    float haut = 600.f, tHaut = 0.f;
    for (int i = 1; i <= 60; ++i)
    {
        a.Frame();
        if (p->position.y < haut)
            haut = p->position.y, tHaut = i * Arene::DT;
    }
    // vy0 = 400 sin(5π/8) = 369,6 ; gravité 9,81 × 120 = 1177 px/s²
    EXPECT_NEAR(600.f - haut, 58.f, 4.f);
    EXPECT_NEAR(tHaut, 0.314f, 0.03f);
    EXPECT_GT(p->position.y, 600.f) << "retombée sous son départ après 1 s";
    EXPECT_NEAR(p->position.x, 1000.f - 400.f * std::cos(3.0 * PI / 8.0), 4.f);
}

// Genre 0 : tout droit à 400 px/s à travers un mur, disparaît après 2,5 s
TEST(Tirs, BouleDroiteTraverseLesMursEtMeurtA2s5)
{
    Arene a;
    a.vueFixe = true;
    a.vue = sf::FloatRect(0.f, 0.f, 640.f, 480.f);
    // un mur et un sol sur le trajet
    a.Chaine({{1400.f, 0.f}, {1400.f, 900.f}});
    a.Sol(700.f);
    Projectile* p = a.Ajouter(new Projectile(&a.scene, {1000.f, 600.f}, 0.0, 0));
    a.Secondes(2.f);
    ASSERT_TRUE(a.Range(p)) << "vivant partout, même loin de la vue";
    EXPECT_NEAR(p->position.x, 1800.f, 8.f);
    EXPECT_FLOAT_EQ(p->position.y, 600.f);
    a.Secondes(0.45f);
    EXPECT_TRUE(a.Range(p));
    a.Secondes(0.1f);
    EXPECT_FALSE(a.Range(p));
}

// Un tir qui touche le héros le blesse et disparaît ; les autres genres selon leur table
TEST(Tirs, ToucheLeHerosEtGenres)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    h.AjouterAnneaux(3);
    Projectile* p = a.Ajouter(new Projectile(&a.scene, h.position + sf::Vector2f(200.f, 0.f), PI, 4));
    bool touche = false;
    for (int i = 0; i < 30 && !touche; ++i)
    {
        a.Frame();
        touche = !a.Range(p);
    }
    EXPECT_TRUE(touche);
    EXPECT_EQ(h.Etat(), HEROS_BLESSE);

    Projectile d(&a.scene, {100.f, 100.f}, PI / 4.0, 3);
    EXPECT_FLOAT_EQ(d.rayon, 14.f);
    EXPECT_FLOAT_EQ(d.forceElan.norme, 800.f);
    EXPECT_FLOAT_EQ(d.forceGravite.acceleration, 0.f);
    EXPECT_NEAR(d.Sprites()[0]->Rotation(), 360.f - 45.f, 0.01f);
    Projectile l(&a.scene, {100.f, 100.f}, PI, 4);
    EXPECT_FLOAT_EQ(l.forceElan.norme, 1000.f);
    EXPECT_GE(l.profondeur, 37.f);
    EXPECT_LE(l.profondeur, 38.f);
    Projectile b(&a.scene, {100.f, 100.f}, 0.0, 2);
    EXPECT_FLOAT_EQ(b.forceElan.norme, 400.f);
    b.Animer();
    EXPECT_EQ(b.Sprites()[0]->ColonneCourante(), 4);
    l.Animer();
    EXPECT_EQ(l.Sprites()[0]->ColonneCourante(), 7);
}

// Fusil de période 1,5 s : trois tirs en 4,6 s dans la vue, aucun hors de la vue
TEST(Tirs, PeriodeDuFusil)
{
    Arene a;
    a.vueFixe = true;
    a.vue = sf::FloatRect(0.f, 0.f, 640.f, 480.f);
    FusilLaser* g = a.Ajouter(new FusilLaser(&a.scene, {300.f, 200.f}, 40.f, {1.5f}, FusilLaser::GENRE_GAUCHE));
    FusilLaser* d = a.Ajouter(new FusilLaser(&a.scene, {4000.f, 200.f}, 40.f, {1.5f}, FusilLaser::GENRE_DROITE));
    EXPECT_FLOAT_EQ(g->rayon, 0.f);
    EXPECT_LT(g->Sprites()[0]->SpriteSFML().getScale().x, 0.f) << "tourné vers la gauche";
    a.Secondes(1.45f);
    EXPECT_TRUE(a.Tous<Projectile>().empty());
    a.Secondes(0.1f);
    ASSERT_EQ(a.Tous<Projectile>().size(), 1u);
    Projectile* t = a.Tous<Projectile>()[0];
    EXPECT_EQ(t->Type(), 4);
    EXPECT_DOUBLE_EQ(t->forceElan.angle, PI);
    // chaque tir vit 2,5 s : on compte ceux qu'on a vus naître
    std::set<Projectile*> avant = {t};
    int tirs = 1;
    for (int i = 0; i < int(3.05f / Arene::DT); ++i)
    {
        a.Frame();
        std::set<Projectile*> maintenant;
        for (Projectile* p : a.Tous<Projectile>())
            maintenant.insert(p);
        for (Projectile* p : maintenant)
            tirs += avant.count(p) ? 0 : 1;
        avant = maintenant;
    }
    EXPECT_EQ(tirs, 3) << "le fusil hors de la vue ne tire pas";
    EXPECT_EQ(a.Tous<Projectile>().size(), 2u) << "le premier a vécu ses 2,5 s";

    // le même fusil dans la vue tire vers la droite
    a.vue = sf::FloatRect(3700.f, 0.f, 640.f, 480.f);
    a.Secondes(2.6f);
    bool versLaDroite = false;
    for (Projectile* p : a.Tous<Projectile>())
        versLaDroite = versLaDroite || (p->forceElan.angle == 0.0 && std::fabs(p->PositionElement().x - 4000.f) < 1.f);
    EXPECT_TRUE(versLaDroite);
    (void)d;
}

// Une période absente ou absurde ne fait pas tirer à chaque frame
TEST(Tirs, PeriodeAbsenteOuNulle)
{
    EXPECT_FLOAT_EQ(FusilLaser::LirePeriode({}), FusilLaser::PERIODE_DEFAUT);
    EXPECT_FLOAT_EQ(FusilLaser::LirePeriode({0.f}), FusilLaser::PERIODE_DEFAUT);
    EXPECT_FLOAT_EQ(FusilLaser::LirePeriode({-3.f}), FusilLaser::PERIODE_DEFAUT);
    EXPECT_FLOAT_EQ(FusilLaser::LirePeriode({NAN}), FusilLaser::PERIODE_DEFAUT);
    EXPECT_FLOAT_EQ(FusilLaser::LirePeriode({0.75f, 9.f}), 0.75f);
}

// Un animal de délai 3 reste figé 3 s, puis saute droit vers le haut et passe devant
TEST(Animaux, DelaiPuisSaut)
{
    Arene a;
    a.Sol(700.f);
    a.vueFixe = true;
    a.vue = sf::FloatRect(700.f, 300.f, 640.f, 480.f);
    Lapin* l = a.Ajouter(new Lapin(&a.scene, {1000.f, 600.f}, 40.f, 3.f));
    EXPECT_FALSE(l->VersLaDroite());
    a.Secondes(2.95f);
    EXPECT_TRUE(l->fige);
    EXPECT_FLOAT_EQ(l->position.y, 600.f);
    a.Secondes(0.1f);
    EXPECT_FALSE(l->fige);
    EXPECT_DOUBLE_EQ(l->forceElan.angle, PI / 2.0);
    EXPECT_GE(l->forceElan.norme, 300.f);
    EXPECT_LE(l->forceElan.norme, 500.f);
    EXPECT_GE(l->profondeur, 45.f);
    EXPECT_LT(l->profondeur, 46.f);
    a.Frames(3);
    EXPECT_LT(l->position.y, 600.f);
    EXPECT_FLOAT_EQ(l->position.x, 1000.f);
}

// Le lapin bondit de 22,5° à 30° de la verticale puis rebondit sans perdre de vitesse ;
// hors de la vue il disparaît
TEST(Animaux, LeLapinBonditEtSortDeLaVue)
{
    std::srand(7);
    Arene a;
    a.Sol(700.f);
    a.vueFixe = true;
    a.vue = sf::FloatRect(700.f, 300.f, 640.f, 480.f);
    Lapin* l = a.Ajouter(new Lapin(&a.scene, {1000.f, 660.f}, 40.f, 0.f));
    int bonds = 0;
    double ecart = 0.0;
    float vitesseAvant = 0.f;
    bool sansPerte = true;
    for (int i = 0; i < 600 && a.Range(l); ++i)
    {
        const double angle = l->forceElan.angle;
        a.Frame();
        if (!a.Range(l))
            break;
        if (angle == PI / 2.0 && l->forceElan.angle != PI / 2.0)
        {
            ++bonds;
            ecart = std::fabs(l->forceElan.angle - PI / 2.0);
            EXPECT_EQ(l->VersLaDroite(), l->forceElan.angle < PI / 2.0);
        }
        else if (bonds > 0 && l->forceElan.angle != angle && l->forceGravite.norme == 0.f)
        {
            // rebond : l'élan repart avec toute la vitesse d'avant
            sansPerte = sansPerte && std::fabs(l->forceElan.norme - l->vitesse.norme) < 1.f;
            vitesseAvant = l->vitesse.norme;
        }
    }
    EXPECT_EQ(bonds, 1);
    EXPECT_GE(ecart, PI / 8.0 - 1e-9);
    EXPECT_LE(ecart, PI / 6.0 + 1e-9);
    EXPECT_GT(vitesseAvant, 400.f) << "au moins un rebond";
    EXPECT_TRUE(sansPerte);
    EXPECT_FALSE(a.Range(l)) << "sorti de la vue, il est supprimé";
}

// Tortue et écureuil retombent après leur saut et marchent vers la gauche
TEST(Animaux, TortueEtEcureuilMarchent)
{
    Arene a;
    a.Sol(700.f);
    a.vueFixe = true;
    a.vue = sf::FloatRect(500.f, 300.f, 1200.f, 480.f);
    Tortue* t = a.Ajouter(new Tortue(&a.scene, {1200.f, 660.f}, 40.f));
    Ecureuil* e = a.Ajouter(new Ecureuil(&a.scene, {1300.f, 660.f}, 40.f));
    a.Secondes(1.5f);
    ASSERT_TRUE(a.Range(t));
    ASSERT_TRUE(a.Range(e));
    EXPECT_NE(t->sol, nullptr);
    EXPECT_FLOAT_EQ(t->forceMoteur.norme, -50.f);
    EXPECT_FLOAT_EQ(e->forceMoteur.norme, -200.f);
    const float xt = t->position.x, xe = e->position.x;
    a.Secondes(1.f);
    EXPECT_NEAR(t->position.x, xt - 50.f, 2.f);
    EXPECT_NEAR(e->position.x, xe - 200.f, 4.f);
    EXPECT_NEAR(t->position.y, 700.f - 30.f, 1.f);
    EXPECT_EQ(t->Sprites()[0]->LigneCourante(), 0);
    EXPECT_EQ(e->Sprites()[0]->LigneCourante(), 2);
}
