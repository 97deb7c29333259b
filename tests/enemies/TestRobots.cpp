#include "Arene.h"

#include "enemies/Cameleon.h"
#include "enemies/Coccinelle.h"
#include "enemies/Crabe.h"
#include "enemies/Ecureuil.h"
#include "enemies/Etoile.h"
#include "enemies/Gorvalux.h"
#include "enemies/Guepe.h"
#include "enemies/Lapin.h"
#include "enemies/Oursin.h"
#include "enemies/Piranha.h"
#include "enemies/Poisson.h"
#include "enemies/Projectile.h"
#include "enemies/Tortue.h"
#include "enemies/ZubRobot.h"
#include "objects/BassinEau.h"
#include "objects/Explosion.h"
#include "scene/Sprite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace
{
const double PI = 3.14159265358979323846;

// Nombre de tirs nés pendant n frames
int TirsNouveaux(Arene& a, int n)
{
    std::set<Projectile*> avant;
    for (Projectile* p : a.Tous<Projectile>())
        avant.insert(p);
    int tirs = 0;
    for (int i = 0; i < n; ++i)
    {
        a.Frame();
        std::set<Projectile*> maintenant;
        for (Projectile* p : a.Tous<Projectile>())
            maintenant.insert(p);
        for (Projectile* p : maintenant)
            tirs += avant.count(p) ? 0 : 1;
        avant = maintenant;
    }
    return tirs;
}
}

// La coccinelle roule à 140 px/s dans la vue, reste en place hors de la vue, tourne au mur
TEST(Robots, CoccinelleRouleDansLaVueSeulement)
{
    Arene a;
    a.Sol(500.f);
    a.Chaine({{1500.f, 500.f}, {1500.f, 0.f}});
    a.vueFixe = true;
    a.vue = sf::FloatRect(800.f, 200.f, 640.f, 480.f);
    Coccinelle* c = a.Ajouter(new Coccinelle(&a.scene, {1000.f, 469.f}, 40.f));
    a.Secondes(0.5f);
    const float x0 = c->position.x;
    a.Secondes(1.f);
    EXPECT_NEAR(c->position.x - x0, 140.f, 3.f);
    EXPECT_NEAR(c->position.y, 469.95f, 0.5f);
    // hors de la vue (mais dans un nœud visité) : figée
    a.vue = sf::FloatRect(1400.f, 200.f, 640.f, 480.f);
    a.Frame();
    const float x1 = c->position.x;
    a.Secondes(1.f);
    EXPECT_TRUE(c->fige);
    EXPECT_FLOAT_EQ(c->position.x, x1);
    // de retour dans la vue, jusqu'au mur et demi-tour
    a.vue = sf::FloatRect(900.f, 200.f, 640.f, 480.f);
    a.Secondes(3.f);
    EXPECT_FALSE(c->VersLaDroite());
    EXPECT_LT(c->forceMoteur.norme, 0.f);
    EXPECT_LT(c->position.x, 1500.f - 30.f);
}

// Crabe : marche 3 s, s'arrête 1 s, deux bombes, 1 s, repart dans le sens où il regarde
TEST(Robots, CycleDuCrabe)
{
    Arene a;
    a.Sol(500.f);
    a.vueFixe = true;
    a.vue = sf::FloatRect(700.f, 200.f, 640.f, 480.f);
    Crabe* c = a.Ajouter(new Crabe(&a.scene, {1000.f, 469.f}, 40.f));
    a.Secondes(2.95f);
    EXPECT_EQ(c->Etat(), 0);
    EXPECT_NEAR(c->position.x, 1000.f + 40.f * 2.95f, 4.f);
    a.Secondes(0.1f);
    EXPECT_EQ(c->Etat(), 1);
    EXPECT_FLOAT_EQ(c->forceMoteur.norme, 0.f);
    EXPECT_EQ(c->Sprites()[0]->ColonneCourante(), 5);
    const sf::Vector2f p = c->position;
    a.Secondes(0.9f);
    EXPECT_TRUE(a.Tous<Projectile>().empty());
    a.Secondes(0.1f);
    EXPECT_EQ(c->Etat(), 2);
    std::vector<Projectile*> tirs = a.Tous<Projectile>();
    ASSERT_EQ(tirs.size(), 2u);
    int gauche = 0, droite = 0;
    for (Projectile* t : tirs)
    {
        EXPECT_EQ(t->Type(), 1);
        if (std::fabs(t->forceElan.angle - 5.0 * PI / 8.0) < 1e-9)
        {
            ++gauche;
            EXPECT_FLOAT_EQ(t->PositionElement().x, p.x - 40.f);
        }
        if (std::fabs(t->forceElan.angle - 3.0 * PI / 8.0) < 1e-9)
        {
            ++droite;
            EXPECT_FLOAT_EQ(t->PositionElement().x, p.x + 40.f);
        }
        EXPECT_FLOAT_EQ(t->PositionElement().y, p.y - 16.f);
    }
    EXPECT_EQ(gauche, 1);
    EXPECT_EQ(droite, 1);
    EXPECT_FLOAT_EQ(c->position.x, p.x) << "immobile pendant le tir";
    a.Secondes(1.05f);
    EXPECT_EQ(c->Etat(), 0);
    EXPECT_FLOAT_EQ(c->forceMoteur.norme, 40.f);
    // tourné vers la gauche, il repart à gauche
    c->FaireDemiTour();
    a.Secondes(5.3f);
    EXPECT_EQ(c->Etat(), 0);
    EXPECT_FLOAT_EQ(c->forceMoteur.norme, -40.f);
}

