#include "../heroes/Banc.h"

#include "objects/Bloc.h"
#include "objects/Pics.h"
#include "objects/PontEpineux.h"
#include "objects/PoteauEpineux.h"
#include "objects/Pung.h"
#include "objects/Ressort.h"
#include "objects/ScieCirculaire.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;

// Héros lancé à vitesse constante sur le sol (aucune commande : ni frottement ni accélération)
void Lancer(Heros& h, float v)
{
    h.ChangerEtat(HEROS_COURSE);
    h.forceMoteur.acceleration = 0.f;
    h.forceMoteur.norme = v;
    h.FixerVersLaDroite(v > 0.f);
}

// Frame complète du moteur, avec les contacts entre polygones (le bloc tombe et se pose)
void FramePolygones(Banc& b, const std::function<void()>& commandes = nullptr)
{
    Heros& h = *b.heros;
    if (commandes && !h.CommandesBloquees())
        commandes();
    for (auto& p : b.polygones)
        p->Integrer(Banc::DT);
    h.Integrer(Banc::DT);
    h.LimiterAuNiveau();
    for (auto& p : b.polygones)
        for (auto& q : b.polygones)
            if (p != q)
                EntitePhysique::TouchePolygone(p.get(), q.get());
    for (auto& p : b.polygones)
        if (EntitePhysique::ToucheSegments(&h, p.get()))
            p->ContactHeros(&h);
    for (auto& p : b.polygones)
        if (p->collision.autre)
        {
            PolygonePhysique* autre = p->collision.autre;
            p->ResoudreCollision();
            if (auto* a = dynamic_cast<PolygoneScenique*>(autre))
                a->ContactPolygone(p.get());
        }
    if (h.collision.autre)
    {
        PolygonePhysique* autre = h.collision.autre;
        h.ResoudreCollision();
        if (auto* a = dynamic_cast<PolygoneScenique*>(autre))
            a->ContactHeros(&h);
    }
    for (auto& p : b.polygones)
        p->ValiderDeplacement();
    h.ValiderDeplacement();
    SourceTemps::Avancer(sf::seconds(Banc::DT));
    h.Animer();
    for (auto& p : b.polygones)
        p->Animer();
}
} // namespace

// Chaque genre : la plaque fait face au lancer et l'image tournée pointe dans le même sens
TEST(Ressorts, PlaqueEtImageDansLeSensDuLancer)
{
    for (int id : {2000021, 2000022, 2000023, 2000024, 2000026, 2000028})
    {
        Ressort r(nullptr, {100.f, 100.f}, 30.f, {-700.f}, id);
        EXPECT_EQ(r.VitesseLancement(), -700.f);
        ASSERT_GE(r.IndicePlaque(), 0) << id;
        int actifs = 0;
        for (const Segment* s : r.Segments())
            actifs += (s->Drapeaux() == 0x17d) ? 1 : 0;
        EXPECT_EQ(actifs, 1) << id;
        const Segment* p = r.Segments()[r.IndicePlaque()];
        EXPECT_EQ(p->Drapeaux(), 0x17d);
        // le pied du héros qui touche la plaque est du côté opposé au lancer
        const double th = p->Angle(), a = r.AngleLancement();
        EXPECT_NEAR(std::cos(a), -std::sin(th), 1e-6) << id;
        EXPECT_NEAR(-std::sin(a), -std::cos(th), 1e-6) << id;
        // image : le ressort dessiné vers le haut, tourné de (lancer - 90°) dans le sens direct
        const float rot = r.Sprites()[0]->Rotation(); // sens horaire de SFML
        const double haut = PI / 2.0 - rot * PI / 180.0;
        EXPECT_NEAR(std::cos(haut), std::cos(a), 1e-5) << id;
        EXPECT_NEAR(std::sin(haut), std::sin(a), 1e-5) << id;
        // le milieu de la plaque est sur le bord du ressort, dans le sens du lancer
        const sf::Vector2f m = (p->A() + p->B()) * 0.5f - sf::Vector2f(100.f, 100.f);
        EXPECT_GT(m.x * std::cos(a) - m.y * std::sin(a), -0.01) << id;
    }
    // genre inconnu et paramètre absent : ni plaque ni vitesse
    Ressort x(nullptr, {0.f, 0.f}, 30.f, {}, 2000025);
    EXPECT_EQ(x.IndicePlaque(), -1);
    EXPECT_TRUE(x.Segments().empty());
    EXPECT_EQ(x.VitesseLancement(), 0.f);
}

