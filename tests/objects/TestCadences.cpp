// À 30, 60 ou 120 images par seconde, ce qui bouge dans un niveau est au même point après la même
// durée : plates-formes balancées, pont qui se redresse, éclats qui tournent, double robot qui descend.
#include "BancObjets.h"

#include "enemies/SilverVanto.h"
#include "objects/Debris.h"
#include "objects/PlateformeMobileMini.h"
#include "objects/PlateformeMobilePasserelle.h"
#include "objects/PlateformeMobileTronc.h"
#include "objects/Pont.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
struct Releve
{
    float mini = 0.f, tronc = 0.f, boss = 0.f, debris = 0.f;
    sf::Vector2f passerelle;
    int pont = 0;
};

// Écart de deux angles en degrés, ramené dans [0, 180]
float EcartAngle(float a, float b)
{
    const float d = std::fmod(std::fabs(a - b), 360.f);
    return std::min(d, 360.f - d);
}

Releve Jouer(int images)
{
    Releve r;
    const float dt = 1.f / float(images);
    Banc b;
    MyQtSFMLWindow::DefinirDureeFrame(dt);
    SceneGraphique& scene = b.scene;
    PlateformeMobileMini mini(&scene, {1000.f, 500.f}, 10.f, {1.f, 0.f, 0.f});
    PlateformeMobilePasserelle passerelle(&scene, {2000.f, 300.f}, 10.f, {});
    PlateformeMobileTronc tronc(&scene, {3000.f, 600.f}, 10.f, {});
    Pont pont(&scene, {4000.f, 500.f}, 10.f, {}, 2000301012);
    std::srand(7);
    Debris debris(&scene, {4500.f, 500.f});
    SilverVanto boss(&scene, {6000.f, 300.f}, 40.f);
    boss.Commencer();
    // le héros pèse au milieu du pont, puis s'en va
    b.heros->collision.indiceCapteur = 0;
    b.heros->collision.point = sf::Vector2f(4000.f, 524.f);
    pont.ContactHeros(b.heros.get());
    EXPECT_EQ(pont.Affaissement(), 24);

    // relevés à 0,1 s (pont), 0,7 s (éclat, qui tourne encore) et 2 s (le reste)
    const int n1 = images / 10, n2 = images * 7 / 10, n3 = images * 2;
    for (int i = 1; i <= n3; ++i)
    {
        mini.Integrer(dt);
        passerelle.Integrer(dt);
        tronc.Integrer(dt);
        boss.Penser();
        boss.Integrer(dt);
        boss.ValiderDeplacement();
        SourceTemps::Avancer(sf::seconds(dt));
        pont.Synchroniser();
        pont.Animer();
        debris.Animer();
        if (i == n1)
            r.pont = pont.Affaissement();
        if (i == n2)
            r.debris = debris.Sprites()[0]->Rotation();
    }
    r.mini = mini.position.x;
    r.passerelle = passerelle.position;
    r.tronc = tronc.position.y;
    r.boss = boss.position.y;
    EXPECT_EQ(boss.Etat(), SilverVanto::DESCENTE);
    return r;
}
} // namespace

TEST(Cadences, LesObjetsMobilesSuiventLeTempsEtNonLesFrames)
{
    const Releve r60 = Jouer(60);
    // à 60 images par seconde, tout a bougé
    EXPECT_GT(r60.mini, 872.f + 20.f);
    EXPECT_GT(r60.passerelle.x, 1744.f + 20.f);
    EXPECT_GT(r60.tronc, 472.f + 20.f);
    EXPECT_GT(r60.boss, 300.f + 20.f);
    EXPECT_GT(EcartAngle(r60.debris, 0.f), 1.f);
    EXPECT_LT(r60.pont, 24);
    for (int images : {30, 120})
    {
        const Releve r = Jouer(images);
        EXPECT_NEAR(r.mini, r60.mini, 2.f) << images << " images/s";
        EXPECT_NEAR(r.passerelle.x, r60.passerelle.x, 2.f) << images << " images/s";
        EXPECT_NEAR(r.passerelle.y, r60.passerelle.y, 2.f) << images << " images/s";
        EXPECT_NEAR(r.tronc, r60.tronc, 2.f) << images << " images/s";
        EXPECT_NEAR(r.boss, r60.boss, 2.f) << images << " images/s";
        EXPECT_LT(EcartAngle(r.debris, r60.debris), 2.f) << images << " images/s";
        EXPECT_NEAR(r.pont, r60.pont, 1) << images << " images/s";
    }
}
