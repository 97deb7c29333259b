#include "BancObjets.h"

#include "objects/PlateformeInvisible.h"
#include "objects/PlateformeMobileInstable.h"
#include "objects/PlateformeMobileMini.h"
#include "objects/PlateformeMobilePasserelle.h"
#include "objects/PlateformeMobileTronc.h"
#include "objects/Pont.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
const double PI = 3.14159265358979323846;

template <typename T>
T* Poser(Banc& b, T* p)
{
    b.Ajouter(p);
    return p;
}
}

// Plate-forme glissante : course, durée d'une demi-oscillation, segments qui suivent
TEST(PlateformeMobileMini, GlisseEntreLesDeuxBornesEtSesSegmentsSuivent)
{
    Banc b;
    auto* m = Poser(b, new PlateformeMobileMini(&b.scene, {1000.f, 500.f}, 10.f, {1.f, 0.f, 0.f}));
    ASSERT_TRUE(m->Horizontale());
    EXPECT_EQ(m->masque, 0x100);
    EXPECT_EQ(m->position, sf::Vector2f(872.f, 500.f));
    ASSERT_EQ(m->Segments().size(), 3u);
    EXPECT_EQ(m->Segments()[0]->Drapeaux(), 41);
    // gérée où que soit la caméra
    EXPECT_EQ(m->Encadrement(), sf::FloatRect(0.f, 0.f, 100000.f, 4000.f));

    // elle part vers la droite (le tout premier pas est sous la précision des float)
    float x = m->position.x;
    for (int i = 0; i < 60; ++i)
    {
        m->Integrer(Banc::DT);
        ASSERT_GE(m->position.x, x);
        x = m->position.x;
    }
    EXPECT_GT(m->position.x, 872.f + 1.f);
    EXPECT_EQ(m->position.y, 500.f);

    float xmin = m->position.x, xmax = m->position.x;
    int demiTour = -1;
    for (int i = 1; i < 800; ++i)
    {
        m->Integrer(Banc::DT);
        xmin = std::min(xmin, m->position.x);
        xmax = std::max(xmax, m->position.x);
        if (demiTour < 0 && m->Balancement().omega <= 0.f)
            demiTour = i + 60;
        // le dessus suit le corps
        ASSERT_NEAR(m->Segments()[0]->A().x, m->position.x - 48.f, 1e-2f);
        ASSERT_NEAR(m->Segments()[0]->A().y, 500.f, 1e-3f);
    }
    EXPECT_GE(xmin, 872.f - 0.5f);
    EXPECT_NEAR(xmax, 1128.f, 0.5f);
    // demi-oscillation d'environ 16·√R frames
    EXPECT_NEAR(demiTour, 16.0 * std::sqrt(128.0), 3.0);
}

TEST(PlateformeMobileMini, PorteLeHerosDebout)
{
    for (int vertical = 0; vertical < 2; ++vertical)
    {
        SCOPED_TRACE(vertical ? "verticale" : "horizontale");
        const std::vector<float> p = vertical ? std::vector<float>{0.f, 1.f, 0.f} : std::vector<float>{2.f, 0.f, 0.f};
        const sf::Vector2f depart = vertical ? sf::Vector2f(1000.f, 300.f) : sf::Vector2f(744.f, 400.f);
        Banc b(0, depart);
        auto* m = Poser(b, new PlateformeMobileMini(&b.scene, {1000.f, 500.f}, 10.f, p));
        Heros& h = *b.heros;
        ASSERT_TRUE(::Poser(b));
        ASSERT_TRUE(PoseSur(h, *m));
        const sf::Vector2f ecart = h.position - m->position;
        EXPECT_NEAR(ecart.y, -30.05f, 0.1f);
        float parcours = 0.f;
        sf::Vector2f avant = h.position;
        for (int i = 0; i < 240; ++i)
        {
            Etape(b, [&] { h.SansDirection(); });
            ASSERT_TRUE(PoseSur(h, *m)) << "frame " << i;
            const sf::Vector2f e = h.position - m->position;
            ASSERT_NEAR(e.x, ecart.x, 0.5f) << "frame " << i;
            ASSERT_NEAR(e.y, ecart.y, 0.5f) << "frame " << i;
            parcours += std::fabs(h.position.x - avant.x) + std::fabs(h.position.y - avant.y);
            avant = h.position;
        }
        EXPECT_GT(parcours, 100.f);
    }
}