// Le ressort vers le haut : état 21, droit vers le haut, la vitesse horizontale gardée
TEST(Ressorts, VersLeHautGardeLaVitesseHorizontale)
{
    Banc b(0, {385.f, 380.f});
    b.Sol(500.f);
    Ressort* r = new Ressort(&b.scene, {400.f, 468.f}, 30.f, {1200.f}, 2000022);
    b.Ajouter(r);
    Heros& h = *b.heros;
    h.forceElan.norme = 60.f;
    h.forceElan.angle = 0.0;
    float vx = 0.f;
    for (int i = 0; i < 120 && r->Etat() == 0; ++i)
    {
        vx = h.vitesse.x;
        b.Frame();
    }
    ASSERT_NE(r->Etat(), 0);
    EXPECT_EQ(h.Etat(), HEROS_PROPULSE);
    EXPECT_EQ(h.sol, nullptr);
    h.forceElan.VersComposantes();
    EXPECT_NEAR(h.forceElan.x, vx, 0.5f);
    EXPECT_NEAR(h.forceElan.y, -1200.f, 1.f);
    b.Frame();
    EXPECT_LT(h.vitesse.y, -1100.f);
    EXPECT_NEAR(h.vitesse.x, vx, 0.5f);
}

// Une fois toutes les 0,26 s au plus : détendu, la plaque est une surface ordinaire
TEST(Ressorts, UnLancerPar026SecondeAuPlus)
{
    Banc b(0, {400.f, 400.f});
    b.Sol(500.f);
    // lancer faible : le héros retombe sur la plaque avant qu'elle soit revenue
    Ressort* r = new Ressort(&b.scene, {400.f, 468.f}, 30.f, {150.f}, 2000022);
    b.Ajouter(r);
    std::vector<float> lancers;
    int avant = 0;
    for (int i = 0; i < 180; ++i)
    {
        b.Frame();
        if (r->Etat() != 0 && avant == 0)
            lancers.push_back(float(i) * Banc::DT);
        avant = r->Etat();
    }
    ASSERT_GE(lancers.size(), 3u);
    for (std::size_t i = 1; i < lancers.size(); ++i)
    {
        EXPECT_GE(lancers[i] - lancers[i - 1], 0.26f - 0.001f);
        EXPECT_LE(lancers[i] - lancers[i - 1], 0.40f);
    }
}

// Le ressort vers la gauche renverse le héros qui court, à sa propre vitesse, quelle que soit la sienne
TEST(Ressorts, VersLaGaucheRenverseLaCourse)
{
    // le sol testé avant ou après le ressort : le même contact est retenu
    for (int ordre = 0; ordre < 2; ++ordre)
    for (float v : {150.f, 700.f, 1500.f})
    {
        Banc b(0, {300.f, 400.f});
        if (ordre == 0)
            b.Sol(500.f);
        Ressort* r = new Ressort(&b.scene, {600.f, 468.f}, 30.f, {900.f}, 2000024);
        b.Ajouter(r);
        if (ordre == 1)
            b.Sol(500.f);
        b.Poser();
        Heros& h = *b.heros;
        Lancer(h, v);
        for (int i = 0; i < 300 && r->Etat() == 0; ++i)
            b.Frame();
        ASSERT_NE(r->Etat(), 0) << v << " " << ordre;
        EXPECT_EQ(h.forceMoteur.norme, -900.f) << v << " " << ordre;
        EXPECT_NE(h.sol, nullptr) << v << " " << ordre;
        b.Frames(10);
        EXPECT_LT(h.position.x, 560.f) << v << " " << ordre;
        EXPECT_LT(h.vitesse.x, -850.f) << v << " " << ordre;
    }
}

