#include "Banc.h"

#include "heroes/Bouclier.h"
#include "engine/GestionnaireAudio.h"
#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "game/Quadtree.h"
#include "game/QuadtreeNode.h"
#include "heroes/BouclierEclair.h"
#include "heroes/EtoileEclair.h"
#include "heroes/EtoileMagique.h"
#include "objects/Anneau.h"
#include "objects/Bulle.h"
#include "objects/Moniteur.h"
#include "scene/Sprite.h"

#include <gtest/gtest.h>

#include <SFML/Audio/Music.hpp>

#include <cmath>
#include <cstdlib>

namespace
{
const double PI = 3.14159265358979323846;

// Saut, relâche en l'air, nouvel appui : le coup du bouclier
void CoupDeBouclier(Banc& b)
{
    Heros& h = *b.heros;
    b.Frame([&] { h.SautRelache(); });
    b.Frame([&] { h.SautMaintenu(); });
    b.Frames(5, [&] { h.SautMaintenu(); });
    b.Frame([&] { h.SautRelache(); });
    b.Frame([&] { h.SautMaintenu(); });
}
}

TEST(CoupsDeBouclier, PlongeeEtRebondAvecLEauRienSansBouclier)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    CoupDeBouclier(b);
    EXPECT_EQ(h.PhaseSaut(), 3);
    EXPECT_EQ(h.Etat(), HEROS_SAUT);
    b.Frames(120, [&] { h.SautMaintenu(); });
    ASSERT_NE(h.sol, nullptr);
    EXPECT_NE(h.PhaseSaut(), 4); // sans bouclier d'eau, pas de rebond

    h.DonnerBouclier(2);
    CoupDeBouclier(b);
    ASSERT_EQ(h.PhaseSaut(), 3);
    EXPECT_EQ(h.forceElan.norme, 960.f);
    EXPECT_EQ(h.forceElan.angle, 3.0 * PI / 2.0);
    int frames = 0;
    while (h.PhaseSaut() != 4 && frames < 120)
    {
        b.Frame([&] { h.SautMaintenu(); });
        ++frames;
    }
    ASSERT_EQ(h.PhaseSaut(), 4);
    EXPECT_EQ(h.sol, nullptr);
    const float y0 = h.position.y;
    float yMin = y0;
    for (int i = 0; i < 60; ++i)
    {
        b.Frame([&] { h.SautMaintenu(); });
        yMin = std::min(yMin, h.position.y);
    }
    EXPECT_NEAR(y0 - yMin, 900.f * 900.f / (2.f * 9.81f * 160.f), 12.f);
}

TEST(CoupsDeBouclier, RueeDeFeuEtDoubleSautElectrique)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    h.DonnerBouclier(3);
    CoupDeBouclier(b);
    EXPECT_EQ(h.forceElan.norme, 960.f);
    EXPECT_EQ(h.forceElan.angle, 0.0);
    EXPECT_EQ(h.BouclierActif()->Etat(), 9);
    b.Frames(120);

    h.DonnerBouclier(4);
    CoupDeBouclier(b);
    EXPECT_EQ(h.forceElan.norme, 660.f);
    EXPECT_EQ(h.forceElan.angle, PI / 2.0);
    // la gravité repart de zéro : une seule frame de chute accumulée
    EXPECT_NEAR(h.forceGravite.norme, 9.81f * 160.f * Banc::DT, 0.01f);
}

TEST(Aimant, AttireLesAnneauxDuNiveauProchesEtLesRendIntouchablesALaPerte)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    h.DonnerBouclier(4);
    h.PlacerAncreBouclier();
    BouclierEclair* e = dynamic_cast<BouclierEclair*>(h.BouclierActif());
    ASSERT_NE(e, nullptr);
    const sf::Vector2f a = h.positionDepart;
    Anneau proche(&b.scene, a + sf::Vector2f(200.f, 0.f), 0.f);
    Anneau loin(&b.scene, a + sf::Vector2f(215.f, 0.f), 0.f);
    Force f;
    f.norme = 0.f;
    Anneau jete(&b.scene, a + sf::Vector2f(50.f, 0.f), f);
    for (CercleScenique* c : {static_cast<CercleScenique*>(&proche), static_cast<CercleScenique*>(&loin),
                              static_cast<CercleScenique*>(&jete)})
        e->Agir(c);
    e->FiltrerCibles();
    e->ActualiserMagie();
    EXPECT_FALSE(proche.fige);
    EXPECT_NEAR(proche.forceGravite.angle, PI, 1e-6); // vers le héros, à gauche
    EXPECT_TRUE(loin.fige);
    EXPECT_NEAR(jete.forceGravite.angle, 3.0 * PI / 2.0, 1e-6);
    // le bouclier disparaît avec la scène : l'anneau en route ne peut plus être pris
    b.scene.Vider();
    EXPECT_EQ(h.BouclierActif(), nullptr);
    EXPECT_EQ(proche.masque, 0);
    EXPECT_EQ(loin.masque, 256);
}