TEST(PlateformeMobileMini, SansParametrePositifElleResteImmobile)
{
    Banc b(0, {1000.f, 400.f});
    auto* m = Poser(b, new PlateformeMobileMini(&b.scene, {1000.f, 500.f}, 10.f, {0.f, 0.f, 0.f}));
    EXPECT_FALSE(m->Horizontale() || m->Verticale() || m->Tombante());
    EXPECT_EQ(m->Encadrement().width, 192.f); // le sprite, pas toute la scène
    ASSERT_TRUE(::Poser(b));
    Etapes(b, 120, [&] { b.heros->SansDirection(); });
    EXPECT_EQ(m->position, sf::Vector2f(1000.f, 500.f));
    EXPECT_EQ(m->Etat(), 0);
    EXPECT_TRUE(PoseSur(*b.heros, *m));
}

TEST(PlateformeMobileMini, TombeUneDemiSecondeApresLeContact)
{
    Banc b(0, {1010.f, 400.f});
    auto* m = Poser(b, new PlateformeMobileMini(&b.scene, {1000.f, 500.f}, 10.f, {0.f, 0.f, 1.f}));
    ASSERT_TRUE(m->Tombante());
    EXPECT_EQ(m->masse, 100.f);
    Heros& h = *b.heros;
    ASSERT_TRUE(::Poser(b));
    ASSERT_EQ(m->Etat(), 1);
    EXPECT_EQ(m->PasInclinaison(), 5.f); // le héros est à droite du centre
    // immobile pendant le délai
    int frames = 0;
    while (m->Etat() == 1 && frames < 100)
    {
        Etape(b, [&] { h.SansDirection(); });
        ++frames;
        if (m->Etat() == 1)
        {
            ASSERT_EQ(m->position, sf::Vector2f(1000.f, 500.f));
        }
    }
    EXPECT_NEAR(frames * Banc::DT, 0.5f, 1.5f * Banc::DT);
    ASSERT_EQ(m->Etat(), 9);
    EXPECT_FALSE(m->fige);
    ASSERT_EQ(m->Segments().size(), 1u);
    EXPECT_EQ(m->Segments()[0]->Drapeaux(), 8);
    EXPECT_EQ(m->Segments()[0]->A(), sf::Vector2f(840.f, 500.f));
    EXPECT_EQ(m->Segments()[0]->B(), sf::Vector2f(1160.f, 500.f));

    // elle tombe sous la gravité, le héros la quitte, le sprite tourne de 5° par dixième de seconde
    const float rot0 = m->Sprites()[0]->Rotation();
    Etapes(b, 60, [&] { h.SansDirection(); });
    EXPECT_GT(m->position.y, 600.f);
    EXPECT_EQ(h.sol, nullptr);
    EXPECT_GT(h.position.y, 500.f);
    const float tour = std::fmod(m->Sprites()[0]->Rotation() - rot0 + 360.f, 360.f);
    EXPECT_NEAR(tour, 5.f * 9.f, 5.f + 0.01f);
}