// Contre le côté d'un ressort vers le haut, le héros pousse, il n'est pas lancé
TEST(Ressorts, LeCoteNeLancePas)
{
    Banc b(0, {480.f, 400.f});
    b.Sol(500.f);
    Ressort* r = new Ressort(&b.scene, {600.f, 468.f}, 30.f, {900.f}, 2000022);
    b.Ajouter(r);
    b.Poser();
    Heros& h = *b.heros;
    bool pousse = false;
    for (int i = 0; i < 60; ++i)
    {
        b.Frame([&] { h.Droite(); h.SautRelache(); });
        pousse = pousse || h.Etat() == HEROS_POUSSEE;
        EXPECT_EQ(r->Etat(), 0);
    }
    EXPECT_TRUE(pousse);
    EXPECT_NEAR(h.position.x, 600.f - 32.f - 30.f, 1.5f);
}

// Pics : seule la face pointue blesse, et seulement pour un contact de sol ou de suite
TEST(Pics, SeuleLaFacePointueBlesse)
{
    // posé sur les pointes : blessé, les anneaux dispersés
    {
        Banc b(0, {400.f, 300.f});
        b.Sol(500.f);
        b.Ajouter(new Pics(&b.scene, {400.f, 468.f}, 30.f, {}, 2000002));
        Heros& h = *b.heros;
        h.AjouterAnneaux(5);
        for (int i = 0; i < 120 && h.Etat() != HEROS_BLESSE; ++i)
            b.Frame();
        EXPECT_EQ(h.Etat(), HEROS_BLESSE);
        EXPECT_EQ(h.Anneaux(), 0);
    }
    // contre le côté : une face solide ordinaire
    {
        Banc b(0, {480.f, 400.f});
        b.Sol(500.f);
        b.Ajouter(new Pics(&b.scene, {600.f, 468.f}, 30.f, {}, 2000002));
        b.Poser();
        Heros& h = *b.heros;
        h.AjouterAnneaux(5);
        bool pousse = false;
        for (int i = 0; i < 60; ++i)
        {
            b.Frame([&] { h.Droite(); h.SautRelache(); });
            pousse = pousse || h.Etat() == HEROS_POUSSEE;
        }
        EXPECT_EQ(h.Anneaux(), 5);
        EXPECT_TRUE(pousse);
        EXPECT_NEAR(h.position.x, 600.f - 32.f - 30.f, 1.5f);
    }
    // pointes vers le bas, touchées d'un saut par-dessous : blessé
    {
        Banc b(0, {400.f, 400.f});
        b.Sol(500.f);
        b.Ajouter(new Pics(&b.scene, {400.f, 330.f}, 30.f, {}, 2000008));
        b.Poser();
        Heros& h = *b.heros;
        h.AjouterAnneaux(3);
        b.Frames(2, [&] { h.SautRelache(); });
        for (int i = 0; i < 60 && h.Etat() != HEROS_BLESSE; ++i)
            b.Frame([&] { h.SautMaintenu(); });
        EXPECT_EQ(h.Etat(), HEROS_BLESSE);
        EXPECT_EQ(h.Anneaux(), 0);
    }
    // pointes vers la gauche : le dessus du bloc porte le héros sans le blesser
    {
        Banc b(0, {600.f, 300.f});
        b.Sol(500.f);
        b.Ajouter(new Pics(&b.scene, {600.f, 468.f}, 30.f, {}, 2000004));
        Heros& h = *b.heros;
        h.AjouterAnneaux(3);
        b.Poser();
        EXPECT_EQ(h.Anneaux(), 3);
        EXPECT_NEAR(h.position.y, 436.f - 30.f, 1.f);
    }
}

// Avec un bouclier : il est perdu, puis 3 s de clignotement pendant lesquelles les pics portent le héros
TEST(Pics, BouclierPerduPuisClignotement)
{
    Banc b(0, {400.f, 300.f});
    b.Sol(500.f);
    b.Ajouter(new Pics(&b.scene, {400.f, 468.f}, 30.f, {}, 2000002));
    Heros& h = *b.heros;
    h.AjouterAnneaux(4);
    h.DonnerBouclier(1);
    ASSERT_EQ(h.Bouclier(), 1);
    for (int i = 0; i < 120 && h.Etat() != HEROS_BLESSE; ++i)
        b.Frame();
    ASSERT_EQ(h.Etat(), HEROS_BLESSE);
    EXPECT_EQ(h.Bouclier(), 0);
    EXPECT_EQ(h.Anneaux(), 4);
    // rejeté à côté ; remis au-dessus des pics pendant le clignotement : posé, rien perdu
    b.Frames(30);
    h.Decoller();
    h.position = h.positionSuivante = h.positionPrecedente = sf::Vector2f(400.f, 380.f);
    int blessures = 0;
    for (int i = 0; i < 120; ++i)
    {
        const int avant = h.Etat();
        b.Frame();
        blessures += (h.Etat() == HEROS_BLESSE && avant != HEROS_BLESSE) ? 1 : 0;
    }
    EXPECT_EQ(blessures, 0);
    EXPECT_EQ(h.Anneaux(), 4);
    EXPECT_NE(h.sol, nullptr);
    EXPECT_NEAR(h.position.y, 436.f - 30.f, 1.f);
    // après 3 s, toujours dessus : la suite du contact blesse
    for (int i = 0; i < 90 && h.Etat() != HEROS_BLESSE; ++i)
        b.Frame();
    EXPECT_EQ(h.Etat(), HEROS_BLESSE);
    EXPECT_EQ(h.Anneaux(), 0);
}