// Guêpe partie de sx : demi-tour à sx + 1200, halte à sx + 600, dard, retour à sx et repart à droite
TEST(Robots, TrajetDeLaGuepe)
{
    Arene a;
    a.vueFixe = true;
    a.vue = sf::FloatRect(5000.f, 1000.f, 640.f, 480.f);
    Guepe* g = a.Ajouter(new Guepe(&a.scene, {1000.f, 300.f}, 40.f));
    float xMax = 0.f, xHalte = 0.f, tHalte = 0.f, tTir = 0.f, xMin = 1e9f;
    int etatAvant = 0;
    Projectile* dard = nullptr;
    for (int i = 1; i <= int(9.f / Arene::DT); ++i)
    {
        a.Frame();
        const float t = i * Arene::DT;
        xMax = std::max(xMax, g->position.x);
        if (t > 5.f)
            xMin = std::min(xMin, g->position.x);
        if (g->Etat() == 1 && etatAvant == 0)
            xHalte = g->position.x, tHalte = t;
        if (g->Etat() == 2 && etatAvant == 1)
        {
            tTir = t;
            ASSERT_EQ(a.Tous<Projectile>().size(), 1u);
            dard = a.Tous<Projectile>()[0];
            EXPECT_EQ(dard->Type(), 0);
            EXPECT_DOUBLE_EQ(dard->forceElan.angle, 5.0 * PI / 4.0);
            EXPECT_FLOAT_EQ(dard->PositionElement().x, xHalte - 32.f);
            EXPECT_FLOAT_EQ(dard->PositionElement().y, 348.f);
        }
        etatAvant = g->Etat();
    }
    EXPECT_NEAR(xMax, 2200.f, 6.f);
    EXPECT_NEAR(xHalte, 1600.f, 6.f);
    // à une ou deux frames près : 4 s à l'aller, 2 s au retour
    EXPECT_NEAR(tHalte, 6.f, 0.1f);
    EXPECT_NEAR(tTir - tHalte, 0.4f, 0.04f);
    EXPECT_NE(dard, nullptr);
    EXPECT_NEAR(xMin, 1000.f, 6.f);
    EXPECT_EQ(g->Etat(), 0);
    EXPECT_TRUE(g->VersLaDroite());
    EXPECT_FLOAT_EQ(g->forceMoteur.norme, 300.f);
    EXPECT_FLOAT_EQ(g->position.y, 300.f) << "vol à plat, sans gravité";
}