// Balancements : demi-oscillation de la passerelle en 120 frames, du tronc en 179
TEST(PlateformesBalancees, PasserelleEtTroncSuiventLeurArc)
{
    SceneGraphique scene;
    scene.FixerTaille(100000, 4000);
    PlateformeMobilePasserelle pa(&scene, {2000.f, 300.f}, 10.f, {});
    EXPECT_EQ(pa.position, sf::Vector2f(1744.f, 300.f));
    EXPECT_EQ(pa.masque, 0x100);
    EXPECT_EQ(pa.Segments()[0]->Drapeaux(), 33);
    float ymax = 0.f;
    for (int i = 1; i <= 120; ++i)
    {
        pa.Integrer(Banc::DT);
        const sf::Vector2f d = pa.position - pa.Pivot();
        ASSERT_NEAR(std::sqrt(d.x * d.x + d.y * d.y), 256.f, 0.05f);
        ASSERT_GE(d.y, -0.01f); // toujours sous le pivot
        ymax = std::max(ymax, d.y);
        if (i == 60)
        {
            EXPECT_NEAR(d.x, 0.f, 8.f);
        }
    }
    EXPECT_NEAR(ymax, 256.f, 0.1f);
    EXPECT_NEAR(pa.position.x, 2256.f, 1.f);
    // tout l'arc est dans les bornes, à droite comme à gauche
    const sf::FloatRect c = pa.Encadrement();
    EXPECT_TRUE(c.contains(2000.f - 300.f, 310.f));
    EXPECT_TRUE(c.contains(2000.f + 300.f, 310.f));
    EXPECT_TRUE(c.contains(2000.f, 300.f + 256.f + 32.f));

    PlateformeMobileTronc tr(&scene, {3000.f, 600.f}, 10.f, {});
    EXPECT_FALSE(tr.Court());
    EXPECT_EQ(tr.Segments().size(), 8u);
    EXPECT_EQ(tr.position, sf::Vector2f(3000.f, 472.f));
    int frames = 0;
    float ymin = tr.position.y, ymaxT = tr.position.y;
    while (tr.Balancement().omega >= 0.f && frames < 400)
    {
        tr.Integrer(Banc::DT);
        ASSERT_EQ(tr.position.x, 3000.f);
        ymin = std::min(ymin, tr.position.y);
        ymaxT = std::max(ymaxT, tr.position.y);
        ++frames;
    }
    EXPECT_NEAR(frames, 179, 3);
    EXPECT_GE(ymin, 472.f - 0.01f);
    EXPECT_NEAR(ymaxT, 728.f, 0.1f);
    EXPECT_TRUE(tr.Encadrement().contains(3000.f, 600.f + 128.f + 120.f));
    PlateformeMobileTronc court(&scene, {3000.f, 600.f}, 10.f, {6.f});
    EXPECT_TRUE(court.Court());
    ASSERT_EQ(court.Segments().size(), 3u);
    EXPECT_EQ(court.Segments()[0]->A(), sf::Vector2f(2952.f, 344.f));
    PlateformeMobileTronc autre(&scene, {3000.f, 600.f}, 10.f, {5.f});
    EXPECT_FALSE(autre.Court());
}

// Sans durée de frame, pas de division par zéro : rien ne bouge, rien n'est porté
TEST(PlateformesBalancees, DureeNulleNeBougeRien)
{
    SceneGraphique scene;
    scene.FixerTaille(100000, 4000);
    PlateformeMobileMini m(&scene, {1000.f, 500.f}, 10.f, {1.f, 0.f, 0.f});
    PlateformeMobilePasserelle pa(&scene, {2000.f, 300.f}, 10.f, {});
    for (int i = 0; i < 10; ++i)
    {
        m.Integrer(Banc::DT);
        pa.Integrer(Banc::DT);
    }
    const sf::Vector2f pm = m.position, pp = pa.position;
    m.Integrer(0.f);
    pa.Integrer(0.f);
    EXPECT_EQ(m.position, pm);
    EXPECT_EQ(pa.position, pp);
    EXPECT_EQ(m.forceMoteur.norme, 0.f);
    EXPECT_TRUE(std::isfinite(m.Segments()[0]->A().x));
    EXPECT_TRUE(std::isfinite(pa.Segments()[0]->A().x));
}

TEST(PlateformeMobilePasserelle, LaChaineFinitSurLaPlateforme)
{
    SceneGraphique scene;
    scene.FixerTaille(100000, 4000);
    PlateformeMobilePasserelle pa(&scene, {2000.f, 300.f}, 10.f, {});
    for (int i = 0; i < 40; ++i)
        pa.Integrer(Banc::DT);
    sf::RenderTexture rt;
    ASSERT_TRUE(rt.create(16, 16));
    pa.Synchroniser();
    pa.Dessiner(rt);
    const sf::Vector2f maillon = pa.Sprites()[0]->Position();
    EXPECT_NEAR(maillon.x, pa.position.x, 0.01f);
    EXPECT_NEAR(maillon.y, pa.position.y, 0.01f);
    EXPECT_EQ(pa.Sprites()[1]->Position(), pa.Pivot());
    EXPECT_EQ(pa.Sprites()[2]->Position(), pa.position);
}