// Pont épineux : le danger balaie le tablier colonne par colonne, 0,4 s par colonne
TEST(PontEpineux, LeDangerBalaieLeTablier)
{
    PontEpineux p(nullptr, {1000.f, 500.f}, 30.f, {}, 2000020002);
    EXPECT_EQ(p.Travees(), 2);
    ASSERT_EQ(p.Segments().size(), 1u);
    EXPECT_EQ(p.Segments()[0]->A(), sf::Vector2f(744.f, 492.f));
    EXPECT_EQ(p.Segments()[0]->B(), sf::Vector2f(1256.f, 492.f));
    EXPECT_EQ(p.Segments()[0]->Drapeaux(), 0x29);
    EXPECT_EQ(p.Colonne(744.f + 2 * 64.f + 10.f), 2);
    EXPECT_EQ(p.Colonne(744.f + 256.f + 3 * 64.f + 10.f), 3);
    EXPECT_EQ(p.Encadrement(), sf::FloatRect(744.f, 468.f, 512.f, 64.f));

    // le héros debout dans la colonne 2 de la 2e travée n'est blessé qu'à la phase 2
    for (float x : {744.f + 2 * 64.f + 32.f, 744.f + 256.f + 2 * 64.f + 32.f})
    {
        Banc b(0, {x, 400.f});
        PontEpineux* pont = new PontEpineux(&b.scene, {1000.f, 500.f}, 30.f, {}, 2000020002);
        b.Ajouter(pont);
        Heros& h = *b.heros;
        h.AjouterAnneaux(2);
        std::vector<int> phases;
        int blessee = -1;
        float temps = 0.f;
        for (int i = 0; i < 120 && blessee < 0; ++i)
        {
            b.Frame([&] { h.SansDirection(); h.SautRelache(); });
            if (phases.empty() || phases.back() != pont->Etat())
                phases.push_back(pont->Etat());
            if (h.Etat() == HEROS_BLESSE)
            {
                blessee = pont->Etat();
                temps = float(i + 1) * Banc::DT;
            }
        }
        EXPECT_EQ(blessee, 2) << x;
        EXPECT_EQ(phases, (std::vector<int>{0, 1, 2})) << x;
        EXPECT_NEAR(temps, 0.8f, 0.1f) << x;
    }
}

// Poteau épineux : pas solide ; blesse dans la bande dont les pics sont sortis
TEST(PoteauEpineux, BlesseDansLaBandeSortie)
{
    Banc b(0, {600.f, 400.f});
    // de 244 à 500 : le centre du héros posé (470) est dans la bande 3 ; le sol testé après le capteur
    PoteauEpineux* poteau = new PoteauEpineux(&b.scene, {600.f, 372.f}, 30.f);
    b.Ajouter(poteau);
    b.Sol(500.f);
    ASSERT_EQ(poteau->Segments().size(), 1u);
    EXPECT_EQ(poteau->Segments()[0]->Drapeaux(), 0xe0);
    EXPECT_EQ(poteau->Bande(470.f), 3);
    EXPECT_EQ(poteau->Bande(250.f), 0);
    Heros& h = *b.heros;
    h.AjouterAnneaux(2);
    b.Poser();
    EXPECT_NEAR(h.position.x, 600.f, 0.5f); // il le traverse sans s'y poser
    int blessee = -1;
    for (int i = 0; i < 120 && blessee < 0; ++i)
    {
        b.Frame([&] { h.SansDirection(); h.SautRelache(); });
        if (h.Etat() == HEROS_BLESSE)
            blessee = poteau->Etat();
    }
    EXPECT_EQ(blessee, 3);
    // l'image tournée montre les pics de la phase k dans la bande k (colonne k en haut)
    const sf::Transform& t = poteau->Sprites()[0]->SpriteSFML().getTransform();
    const sf::Vector2f haut = t.transformPoint(sf::Vector2f(32.f, 32.f));
    EXPECT_EQ(poteau->Bande(haut.y), 0);
    const sf::Vector2f bas = t.transformPoint(sf::Vector2f(224.f, 32.f));
    EXPECT_EQ(poteau->Bande(bas.y), 3);
}

