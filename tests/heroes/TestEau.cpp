#include "Banc.h"

#include "game/GameInfos.h"
#include "game/Quadtree.h"
#include "game/QuadtreeNode.h"
#include "objects/BassinEau.h"
#include "objects/BassinLave.h"
#include "objects/Bulle.h"
#include "objects/Plouf.h"
#include "objects/SourceBulles.h"
#include "scene/Sprite.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
const double PI_ = 3.14159265358979323846;

// Bassin de 10 × 3 cases : surface à 500, entrée à 532, sortie à 468, fond à 692
struct BancEau : Banc
{
    BassinEau* bassin;
    explicit BancEau(sf::Vector2f depart = sf::Vector2f(700.f, 300.f)) : Banc(0, depart)
    {
        bassin = new BassinEau(&scene, sf::Vector2f(632.f, 532.f), 0.f, {10.f, 3.f});
        Ajouter(bassin);
        Sol(692.f);
    }
    // Frames jusqu'à ce que la condition tienne (au plus n) ; renvoie le nombre joué
    int Jusqua(const std::function<bool()>& condition, int n)
    {
        int i = 0;
        while (i < n && !condition())
        {
            Frame();
            ++i;
        }
        return i;
    }
};

void Collecter(QuadtreeNode* n, std::vector<Bulle*>& bulles)
{
    if (!n)
        return;
    for (ElementScenique* e : n->Elements())
        if (Bulle* b = dynamic_cast<Bulle*>(e))
            bulles.push_back(b);
    for (int i = 0; i < 4; ++i)
        Collecter(n->Enfant(i), bulles);
}
} // namespace

// Entrée et sortie : échelle de temps, air, boucliers, éclaboussures
TEST(Eau, EntreeALaLigneSousLaSurfaceSortieAuDessusEtBoucliers)
{
    BancEau b;
    Heros& h = *b.heros;
    const std::size_t ploufs = Plouf::Nombre();
    int n = b.Jusqua([&] { return h.echelleTemps == 0.5f; }, 600);
    ASSERT_LT(n, 600);
    // l'échelle change au passage de la ligne d'entrée, pas à la surface
    EXPECT_GE(h.position.y + h.rayon, 532.f - 1.f);
    EXPECT_EQ(Plouf::Nombre() - ploufs, 1u);
    b.Poser();
    ASSERT_TRUE(h.sol);
    EXPECT_EQ(h.echelleTemps, 0.5f);
    // remontée : l'échelle revient à 1 au-dessus de la ligne de sortie
    h.Propulser(PI_ / 2.0, 1500.f);
    n = b.Jusqua([&] { return h.echelleTemps == 1.f; }, 600);
    ASSERT_LT(n, 600);
    EXPECT_LE(h.position.y - h.rayon, 468.f + 1.f);
    EXPECT_EQ(Plouf::Nombre() - ploufs, 2u);

    // boucliers : seuls l'eau et l'invincibilité passent l'entrée
    const int attendus[6] = {0, 0, 2, 0, 0, 5};
    for (int bouclier = 1; bouclier <= 5; ++bouclier)
    {
        BancEau c;
        c.Poser(); // posé au fond
        Heros& g = *c.heros;
        g.FixerEchelleTemps(1.f);
        g.position.y = g.positionSuivante.y = 300.f;
        g.Propulser(3.0 * PI_ / 2.0, 10.f);
        g.DonnerBouclier(bouclier);
        ASSERT_EQ(g.Bouclier(), bouclier);
        c.Jusqua([&] { return g.echelleTemps == 0.5f; }, 600);
        EXPECT_EQ(g.echelleTemps, 0.5f) << bouclier;
        EXPECT_EQ(g.Bouclier(), attendus[bouclier]) << bouclier;
    }
}