// Pont de 12 planches chargé en son milieu (u = 192, k = 6), sans passer par le héros
TEST(Pont, AffaissementDesPlanchesSelonLaCharge)
{
    Banc b;
    Pont pont(&b.scene, {1000.f, 500.f}, 10.f, {}, 2000301012);
    ASSERT_EQ(pont.Planches(), 12);
    EXPECT_EQ(pont.masque, 0x100);
    ASSERT_EQ(pont.Segments().size(), 2u);
    EXPECT_EQ(pont.Segments()[0]->A(), sf::Vector2f(808.f, 500.f));
    EXPECT_EQ(pont.Segments()[0]->B(), sf::Vector2f(1000.f, 524.f));
    EXPECT_EQ(pont.Segments()[1]->Drapeaux(), 61);
    ASSERT_EQ(pont.Sprites().size(), 14u);
    EXPECT_EQ(pont.Encadrement(), sf::FloatRect(744.f, 436.f, 512.f, 128.f));

    Heros& h = *b.heros;
    auto Charger = [&](sf::Vector2f point) {
        h.collision.indiceCapteur = 0; // pas de réaction du héros : seule la charge compte
        h.collision.point = point;
        pont.ContactHeros(&h);
        pont.Synchroniser();
        SourceTemps::Avancer(sf::seconds(0.01f));
        pont.Animer();
    };
    auto Y = [&](int i) { return pont.Sprites()[i]->Position().y - 500.f; };
    auto X = [&](int i) { return pont.Sprites()[i]->Position().x; };

    Charger({1000.f, 524.f});
    EXPECT_EQ(pont.Charge(), 192);
    // s = 24 ; puis la remontée d'un pixel de ce même passage : s = 23
    EXPECT_EQ(pont.Affaissement(), 23);
    EXPECT_EQ(X(0), 808.f);
    EXPECT_EQ(X(11), 1160.f);
    EXPECT_EQ(Y(0), 0.f);
    EXPECT_EQ(Y(11), 0.f);
    EXPECT_EQ(Y(6), 24.f - 1.f);
    const int gauche[] = {0, 4, 9, 14, 19, 24};  // 24·j/5
    const int droite[] = {0, 19, 14, 9, 4};      // planches 7 à 10 : 24·(11 − j)/5, symétrique
    for (int j = 1; j <= 5; ++j)
        EXPECT_EQ(Y(j), float(gauche[j] > 1 ? gauche[j] - 1 : gauche[j])) << "planche " << j;
    for (int j = 7; j <= 10; ++j)
        EXPECT_EQ(Y(j), float(droite[j - 6] - 1)) << "planche " << j;
    // les poteaux ne bougent pas
    EXPECT_EQ(pont.Sprites()[12]->Position(), sf::Vector2f(1000.f, 500.f));

    // sans charge : un pixel de moins par centième de seconde, deux par frame de 0,02 s
    for (int i = 0; i < 5; ++i)
    {
        pont.Synchroniser();
        SourceTemps::Avancer(sf::seconds(0.02f));
        pont.Animer();
    }
    EXPECT_EQ(pont.Affaissement(), 13);
    EXPECT_EQ(Y(6), 13.f);

    // charge au bord (u < 32) ou sur la dernière planche (k ≥ c − 1) : rien ne ploie, s décroît
    for (float x : {808.f + 10.f, 808.f + 11.f * 32.f + 5.f})
    {
        Charger({x, 510.f});
        EXPECT_EQ(pont.Affaissement(), 9);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(Y(i), 0.f) << "planche " << i;
    }
}