// Caméléon : inoffensif et intouchable tant qu'il n'est pas opaque, puis tire un dard et s'efface
TEST(Robots, CameleonInoffensifAvantDEtreOpaque)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    h.AjouterAnneaux(3);
    a.vueFixe = true;
    a.vue = sf::FloatRect(0.f, 200.f, 640.f, 480.f);
    // gardé hors de la scène : seuls nos contacts le touchent
    std::unique_ptr<Cameleon> garde(new Cameleon(&a.scene, {400.f, 440.f}, 40.f));
    Cameleon& c = *garde;
    EXPECT_EQ(c.Sprites()[0]->SpriteSFML().getColor().a, 0);
    auto Penser = [&](float s) {
        for (int i = 0; i < int(s / Arene::DT + 0.5f); ++i)
        {
            c.Penser();
            a.Frame();
            c.Animer();
        }
    };
    Penser(2.95f);
    EXPECT_EQ(c.Etat(), 0);
    c.ToucherHeros(&h);
    EXPECT_EQ(h.Etat(), HEROS_DEBOUT);
    Penser(0.1f);
    ASSERT_EQ(c.Etat(), 1);
    Penser(1.f);
    EXPECT_GT(c.Opacite(), 40);
    EXPECT_LT(c.Opacite(), 255);
    EXPECT_EQ(c.Sprites()[0]->SpriteSFML().getColor().a, c.Opacite());
    h.ChangerEtat(HEROS_ROULADE);
    c.ToucherHeros(&h);
    EXPECT_FALSE(c.aSupprimer);
    EXPECT_EQ(h.Score(), 0);
    h.ChangerEtat(HEROS_DEBOUT);
    c.ToucherHeros(&h);
    EXPECT_EQ(h.Etat(), HEROS_DEBOUT) << "pas blessé par un caméléon qui apparaît";
    // 51 pas de plus de 0,05 s
    int frames = 0;
    while (c.Etat() == 1 && frames < 600)
        Penser(Arene::DT), ++frames;
    EXPECT_EQ(c.Etat(), 2);
    EXPECT_EQ(c.Opacite(), 255);
    // opaque : dard de genre 2 après 0,5 + 0,3 s, image 1 en visée
    Penser(0.55f);
    EXPECT_EQ(c.Etat(), 3);
    EXPECT_EQ(c.Sprites()[0]->ColonneCourante(), 1);
    const sf::Vector2f p = c.position;
    Penser(0.3f);
    EXPECT_EQ(c.Etat(), 4);
    bool dard = false;
    for (Projectile* t : a.Tous<Projectile>())
        dard = dard || (t->Type() == 2 && t->forceElan.angle == 3.9269908169872414 &&
                        t->PositionElement() == p + sf::Vector2f(-36.f, -12.f));
    EXPECT_TRUE(dard);
    // effacé, il recommence
    Penser(0.9f);
    EXPECT_EQ(c.Etat(), 6);
    frames = 0;
    while (c.Etat() == 6 && frames < 600)
        Penser(Arene::DT), ++frames;
    EXPECT_EQ(c.Etat(), 0);
    EXPECT_EQ(c.Opacite(), 0);
}

// Un caméléon opaque est détruit par un héros qui roule et libère un lapin
TEST(Robots, CameleonOpaqueDetruit)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    Cameleon* c = a.Ajouter(new Cameleon(&a.scene, {2000.f, 440.f}, 40.f));
    c->ChangerEtat(2);
    h.ChangerEtat(HEROS_ROULADE);
    c->ToucherHeros(&h);
    EXPECT_TRUE(c->aSupprimer);
    EXPECT_EQ(h.Score(), 100);
    EXPECT_EQ(a.Tous<Lapin>().size(), 1u);
}

// Poisson dans un bassin : remonte, bondit hors de l'eau, retombe et recommence
TEST(Robots, BondDuPoisson)
{
    Arene a;
    a.vueFixe = true;
    a.vue = sf::FloatRect(800.f, 300.f, 640.f, 480.f);
    // bassin de 4 × 4 cases, surface à y = 568
    a.Ajouter(new BassinEau(&a.scene, {1000.f, 600.f}, 30.f, {4.f, 4.f}));
    Poisson* f = a.Ajouter(new Poisson(&a.scene, {1100.f, 760.f}, 40.f));
    EXPECT_FLOAT_EQ(f->echelleTemps, 0.5f);
    int bonds = 0, retours = 0, etatAvant = f->Etat();
    float plusHaut = 1e9f;
    for (int i = 0; i < int(8.f / Arene::DT); ++i)
    {
        a.Frame();
        if (f->Etat() == Poisson::BOND && etatAvant == Poisson::NAGE)
            ++bonds;
        if (f->Etat() == Poisson::NAGE && etatAvant == Poisson::BOND)
            ++retours;
        plusHaut = std::min(plusHaut, f->position.y);
        etatAvant = f->Etat();
        ASSERT_TRUE(a.Range(f));
    }
    EXPECT_GE(bonds, 2);
    EXPECT_GE(retours, 2);
    // sorti à 1000 px/s (250 + 750) contre une gravité de 1962 px/s² : 255 px au-dessus de la sortie
    EXPECT_LT(plusHaut, 568.f - 150.f);
    EXPECT_GT(plusHaut, 568.f - 350.f);
    EXPECT_FLOAT_EQ(f->position.x, 1100.f);
}