namespace
{
int CompterElements(QuadtreeNode& n)
{
    int total = int(n.Elements().size());
    for (int i = 0; i < 4; ++i)
        if (n.Enfant(i))
            total += CompterElements(*n.Enfant(i));
    return total;
}

// La visite de l'index que fait le jeu chaque frame, vue centrée sur le point donné
void Visiter(Banc& b, const sf::Vector2f& centre)
{
    b.scene.Index()->Parcourir(sf::FloatRect(centre.x - 320.f, centre.y - 240.f, 640.f, 480.f));
    MoteurGraphique::Instance()->Vider(false);
}
}

// Ruée de feu vers la gauche, anneau attiré qui suit le héros jusqu'à lui, étincelles et étoiles hors de la vue
TEST(Boucliers, RueeAGaucheAimantTenaceEtEffetsHorsVue)
{
    {
        Banc b;
        b.Sol(500.f);
        b.Poser();
        Heros& h = *b.heros;
        b.Frames(10, [&] { h.Gauche(); h.SautRelache(); });
        b.Frames(60, [&] { h.SansDirection(); h.SautRelache(); });
        ASSERT_FALSE(h.VersLaDroite());
        h.DonnerBouclier(3);
        CoupDeBouclier(b);
        EXPECT_EQ(h.forceElan.angle, PI);
        ASSERT_NE(h.BouclierActif(), nullptr);
        h.BouclierActif()->Animer();
        EXPECT_LT(h.BouclierActif()->Sprites()[0]->SpriteSFML().getScale().x, 0.f);
    }
    {
        // l'anneau pris derrière un héros lancé sort vite de la portée : il le suit quand même
        Banc b;
        b.Sol(500.f);
        b.Poser();
        Heros& h = *b.heros;
        b.Frames(150, [&] { h.Droite(); h.SautRelache(); });
        h.DonnerBouclier(4);
        h.PlacerAncreBouclier();
        Anneau anneau(&b.scene, h.positionDepart + sf::Vector2f(-120.f, -150.f), 0.f);
        b.cercles.push_back(&anneau);
        int frames = 0;
        while (h.Anneaux() == 0 && frames < 300)
        {
            b.Frame([&] { h.Droite(); h.SautRelache(); });
            ++frames;
        }
        EXPECT_EQ(h.Anneaux(), 1) << anneau.position.x - h.position.x << " " << anneau.position.y - h.position.y;
        EXPECT_LT(frames, 150);
        b.cercles.clear();
    }
    {
        // étincelles et étoiles laissées en arrière disparaissent comme les autres effets brefs
        Banc b;
        const sf::Vector2f p(1000.f, 400.f);
        b.scene.AjouterElement(new EtoileEclair(&b.scene, p));
        b.scene.AjouterElement(new EtoileMagique(&b.scene, nullptr, p, 3));
        const int n = CompterElements(b.scene.Index()->Racine());
        Visiter(b, p + sf::Vector2f(700.f, 0.f));
        Visiter(b, p + sf::Vector2f(700.f, 0.f));
        EXPECT_EQ(CompterElements(b.scene.Index()->Racine()), n - 2);
    }
}