// La scie blesse de tous les côtés ; le rond renvoie le héros
TEST(Cercles, ScieDeTousLesCotesEtRondQuiRenvoie)
{
    for (sf::Vector2f d : {sf::Vector2f(-80.f, 0.f), sf::Vector2f(80.f, 0.f), sf::Vector2f(0.f, -80.f),
                           sf::Vector2f(0.f, 80.f), sf::Vector2f(60.f, 60.f)})
    {
        Banc b(0, sf::Vector2f(600.f, 300.f) + d);
        ScieCirculaire scie(&b.scene, {600.f, 300.f}, 30.f);
        b.cercles.push_back(&scie);
        Heros& h = *b.heros;
        h.AjouterAnneaux(1);
        h.forceGravite.acceleration = 0.f;
        b.Frame();
        EXPECT_EQ(h.Etat(), HEROS_BLESSE) << d.x << "," << d.y;
        b.cercles.clear();
        GameEngine::ViderListes();
    }
    // en l'air : il repart sur la ligne du centre du rond au sien, à sa vitesse
    {
        Banc b(0, {500.f, 300.f});
        Pung pung(&b.scene, {575.f, 340.f}, 30.f);
        EXPECT_TRUE(pung.fige);
        b.cercles.push_back(&pung);
        Heros& h = *b.heros;
        h.forceGravite.acceleration = 0.f;
        h.forceElan.norme = 300.f;
        h.forceElan.angle = 0.0;
        float v = 0.f;
        for (int i = 0; i < 30 && h.forceElan.angle == 0.0; ++i)
        {
            v = h.vitesse.norme;
            b.Frame();
        }
        const double attendu = Segment::CalculerAngle(pung.position, h.positionPrecedente);
        EXPECT_GT(h.forceElan.angle, PI / 2.0);
        EXPECT_LT(h.forceElan.angle, PI);
        EXPECT_NEAR(h.forceElan.norme, v, 1.f);
        b.Frame();
        EXPECT_LT(h.vitesse.x, 0.f);
        EXPECT_LT(h.vitesse.y, 0.f);
        (void)attendu;
        b.cercles.clear();
    }
    // au sol : la vitesse est renversée
    {
        Banc b(0, {400.f, 400.f});
        b.Sol(500.f);
        Pung pung(&b.scene, {600.f, 470.f}, 30.f);
        b.cercles.push_back(&pung);
        b.Poser();
        Heros& h = *b.heros;
        Lancer(h, 400.f);
        for (int i = 0; i < 60 && h.forceMoteur.norme > 0.f; ++i)
            b.Frame();
        EXPECT_EQ(h.forceMoteur.norme, -400.f);
        b.Frames(5);
        EXPECT_LT(h.position.x, 540.f);
        b.cercles.clear();
    }
}