// Piranha : demi-tour toutes les 8 s et contre un mur
TEST(Robots, PiranhaFaitDemiTour)
{
    Arene a;
    a.vueFixe = true;
    a.vue = sf::FloatRect(600.f, 300.f, 640.f, 480.f);
    Piranha* p = a.Ajouter(new Piranha(&a.scene, {1000.f, 500.f}, 40.f));
    a.Secondes(7.9f);
    EXPECT_NEAR(p->position.x, 1000.f - 50.f * 7.9f, 3.f) << "100 px/s à demi-vitesse";
    EXPECT_TRUE(p->VersLaDroite());
    a.Secondes(0.2f);
    EXPECT_FALSE(p->VersLaDroite());
    EXPECT_FLOAT_EQ(p->forceMoteur.norme, 100.f);
    // contre le fond
    p->collision.type = CONTACT_SOL;
    p->ContactSolide();
    EXPECT_TRUE(p->VersLaDroite());
    p->collision.type = CONTACT_SUITE;
    p->ContactSolide();
    EXPECT_TRUE(p->VersLaDroite());
    EXPECT_FLOAT_EQ(p->forceMoteur.norme, -100.f);
}

// Gorvalux : le héros à 200 px le met en alerte sans dommage ; les boules tournent puis partent à gauche
TEST(Robots, GorvaluxLanceSesBoules)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    h.AjouterAnneaux(3);
    const sf::Vector2f centre(2000.f, 300.f);
    Gorvalux* g = a.Ajouter(new Gorvalux(&a.scene, centre, 40.f));
    ASSERT_EQ(g->Oursins().size(), 4u);
    EXPECT_EQ(a.Tous<Oursin>().size(), 4u);
    // rotation horaire : un pas de π/128 par 0,03 s passée
    a.vueFixe = true;
    a.vue = sf::FloatRect(1700.f, 100.f, 640.f, 480.f);
    // entrée dans la liste à la 1re frame, puis un pas toutes les deux frames (2/60 > 0,03)
    a.Frames(21);
    EXPECT_NEAR(g->Phase(), 2.0 * PI - 10 * Gorvalux::PAS_PHASE, 1e-9);
    const double phi = g->Phase();
    for (Oursin* o : g->Oursins())
    {
        const double f = phi + o->DecalagePhase();
        EXPECT_NEAR(o->position.x, centre.x + 40.f * std::cos(f), 0.01);
        EXPECT_NEAR(o->position.y, centre.y - 40.f * std::sin(f), 0.01);
        EXPECT_FALSE(o->Lance()) << "rien de lancé avant l'alerte";
    }
    // le héros approche à 200 px
    g->position = h.position + sf::Vector2f(200.f, 0.f);
    ASSERT_TRUE(EntitePhysique::ToucheCercle(&h, g));
    g->ToucherHeros(&h);
    EXPECT_EQ(g->Etat(), Gorvalux::ALERTE);
    EXPECT_FLOAT_EQ(g->rayon, 20.f);
    EXPECT_EQ(h.Anneaux(), 3);
    EXPECT_FALSE(EntitePhysique::ToucheCercle(&h, g)) << "seul un contact à 20 + 30 px compte désormais";
    g->position = centre;
    // en alerte, chaque boule part au bas du cercle (φ entre 4 et 5)
    int lancees = 0;
    for (int i = 0; i < 600 && lancees < 4; ++i)
    {
        a.Frame();
        lancees = 0;
        for (Oursin* o : g->Oursins())
            if (o->Lance())
            {
                ++lancees;
                EXPECT_DOUBLE_EQ(o->forceMoteur.angle, PI);
                EXPECT_FLOAT_EQ(o->forceMoteur.norme, 250.f);
            }
        if (lancees == 1)
            for (Oursin* o : g->Oursins())
            {
                if (o->Lance() && o->position.x > centre.x - 60.f)
                {
                    EXPECT_GT(o->position.y, centre.y) << "lancée sous le centre";
                }
            }
    }
    EXPECT_EQ(lancees, 4);
}