// Une seconde invincibilité prolonge la première : le bouclier d'avant revient à la fin, la musique dure autant
TEST(Invincibilite, LaSecondeProlongeGardeLeBouclierEtLaMusique)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    h.DonnerBouclier(1);
    h.EmpilerBonus(5000199);
    b.Frames(40, [&] { h.SansDirection(); h.SautRelache(); });
    ASSERT_EQ(h.Bouclier(), 5);
    // le cristal sous les étoiles : le sprite que la planche lui dessine
    const auto& sprites = h.BouclierActif()->Sprites();
    EXPECT_EQ(sprites.size(), 1u);
    EXPECT_TRUE(!sprites.empty() && sprites[0]->LigneCourante() == 0 && sprites[0]->ColonneCourante() == 0);
    sf::Music* musique = GestionnaireAudio::Instance()->Musique("data/ogg/musics/bouclier_total.ogg", true);
    ASSERT_NE(musique, nullptr);
    const auto& pile = MoteurAudio::Instance()->Pile();
    int invincible = 0, silence = 0;
    for (int i = 0; i < 60 * 35 && h.Bouclier() == 5; ++i)
    {
        if (i == 60 * 10)
            h.EmpilerBonus(5000199);
        b.Frame([&] { h.SansDirection(); h.SautRelache(); });
        Visiter(b, h.position);
        ++invincible;
        silence += h.Bouclier() == 5 && (pile.empty() || pile.back() != musique);
    }
    // 10 s, puis 20 s depuis la seconde (prise une demi-seconde après la casse)
    EXPECT_NEAR(invincible / 60.f, 30.5f, 0.1f);
    EXPECT_EQ(silence, 0) << invincible;
    EXPECT_EQ(h.Bouclier(), 1);
    b.Frame([&] { h.SansDirection(); h.SautRelache(); });
    Visiter(b, h.position);
    EXPECT_TRUE(pile.empty() || pile.back() != musique);
    MoteurAudio::Instance()->ArreterTout();
}

TEST(Bulles, SeulesLesPleinesFontRespirer)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    std::srand(77);
    for (int i = 0; i < 40; ++i)
    {
        Bulle petite(&b.scene, h.position, 2);
        EXPECT_LE(petite.ImageCible(), 2);
    }
    Bulle* pleine = nullptr;
    for (int i = 0; i < 200 && !pleine; ++i)
    {
        Bulle* x = new Bulle(&b.scene, h.position, 6);
        if (x->ImageCible() == 6)
            pleine = x;
        else
            delete x;
    }
    ASSERT_NE(pleine, nullptr);
    Bulle petite(&b.scene, h.position, 2);
    for (int i = 0; i < 60 * 5; ++i)
    {
        SourceTemps::Avancer(sf::seconds(Banc::DT));
        pleine->Animer();
        petite.Animer();
    }
    EXPECT_EQ(pleine->rayon, 16.f);
    EXPECT_EQ(petite.rayon, 1.f);
    petite.ToucherHeros(&h);
    EXPECT_NE(h.Etat(), HEROS_RESPIRE);
    pleine->ToucherHeros(&h);
    EXPECT_EQ(h.Etat(), HEROS_RESPIRE);
    EXPECT_EQ(pleine->Etat(), 9);
    delete pleine;
}

TEST(Moniteurs, FrappeParDessousLaBoiteSauteSansSOuvrir)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    Moniteur* m = new Moniteur(&b.scene, 5000199, {h.position.x, 330.f}, 0.f);
    b.Ajouter(m);
    EXPECT_TRUE(m->fige);
    b.Frame([&] { h.SautRelache(); });
    bool saute = false;
    for (int i = 0; i < 30 && !saute; ++i)
    {
        b.Frame([&] { h.SautMaintenu(); });
        saute = !m->fige;
    }
    EXPECT_TRUE(saute);
    EXPECT_EQ(m->Etat(), 0);
    EXPECT_EQ(h.BonusEnAttente(), 0u);
    b.Frame();
    EXPECT_GT(h.vitesse.y, -1.f); // le héros redescend
    EXPECT_EQ(Moniteur::ColonneIcone(5000020), 12);
    EXPECT_EQ(Moniteur::ColonneIcone(5000050), 11);
}

TEST(Propulsion, LanceeVerticaleEtLeLongDuSol)
{
    Banc b;
    b.Sol(500.f);
    b.Poser();
    Heros& h = *b.heros;
    b.Frames(30, [&] { h.Droite(); });
    const float v = h.Vitesse();
    h.Propulser(0.0, 1500.f);
    EXPECT_EQ(h.Vitesse(), 1500.f);
    EXPECT_GT(1500.f, v);
    h.Propulser(PI / 2.0, 1200.f);
    EXPECT_EQ(h.Etat(), HEROS_PROPULSE);
    EXPECT_EQ(h.sol, nullptr);
    EXPECT_NEAR(h.forceElan.y, -1200.f, 1.f);
    b.Frame();
    EXPECT_LT(h.vitesse.y, -1000.f);
}