TEST(Pont, PloieSousLeHerosEtSeRedresseQuandIlPart)
{
    Banc b(0, {1040.f, 300.f});
    auto* pont = Poser(b, new Pont(&b.scene, {1000.f, 500.f}, 10.f, {}, 2000301012));
    b.Sol(700.f);
    Heros& h = *b.heros;
    ASSERT_TRUE(::Poser(b));
    ASSERT_TRUE(PoseSur(h, *pont));
    Etapes(b, 30, [&] { h.SansDirection(); h.SautRelache(); });
    ASSERT_TRUE(PoseSur(h, *pont));
    // la planche la plus basse est celle sous le héros
    int plusBasse = 0;
    for (int i = 0; i < 12; ++i)
        if (pont->Sprites()[i]->Position().y > pont->Sprites()[plusBasse]->Position().y)
            plusBasse = i;
    const float gauche = pont->Sprites()[plusBasse]->Position().x;
    EXPECT_LE(gauche, h.position.x);
    EXPECT_GT(gauche + 32.f, h.position.x);
    EXPECT_GT(pont->Affaissement(), 5);
    EXPECT_NEAR(pont->Sprites()[plusBasse]->Position().y, h.position.y + 30.f, 4.f);

    // le héros s'en va par un saut : s revient à 0 d'un pixel par centième de seconde
    Etape(b, [&] { h.SautMaintenu(); });
    const int s = pont->Affaissement();
    Etapes(b, s + 2);
    ASSERT_EQ(h.sol, nullptr);
    EXPECT_EQ(pont->Affaissement(), 0);
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(pont->Sprites()[i]->Position().y, 500.f, 1.f);
}

TEST(Pont, GenreInconnuSansPlanche)
{
    Banc b;
    Pont pont(&b.scene, {1000.f, 500.f}, 10.f, {}, 2000301010);
    EXPECT_EQ(pont.Planches(), 0);
    EXPECT_EQ(pont.Sprites().size(), 2u);
    pont.Synchroniser();
    pont.Animer();
}

// Bloc instable : touché à t = 0, il s'effondre à la première image après 0,15 s
TEST(PlateformeMobileInstable, SEffondreApresUnDelaiPuisNeRetientPlusRien)
{
    Banc b(0, {1000.f, 300.f});
    auto* bloc = Poser(b, new PlateformeMobileInstable(&b.scene, {1000.f, 500.f}, 10.f, {}));
    EXPECT_EQ(bloc->masque, 0x100);
    EXPECT_EQ(bloc->masse, 100.f);
    ASSERT_EQ(bloc->Segments().size(), 1u);
    EXPECT_EQ(bloc->Segments()[0]->A(), sf::Vector2f(984.f, 436.f));
    Heros& h = *b.heros;
    ASSERT_TRUE(::Poser(b));
    ASSERT_TRUE(PoseSur(h, *bloc));
    ASSERT_EQ(bloc->Etat(), 1);
    // le compteur part du contact ; Animer seul, l'horloge avancée à la main
    SourceTemps::Avancer(sf::seconds(0.13f));
    bloc->Animer();
    EXPECT_EQ(bloc->Etat(), 1);
    ASSERT_EQ(bloc->Segments().size(), 1u);
    EXPECT_EQ(bloc->Segments()[0]->Drapeaux(), 41);
    SourceTemps::Avancer(sf::seconds(0.03f));
    bloc->Animer();
    ASSERT_EQ(bloc->Etat(), 9);
    EXPECT_FALSE(bloc->fige);
    EXPECT_EQ(bloc->masque, 0);
    ASSERT_EQ(bloc->Segments().size(), 1u);
    EXPECT_EQ(bloc->Segments()[0]->Drapeaux(), 8);
    EXPECT_EQ(bloc->Segments()[0]->A(), sf::Vector2f(872.f, 436.f));
    EXPECT_EQ(bloc->Segments()[0]->B(), sf::Vector2f(1128.f, 436.f));
    // le héros qui s'y tenait n'est plus posé sur rien
    EXPECT_EQ(h.sol, nullptr);

    // il tombe, le héros n'est plus porté
    Etapes(b, 60, [&] { h.SansDirection(); });
    EXPECT_GT(bloc->position.y, 600.f);
    EXPECT_EQ(h.sol, nullptr);
    EXPECT_GT(h.position.y, 500.f);
}