// Gorvalux détruit : ses boules encore en orbite disparaissent, celles lancées restent ;
// une boule détruite avant lui sort de sa liste
TEST(Robots, GorvaluxDetruitEtBoulesPerdues)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    a.vueFixe = true;
    a.vue = sf::FloatRect(1700.f, 100.f, 640.f, 480.f);
    Gorvalux* g = a.Ajouter(new Gorvalux(&a.scene, {2000.f, 300.f}, 40.f));
    Oursin* lancee = g->Oursins()[0];
    lancee->forceMoteur.angle = PI;
    lancee->forceMoteur.norme = 250.f;
    Oursin* perdue = g->Oursins()[1];
    perdue->FixerSuppression(true);
    a.Frames(4);
    EXPECT_EQ(g->Oursins().size(), 3u);
    g->ChangerEtat(Gorvalux::ALERTE);
    h.ChangerEtat(HEROS_SAUT);
    g->ToucherHeros(&h);
    EXPECT_TRUE(g->aSupprimer);
    EXPECT_EQ(h.Score(), 100);
    a.Frames(2);
    EXPECT_FALSE(a.Range(g));
    ASSERT_EQ(a.Tous<Oursin>().size(), 1u);
    EXPECT_EQ(a.Tous<Oursin>()[0], lancee);
    EXPECT_EQ(a.Tous<Tortue>().size(), 1u);
    // la boule lancée vit sans son porteur
    a.Frames(10);
    EXPECT_LT(lancee->position.x, 2000.f + 40.f);
}

// Étoile : approchée, elle monte 1,5 s à 100 px/s, attend 0,5 s et éclate en cinq pointes, sans points
TEST(Robots, EtoileMonteEtEclate)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    a.vueFixe = true;
    a.vue = sf::FloatRect(0.f, 100.f, 640.f, 480.f);
    Etoile* e = a.Ajouter(new Etoile(&a.scene, h.position + sf::Vector2f(250.f, -60.f), 40.f));
    a.Frames(2);
    ASSERT_EQ(e->Etat(), 1);
    EXPECT_FLOAT_EQ(e->rayon, 32.f);
    const float y0 = e->position.y;
    a.Secondes(1.55f);
    EXPECT_EQ(e->Etat(), 2);
    EXPECT_NEAR(y0 - e->position.y, 150.f, 3.f);
    const sf::Vector2f p = e->position;
    a.Secondes(0.4f);
    EXPECT_FLOAT_EQ(e->position.y, p.y) << "arrêtée";
    EXPECT_TRUE(a.Range(e));
    a.Secondes(0.15f);
    EXPECT_FALSE(a.Range(e));
    std::vector<Projectile*> pointes = a.Tous<Projectile>();
    ASSERT_EQ(pointes.size(), 5u);
    std::set<int> angles;
    for (Projectile* t : pointes)
    {
        EXPECT_EQ(t->Type(), 3);
        angles.insert(int(std::lround(t->forceElan.angle * 10.0 / PI)));
        EXPECT_EQ(t->PositionElement(), p);
    }
    EXPECT_EQ(angles, (std::set<int>{5, 1, 9, 13, 17}));
    EXPECT_EQ(a.Tous<Explosion>().size(), 1u);
    EXPECT_EQ(h.Score(), 0);
}

// Étoile détruite en montant par un héros qui roule : 100 points, pas de pointes, pas d'animal
TEST(Robots, EtoileDetruiteAvantDEclater)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    Etoile* e = a.Ajouter(new Etoile(&a.scene, h.position + sf::Vector2f(2000.f, 0.f), 40.f));
    e->ToucherHeros(&h);
    ASSERT_EQ(e->Etat(), 1);
    EXPECT_FALSE(e->aSupprimer);
    h.ChangerEtat(HEROS_ROULADE);
    e->ToucherHeros(&h);
    EXPECT_TRUE(e->aSupprimer);
    EXPECT_EQ(h.Score(), 100);
    a.Frames(2);
    EXPECT_TRUE(a.Tous<Projectile>().empty());
    EXPECT_TRUE(a.Tous<Animal>().empty());
    EXPECT_EQ(a.Tous<Explosion>().size(), 1u);
}

// Tourelle : immobile, un laser vers la gauche toutes les 3 s
TEST(Robots, TourelleTireToutesLesTroisSecondes)
{
    Arene a;
    a.vueFixe = true;
    a.vue = sf::FloatRect(700.f, 200.f, 640.f, 480.f);
    ZubRobot* z = a.Ajouter(new ZubRobot(&a.scene, {1000.f, 400.f}, 40.f));
    EXPECT_EQ(TirsNouveaux(a, int(2.95f / Arene::DT)), 0);
    EXPECT_EQ(TirsNouveaux(a, int(0.1f / Arene::DT)), 1);
    Projectile* t = a.Tous<Projectile>()[0];
    EXPECT_EQ(t->Type(), 4);
    EXPECT_DOUBLE_EQ(t->forceElan.angle, PI);
    EXPECT_EQ(t->PositionElement(), sf::Vector2f(1000.f, 396.f));
    EXPECT_EQ(TirsNouveaux(a, int(6.2f / Arene::DT)), 2);
    EXPECT_EQ(z->position, sf::Vector2f(1000.f, 400.f));
}