// Noyade : 17,5 s d'air puis 5 pas de 2,5 s ; une bulle pleine relance l'air ; le bouclier d'eau en donne sans fin
TEST(Eau, NoyadeTrenteSecondesApresLEntreeBulleEtBouclierDEau)
{
    for (int cas = 0; cas < 3; ++cas)
    {
        BancEau b;
        Heros& h = *b.heros;
        GameInfos infos(&b.scene);
        infos.FixerHeros(&h);
        infos.Montrer();
        // une bulle pleine prête à servir (une sur douze environ)
        Bulle* bulle = nullptr;
        if (cas == 1)
        {
            std::srand(77);
            for (int i = 0; i < 500 && !bulle; ++i)
            {
                Bulle* essai = new Bulle(&b.scene, sf::Vector2f(5000.f, 200.f), 6);
                if (essai->ImageCible() == 6)
                    bulle = essai;
                else
                    delete essai;
            }
            ASSERT_NE(bulle, nullptr);
        }
        if (cas == 2)
            h.DonnerBouclier(2);
        b.Jusqua([&] { return h.echelleTemps == 0.5f; }, 600);
        ASSERT_EQ(h.echelleTemps, 0.5f);
        int frames = 0;
        bool alerteVue = false;
        float debutAlerte = -1.f;
        while (h.Etat() != HEROS_NOYE && frames < 60 * 50)
        {
            b.Frame([&] { h.SansDirection(); });
            infos.Animer();
            if (bulle)
            {
                bulle->Animer();
                // à 17 s sous l'eau le héros la rencontre
                if (frames == 60 * 17)
                {
                    ASSERT_EQ(bulle->rayon, 16.f);
                    bulle->position = bulle->positionSuivante = h.position;
                    bulle->Synchroniser();
                    EXPECT_TRUE(EntitePhysique::ToucheCercle(&h, bulle));
                    bulle->ToucherHeros(&h);
                    EXPECT_EQ(h.Etat(), HEROS_RESPIRE);
                }
            }
            if (infos.AlerteOxygene() && !alerteVue)
            {
                alerteVue = true;
                debutAlerte = float(frames) * Banc::DT;
                EXPECT_EQ(infos.CompteARebours(), 5);
            }
            ++frames;
        }
        const float t = float(frames) * Banc::DT;
        if (cas == 0)
        {
            EXPECT_NEAR(debutAlerte, 17.5f, 0.1f);
            EXPECT_NEAR(t, 30.f, 0.15f);
        }
        else if (cas == 1)
        {
            EXPECT_NEAR(debutAlerte, 17.f + 17.5f, 0.1f);
            EXPECT_NEAR(t, 17.f + 30.f, 0.15f);
        }
        else
        {
            EXPECT_FALSE(alerteVue);
            EXPECT_NE(h.Etat(), HEROS_NOYE);
            continue;
        }
        // noyé : il ne touche plus rien, puis perd une vie trois secondes plus tard
        EXPECT_EQ(h.masque, 0);
        infos.Animer();
        EXPECT_FALSE(infos.AlerteOxygene());
        b.Frames(60 * 3 + 5);
        EXPECT_EQ(b.scene.EtatScene(), SCENE_RECOMMENCER);
        EXPECT_EQ(h.Vies(), 2);
        delete bulle;
    }
}

// Course sur l'eau : au-delà de 1440 le héros reste à la surface et éclabousse toutes les 0,05 s, en deçà il coule
TEST(Eau, CourseSurLEauAuDelaDe1440)
{
    for (float elan : {1800.f, 1000.f})
    {
        Banc b;
        // sol jusqu'à 1000, bassin de 20 cases de 1000 à 2280 (surface à 500), sol ensuite
        b.Sol(500.f, -1000.f, 1000.f);
        b.Ajouter(new BassinEau(&b.scene, sf::Vector2f(1032.f, 532.f), 0.f, {20.f, 4.f}));
        b.Sol(500.f, 2280.f, 90000.f);
        b.Sol(756.f, 1000.f, 2280.f);
        b.Poser();
        Heros& h = *b.heros;
        auto droite = [&] { h.Droite(); h.SautRelache(); };
        b.Frames(30, droite);
        ASSERT_TRUE(h.sol);
        h.Propulser(0.0, elan);
        ASSERT_EQ(h.Vitesse(), elan);
        const std::size_t ploufs = Plouf::Nombre();
        float tempsSurface = 0.f;
        bool aCoule = false;
        for (int i = 0; i < 120 && h.position.x < 2400.f; ++i)
        {
            b.Frame(droite);
            if (h.position.x > 1000.f && h.position.x < 2280.f && h.sol)
                tempsSurface += Banc::DT;
            aCoule = aCoule || h.echelleTemps == 0.5f;
        }
        if (elan > 1440.f)
        {
            EXPECT_FALSE(aCoule);
            EXPECT_GT(h.position.x, 2280.f);
            EXPECT_NEAR(h.position.y + h.rayon, 500.f, 2.f);
            // une éclaboussure toutes les 0,05 s de course sur l'eau
            const float attendu = tempsSurface / 0.05f;
            EXPECT_GE(float(Plouf::Nombre() - ploufs), attendu * 0.7f);
            EXPECT_LE(float(Plouf::Nombre() - ploufs), attendu + 1.f);
        }
        else
            EXPECT_TRUE(aCoule);
    }
}