TEST(PlateformeInvisible, VueSeulementQuandOnSeTientDessus)
{
    Banc b(0, {1000.f, 300.f});
    auto* p = Poser(b, new PlateformeInvisible(&b.scene, {1000.f, 500.f}, 10.f, {}));
    EXPECT_EQ(p->masque, 0x100);
    ASSERT_EQ(p->Segments().size(), 1u);
    EXPECT_EQ(p->Segments()[0]->Drapeaux(), 9);
    auto Alpha = [&] { return p->Sprites()[0]->SpriteSFML().getColor().a; };
    SourceTemps::Avancer(sf::seconds(0.3f));
    p->Animer();
    EXPECT_EQ(Alpha(), 0);

    Heros& h = *b.heros;
    ASSERT_TRUE(::Poser(b));
    ASSERT_TRUE(PoseSur(h, *p));
    EXPECT_NEAR(h.position.y, 436.f - 30.05f, 0.1f);
    Etapes(b, 60, [&] { h.SansDirection(); h.SautRelache(); });
    EXPECT_EQ(Alpha(), 255);
    EXPECT_TRUE(PoseSur(h, *p));

    // le héros saute : encore visible 0,25 s, puis plus
    Etape(b, [&] { h.SautMaintenu(); });
    ASSERT_EQ(h.sol, nullptr);
    Etapes(b, 13);
    EXPECT_EQ(Alpha(), 255);
    Etapes(b, 3);
    EXPECT_EQ(Alpha(), 0);
}

// Un pont de plates-formes invisibles au-dessus du vide : le héros qui court en sort par le bout
// et tombe, de chaque côté, au lieu de courir sur l'air à la hauteur du pont
TEST(PlateformeInvisible, AuBoutDuPontLeHerosTombe)
{
    for (int choix : {0, 1})
        for (bool versDroite : {true, false})
        {
            Banc b(choix, {1064.f, 300.f});
            for (int i = 0; i < 8; ++i)
                Poser(b, new PlateformeInvisible(&b.scene, {1000.f + 16.f * float(i), 500.f}, 10.f, {}));
            Heros& h = *b.heros;
            ASSERT_TRUE(::Poser(b)) << choix;
            const float y = h.position.y;
            float xFin = 0.f;
            for (int i = 0; i < 240; ++i)
            {
                Etape(b, [&] {
                    versDroite ? h.Droite() : h.Gauche();
                    h.SautRelache();
                });
                if (h.sol)
                    xFin = h.position.x;
            }
            // le pont va de 992 à 1128 : plus de sol au-delà d'un rayon, et le héros est tombé
            EXPECT_GT(xFin, 950.f) << choix << versDroite;
            EXPECT_LT(xFin, 1170.f) << choix << versDroite;
            EXPECT_GT(h.position.y, y + 500.f) << choix << versDroite;
        }
}

// Sur l'ascenseur (course de 512 px), le héros saute sans arrêt : qu'elle monte ou descende, il
// retombe sur la plate-forme et jamais au travers
TEST(PlateformeMobileMini, SautsSurLAscenseurOnRetombeDessus)
{
    Banc b(0, {1000.f, 300.f});
    auto* m = Poser(b, new PlateformeMobileMini(&b.scene, {1000.f, 900.f}, 10.f, {0.f, 4.f, 0.f}));
    Heros& h = *b.heros;
    ASSERT_TRUE(::Poser(b, 600));
    ASSERT_TRUE(PoseSur(h, *m));
    int sauts = 0, auTravers = 0, enMontant = 0;
    float yAvant = m->position.y;
    for (int i = 0; i < 1200; ++i)
    {
        const bool sauter = h.sol && i % 7 == 0;
        if (sauter)
        {
            ++sauts;
            enMontant += m->position.y < yAvant;
        }
        yAvant = m->position.y;
        Etape(b, [&] {
            h.SansDirection();
            sauter ? h.SautMaintenu() : h.SautRelache();
        });
        if (h.position.y > m->position.y + 8.f)
            ++auTravers;
    }
    EXPECT_GT(sauts, 10);
    EXPECT_GT(enMontant, 3);
    EXPECT_EQ(auTravers, 0);
    EXPECT_TRUE(PoseSur(h, *m) || !h.sol);
}