// Bloc : il tombe et se pose, le héros le pousse, frappé par-dessous il saute et retombe
TEST(Bloc, PousseEtSautillePuisRetombe)
{
    {
        Banc b(0, {400.f, 400.f});
        b.Sol(500.f);
        Bloc* bloc = new Bloc(&b.scene, {600.f, 380.f}, 30.f);
        b.Ajouter(bloc);
        EXPECT_TRUE(bloc->poussable);
        Heros& h = *b.heros;
        for (int i = 0; i < 120; ++i)
            FramePolygones(b, [&] { h.SansDirection(); h.SautRelache(); });
        ASSERT_NE(bloc->sol, nullptr);
        EXPECT_NEAR(bloc->position.y, 468.f, 0.5f);
        EXPECT_NEAR(bloc->Segments()[3]->A().y, 500.f, 0.5f);
        const float x0 = bloc->position.x;
        bool poussee = false;
        for (int i = 0; i < 240; ++i)
        {
            FramePolygones(b, [&] { h.Droite(); h.SautRelache(); });
            poussee = poussee || h.Etat() == HEROS_POUSSEE;
        }
        EXPECT_TRUE(poussee);
        // 15 px/s pendant un peu moins de 4 s
        EXPECT_GT(bloc->position.x - x0, 20.f);
        EXPECT_LT(bloc->position.x - x0, 62.f);
        EXPECT_LT(h.position.x, bloc->position.x - 32.f - 28.f);
        // les segments suivent le bloc
        EXPECT_NEAR(bloc->Segments()[2]->A().x, bloc->position.x + 32.f, 0.5f);
        EXPECT_NEAR(bloc->position.y, 468.f, 0.5f);
    }
    {
        Banc b(0, {600.f, 400.f});
        b.Sol(500.f);
        // un sol mince, traversable par-dessous, porte le bloc au-dessus du héros
        b.Chaine({{500.f, 300.f}, {700.f, 300.f}}, SEG_SOL);
        Bloc* bloc = new Bloc(&b.scene, {600.f, 250.f}, 30.f);
        b.Ajouter(bloc);
        Heros& h = *b.heros;
        for (int i = 0; i < 120; ++i)
            FramePolygones(b, [&] { h.SansDirection(); h.SautRelache(); });
        ASSERT_NE(bloc->sol, nullptr);
        ASSERT_NEAR(bloc->position.y, 268.f, 0.5f);
        float plusHaut = bloc->position.y;
        for (int i = 0; i < 90; ++i)
        {
            FramePolygones(b, [&] { h.SautMaintenu(); });
            plusHaut = std::min(plusHaut, bloc->position.y);
        }
        EXPECT_LT(plusHaut, 268.f - 8.f);
        EXPECT_GT(plusHaut, 268.f - 20.f);
        EXPECT_NEAR(bloc->position.y, 268.f, 0.5f);
        EXPECT_NE(bloc->sol, nullptr);
    }
}

// Sur la face pointue, seuls les contacts de sol et de suite blessent ; le vol plané ignore les côtés
TEST(Pics, GenresDeContactEtVolPlane)
{
    Banc b(1, {400.f, 200.f});
    Pics pics(&b.scene, {400.f, 468.f}, 30.f, {}, 2000002);
    Heros& h = *b.heros;
    h.AjouterAnneaux(3);
    h.ChangerEtat(HEROS_CHUTE);
    auto Toucher = [&](int indice, int type) {
        h.sol = nullptr; // toujours en l'air
        h.collision.autre = &pics;
        h.collision.indiceSegment = indice;
        h.collision.indiceCapteur = -1;
        h.collision.type = type;
        h.collision.angleSol = pics.Segments()[indice]->Angle();
        pics.ContactHeros(&h);
    };
    for (int t : {CONTACT_MONTEE, CONTACT_EXTREMITE, CONTACT_COTE})
    {
        Toucher(pics.IndicePointes(), t);
        EXPECT_EQ(h.Anneaux(), 3) << t;
        EXPECT_NE(h.Etat(), HEROS_BLESSE) << t;
    }
    // côté droit touché en vol plané : aucun effet ; en chute : le rebond ordinaire
    h.ChangerEtat(HEROS_PLANE);
    const float elan = h.forceElan.norme, moteur = h.forceMoteur.norme;
    Toucher(2, CONTACT_COTE);
    EXPECT_EQ(h.Etat(), HEROS_PLANE);
    EXPECT_EQ(h.forceElan.norme, elan);
    EXPECT_EQ(h.forceMoteur.norme, moteur);
    h.ChangerEtat(HEROS_CHUTE);
    h.forceMoteur.norme = 200.f;
    Toucher(2, CONTACT_COTE);
    EXPECT_EQ(h.forceMoteur.norme, 0.f);
    // la suite sur les pointes blesse
    Toucher(pics.IndicePointes(), CONTACT_SUITE);
    EXPECT_EQ(h.Etat(), HEROS_BLESSE);
    EXPECT_EQ(h.Anneaux(), 0);
}