// Une petite bulle éclate à la ligne d'entrée, une pleine au-dessus de la surface ; un corps qui tombe est ralenti
TEST(Eau, BullesEclatentSelonLeurTailleCorpsRalentis)
{
    Banc b;
    BassinEau* bassin = new BassinEau(&b.scene, sf::Vector2f(632.f, 532.f), 0.f, {10.f, 3.f});
    b.Ajouter(bassin);
    std::srand(77);
    Bulle* pleine = nullptr;
    for (int i = 0; i < 500 && !pleine; ++i)
    {
        Bulle* essai = new Bulle(&b.scene, sf::Vector2f(800.f, 680.f), 6);
        if (essai->ImageCible() == 6)
            pleine = essai;
        else
            delete essai;
    }
    ASSERT_NE(pleine, nullptr);
    for (int i = 0; i < 60 * 5; ++i)
    {
        SourceTemps::Avancer(sf::seconds(Banc::DT));
        pleine->Animer();
    }
    ASSERT_EQ(pleine->rayon, 16.f);
    Bulle petite(&b.scene, sf::Vector2f(800.f, 680.f), 0);
    for (Bulle* bulle : {&petite, pleine})
    {
        for (int i = 0; i < 600 && bulle->Etat() == 0; ++i)
        {
            bulle->Integrer(Banc::DT);
            if (EntitePhysique::ToucheSegments(bulle, bassin))
                bassin->ContactCercle(bulle);
            bulle->ValiderDeplacement();
            SourceTemps::Avancer(sf::seconds(Banc::DT));
            bulle->Animer();
        }
        EXPECT_EQ(bulle->Etat(), 9);
    }
    EXPECT_NEAR(petite.position.y, 532.f, 4.f);
    EXPECT_LT(pleine->position.y, 500.f);
    EXPECT_GT(pleine->position.y, 468.f - 4.f);
    delete pleine;

    CercleScenique caillou(&b.scene, sf::Vector2f(800.f, 300.f), 0.f);
    caillou.masse = 100.f;
    caillou.rayon = 8.f;
    caillou.ReinitialiserForces();
    const std::size_t ploufs = Plouf::Nombre();
    for (int i = 0; i < 600 && caillou.echelleTemps == 1.f; ++i)
    {
        caillou.Integrer(Banc::DT);
        if (EntitePhysique::ToucheSegments(&caillou, bassin))
            bassin->ContactCercle(&caillou);
        caillou.ValiderDeplacement();
    }
    EXPECT_EQ(caillou.echelleTemps, 0.5f);
    EXPECT_GE(caillou.position.y + caillou.rayon, 531.f);
    EXPECT_EQ(Plouf::Nombre() - ploufs, 1u);
}

// Source : une bulle par seconde, ±14 pixels autour, environ une pleine sur douze
TEST(Eau, SourceUneBulleParSecondeQuelquesPleines)
{
    Banc b;
    std::srand(1234);
    SourceBulles source(&b.scene, sf::Vector2f(800.f, 600.f), 0.f);
    for (int i = 0; i < 60 * 240; ++i)
    {
        SourceTemps::Avancer(sf::seconds(Banc::DT));
        source.Animer();
    }
    EXPECT_NEAR(source.BullesLachees(), 240, 4);
    std::vector<Bulle*> bulles;
    Collecter(b.scene.Index() ? &b.scene.Index()->Racine() : nullptr, bulles);
    ASSERT_EQ(int(bulles.size()), source.BullesLachees());
    int pleines = 0;
    for (Bulle* u : bulles)
    {
        EXPECT_LE(std::fabs(u->position.x - 800.f), 14.f);
        EXPECT_EQ(u->position.y, 592.f);
        pleines += u->ImageCible() == 6;
    }
    EXPECT_GE(pleines, 8);
    EXPECT_LE(pleines, 35);
}

// Lave : brûle sans bouclier de feu puis porte pendant le clignotement ; avec lui elle porte
// (3 cases : traversées, après le recul, en moins des 3 s de clignotement)
TEST(Lave, BruleSansBouclierDeFeuPorteAvec)
{
    for (int bouclier : {0, 3})
    {
        Banc b;
        b.Sol(500.f, -1000.f, 1000.f);
        b.Ajouter(new BassinLave(&b.scene, sf::Vector2f(1032.f, 532.f), 0.f, {3.f, 2.f}));
        b.Sol(500.f, 1192.f, 90000.f);
        b.Poser();
        Heros& h = *b.heros;
        h.AjouterAnneaux(10);
        if (bouclier)
            h.DonnerBouclier(bouclier);
        auto droite = [&] { h.Droite(); h.SautRelache(); };
        b.Frames(10, droite);
        h.Propulser(0.0, 300.f);
        bool blesse = false, surLave = false;
        for (int i = 0; i < 60 * 6 && h.position.x < 1300.f; ++i)
        {
            b.Frame(droite);
            surLave = surLave || (h.sol && h.position.x > 1010.f && h.position.x < 1180.f && h.Sprites()[0]->EnClignotement());
            blesse = blesse || h.Etat() == HEROS_BLESSE;
        }
        if (bouclier)
        {
            EXPECT_FALSE(blesse);
            EXPECT_EQ(h.Anneaux(), 10);
            EXPECT_EQ(h.Bouclier(), 3);
        }
        else
        {
            EXPECT_TRUE(blesse);
            EXPECT_EQ(h.Anneaux(), 0);
            EXPECT_TRUE(surLave); // clignotant, la lave l'a porté
        }
        // dans tous les cas, porté par la lave jusqu'au bout (clignotant ou protégé)
        EXPECT_GT(h.position.x, 1192.f);
        EXPECT_LT(h.position.y, 500.f);
        EXPECT_NE(h.Etat(), HEROS_MORT);
    }
    // sans anneau ni bouclier, la lave tue
    Banc b;
    b.Sol(500.f, -1000.f, 1000.f);
    b.Ajouter(new BassinLave(&b.scene, sf::Vector2f(1032.f, 532.f), 0.f, {30.f, 2.f}));
    b.Poser();
    Heros& h = *b.heros;
    auto droite = [&] { h.Droite(); h.SautRelache(); };
    b.Frames(10, droite);
    h.Propulser(0.0, 300.f);
    bool mort = false;
    for (int i = 0; i < 60 * 3 && !mort; ++i)
    {
        b.Frame(droite);
        mort = h.Etat() == HEROS_MORT;
    }
    EXPECT_TRUE(mort);
}

// Emporté hors de l'eau sans passer la ligne de sortie (une vrille, un tube, un ressort au bord) :
// le héros retrouve l'air libre et ne se noie pas loin de tout bassin
TEST(Eau, SortiParUnAutreCheminQueLaSurfaceIlRespire)
{
    BancEau b;
    Heros& h = *b.heros;
    b.Jusqua([&] { return h.echelleTemps == 0.5f; }, 600);
    ASSERT_EQ(h.echelleTemps, 0.5f);
    // sur un sol haut, loin du bassin, comme à la sortie d'un tube
    b.Sol(200.f, 1600.f, 2400.f);
    h.position = h.positionSuivante = sf::Vector2f(2000.f, 150.f);
    int frames = 0;
    while (h.Etat() != HEROS_NOYE && frames < 60 * 40)
    {
        b.Frame([&] { h.SansDirection(); });
        ++frames;
    }
    EXPECT_NE(h.Etat(), HEROS_NOYE) << "noyé après " << frames << " frames";
    EXPECT_EQ(h.echelleTemps, 1.f);
}
