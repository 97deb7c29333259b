#include "engine/GestionnaireAudio.h"
#include "engine/GestionnaireTextures.h"
#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "engine/SourceTemps.h"
#include "game/Camera.h"
#include "game/SceneGraphique.h"
#include "objects/BassinEau.h"
#include "objects/SurfaceEau.h"
#include "physics/Segment.h"
#include "scene/BaleineBleu.h"
#include "scene/Cascade.h"
#include "scene/Corail.h"
#include "scene/Rocher.h"
#include "scene/Sprite.h"
#include "scene/Zone_0.h"
#include "scene/Zone_1.h"
#include "scene/Zone_2.h"
#include "screens/Ecran.h"

#include <QFile>

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace
{
// Scène du titre : mer à 486, caméra sans fenêtre
struct Monde
{
    Monde()
    {
        scene.FixerNiveauEau(486);
        camera.Lier(&scene);
    }
    SceneGraphique scene;
    Camera camera{nullptr};
};

float Ecart(const Zone& z, int k, float ref)
{
    return z.Vues()[k].getCenter().x - ref;
}

int SurfacesInscrites()
{
    int n = 0;
    for (EntiteGraphique* e : MoteurGraphique::Instance()->ListeFrame())
        n += dynamic_cast<SurfaceEau*>(e) != nullptr;
    return n;
}
} // namespace

TEST(Zones, ParallaxeDesVuesDeLaZone1)
{
    Monde m;
    Zone_1 z(&m.scene);
    const sf::Vector2f ref = z.Reference();
    EXPECT_EQ(ref, sf::Vector2f(320.f, 470.f));
    ASSERT_EQ(z.Vues().size(), 24u);
    EXPECT_EQ(z.Sprites().size(), std::size_t(Zone_1::NOMBRE_PLANS));

    m.camera.Centrer(ref);
    z.Animer();
    for (const sf::View& v : z.Vues())
        EXPECT_EQ(v.getCenter(), ref);

    m.camera.Centrer(ref + sf::Vector2f(110.f, 0.f));
    z.Animer();
    EXPECT_EQ(Ecart(z, 0, ref.x), 110.f);
    EXPECT_EQ(Ecart(z, 1, ref.x), 100.f);
    EXPECT_EQ(Ecart(z, 2, ref.x), 91.f);
    EXPECT_EQ(Ecart(z, 23, ref.x), 12.f);
    for (int k = 1; k < 24; ++k)
        EXPECT_LE(Ecart(z, k, ref.x), Ecart(z, k - 1, ref.x)) << k;

    // vers le haut et à gauche : arrondi loin de zéro, vues toujours 640 × 480
    m.camera.Centrer(sf::Vector2f(320.f - 11.f, 470.f - 230.f));
    z.Animer();
    EXPECT_EQ(z.Vues()[1].getCenter(), sf::Vector2f(310.f, 261.f));
    EXPECT_EQ(z.Vues()[9].getCenter(), sf::Vector2f(315.f, 372.f));
    EXPECT_EQ(z.Vues()[9].getSize(), sf::Vector2f(640.f, 480.f));
}

TEST(Zones, ParallaxeDesAutresZones)
{
    Monde m;
    m.scene.FixerTaille(4000, 2001);
    Zone_2 z2(&m.scene);
    // référence au milieu de la scène, en entiers
    EXPECT_EQ(z2.Reference(), sf::Vector2f(2000.f, 1000.f));
    m.camera.Centrer(z2.Reference() + sf::Vector2f(110.f, -110.f));
    z2.Animer();
    EXPECT_EQ(Ecart(z2, 1, 2000.f), 88.f);
    EXPECT_EQ(z2.Vues()[1].getCenter().y, 912.f);
    EXPECT_EQ(Ecart(z2, 21, 2000.f), 1.f);

    Zone_0 z0(&m.scene);
    EXPECT_FLOAT_EQ(z0.Facteur(), 1.1f);
    m.camera.Centrer(z0.Reference() + sf::Vector2f(110.f, 0.f));
    z0.Animer();
    EXPECT_EQ(Ecart(z0, 1, z0.Reference().x), 100.f);
    MoteurAudio::Instance()->ArreterTout();
}

TEST(Zones, LesPlansSuiventLeurVueMemeApresUnSaut)
{
    Monde m;
    Zone_1 z(&m.scene);
    for (float x : {320.f, 5000.f, 15000.f, 700.f, 320.f})
    {
        m.camera.Centrer(sf::Vector2f(x, 240.f));
        z.Animer();
        for (const Sprite* s : z.Sprites())
        {
            const sf::View* v = static_cast<const sf::View*>(s->Donnee());
            ASSERT_NE(v, nullptr);
            const sf::FloatRect b = s->SpriteSFML().getGlobalBounds();
            if (b.width <= 0.f)
                continue; // image absente
            EXPECT_LE(b.left, v->getCenter().x) << x;
            EXPECT_GE(b.left + b.width, v->getCenter().x) << x;
        }
    }
}

TEST(Zones, DessinDeLaZone1SansImages)
{
    // plans transparents : seuls le ciel et la mer pleine se voient
    const char* plans[] = {"eau.png", "plan_1.png", "plan_2.png", "nuages.png"};
    std::vector<sf::Image> anciennes;
    for (const char* nom : plans)
    {
        const std::string chemin = std::string("data/png/game/zones/1/background/") + nom;
        const sf::Texture& t = GestionnaireTextures::Instance()->Texture(chemin);
        anciennes.push_back(t.copyToImage());
        sf::Image vide;
        vide.create(std::max(1u, t.getSize().x), std::max(1u, t.getSize().y), sf::Color::Transparent);
        ASSERT_TRUE(GestionnaireTextures::Instance()->Remplacer(chemin, vide));
    }
    Monde m;
    Zone_1 z(&m.scene);
    // la mer pleine est de la taille de la scène, sous l'horizon de la vue 10
    EXPECT_EQ(z.RectangleEau().getSize(), sf::Vector2f(16384.f, 16384.f));
    EXPECT_EQ(z.RectangleEau().getPosition(), sf::Vector2f(0.f, 498.f));
    m.camera.Centrer(sf::Vector2f(1280.f, 240.f));
    sf::RenderTexture rt;
    ASSERT_TRUE(rt.create(640, 480));
    z.Animer();
    z.Dessiner(rt);
    rt.display();
    // la vue 10 est centrée en y sur 381 : la mer commence à 498 - 141 = 357
    const sf::Image img = rt.getTexture().copyToImage();
    EXPECT_EQ(img.getPixel(5, 100), sf::Color(0, 96, 255));
    EXPECT_EQ(img.getPixel(5, 470), sf::Color(0, 128, 255));
    EXPECT_EQ(img.getPixel(5, 356), sf::Color(0, 96, 255));
    EXPECT_EQ(img.getPixel(5, 358), sf::Color(0, 128, 255));
    // la vue de la caméra est rendue à la cible
    EXPECT_EQ(rt.getView().getCenter(), sf::Vector2f(1280.f, 240.f));
    for (std::size_t i = 0; i < anciennes.size(); ++i)
        GestionnaireTextures::Instance()->Remplacer(std::string("data/png/game/zones/1/background/") + plans[i],
                                                    anciennes[i]);
}

// Les musiques réelles sont lues depuis data/ (dossier de travail des tests : la racine)
TEST(Zones, MusiqueSeulementDansLeJeu)
{
    if (!QFile::exists("data/ogg/musics/zone_1.ogg"))
        GTEST_SKIP() << "données non générées";
    MoteurAudio* audio = MoteurAudio::Instance();
    audio->ArreterTout();
    Monde m;
    Ecran::DemanderEcran(1);
    {
        Zone_1 titre(&m.scene);
        EXPECT_TRUE(audio->Pile().empty());
    }
    Ecran::DemanderEcran(5);
    {
        Zone_1 jeu(&m.scene);
        ASSERT_EQ(audio->Pile().size(), 1u);
        sf::Music* zone1 = GestionnaireAudio::Instance()->Musique("data/ogg/musics/zone_1.ogg", true);
        EXPECT_EQ(audio->Pile().back(), zone1);
        EXPECT_TRUE(zone1->getLoop());
        // une seconde zone 1 ne relance pas la musique déjà jouée
        Zone_1 encore(&m.scene);
        EXPECT_EQ(audio->Pile().size(), 1u);
    }
    audio->ArreterTout();
    {
        Zone_2 z2(&m.scene);
        ASSERT_EQ(audio->Pile().size(), 1u);
        EXPECT_EQ(audio->Pile().back(), GestionnaireAudio::Instance()->Musique("data/ogg/musics/zone_2.ogg", true));
        Zone_0 z0(&m.scene);
        EXPECT_EQ(audio->Pile().back(), GestionnaireAudio::Instance()->Musique("data/ogg/musics/no_world.ogg", true));
    }
    audio->ArreterTout();
    Ecran::DemanderEcran(-1);
}

TEST(Decors, CascadeEnCases)
{
    // planche opaque : chaque case dessinée se voit
    sf::Texture& t = GestionnaireTextures::Instance()->Texture("data/png/game/zones/1/decors/cascade.png");
    const sf::Texture ancienne = t;
    sf::Image plein;
    plein.create(512, 256, sf::Color::White);
    ASSERT_TRUE(t.loadFromImage(plein));

    const sf::Vector2f p(64.f + 10.f, 128.f + 20.f);
    Cascade c(nullptr, p, 3.f, {2.f, 3.f});
    EXPECT_EQ(c.Encadrement(), sf::FloatRect(10.f, 20.f, 256.f, 768.f));
    EXPECT_TRUE(c.Segments().empty());

    sf::RenderTexture rt;
    ASSERT_TRUE(rt.create(300, 820));
    rt.clear(sf::Color::Transparent);
    c.Synchroniser();
    c.Animer();
    c.Dessiner(rt);
    rt.display();
    const sf::Image img = rt.getTexture().copyToImage();
    // six cases jointives de (10, 20) à (266, 788), rien autour
    for (unsigned x : {11u, 138u, 265u})
        for (unsigned y : {21u, 275u, 531u, 787u})
            EXPECT_EQ(img.getPixel(x, y).a, 255) << x << "," << y;
    for (sf::Vector2u hors : {sf::Vector2u(9, 400), sf::Vector2u(267, 400), sf::Vector2u(100, 19),
                              sf::Vector2u(100, 789)})
        EXPECT_EQ(img.getPixel(hors.x, hors.y).a, 0) << hors.x << "," << hors.y;
    // le sprite revient à l'ancre après le dessin
    EXPECT_EQ(c.Sprites()[0]->Position(), p);

    // paramètres absents, nuls ou démesurés
    Cascade seule(nullptr, p, 3.f, {});
    EXPECT_EQ(seule.Colonnes() * seule.Rangees(), 1);
    Cascade vide(nullptr, p, 3.f, {0.f, 3.f});
    EXPECT_EQ(vide.Colonnes(), 0);
    Cascade enorme(nullptr, p, 3.f, {1e9f, -4.f});
    EXPECT_EQ(enorme.Colonnes(), Cascade::CASES_MAX);
    EXPECT_EQ(enorme.Rangees(), 0);
    t = ancienne;
}

TEST(Decors, RocherEtCorail)
{
    const sf::Vector2f p(500.f, 300.f);
    Rocher r(nullptr, p, 2.f, {});
    ASSERT_EQ(r.Segments().size(), 6u);
    // contour fermé, 64 × 92, solide de tous côtés
    float gauche = 1e9f, droite = -1e9f, haut = 1e9f, bas = -1e9f;
    for (std::size_t i = 0; i < 6; ++i)
    {
        const Segment* s = r.Segments()[i];
        EXPECT_EQ(s->Drapeaux(), 125);
        EXPECT_EQ(s->B(), r.Segments()[(i + 1) % 6]->A());
        gauche = std::min(gauche, s->A().x);
        droite = std::max(droite, s->A().x);
        haut = std::min(haut, s->A().y);
        bas = std::max(bas, s->A().y);
    }
    EXPECT_EQ(sf::FloatRect(gauche, haut, droite - gauche, bas - haut), sf::FloatRect(468.f, 256.f, 64.f, 92.f));
    EXPECT_EQ(r.Sprites()[0]->SpriteSFML().getOrigin(), sf::Vector2f(46.f, 47.f));

    Corail teinte(nullptr, p, 1.f, {300.f, -5.f, 128.7f});
    EXPECT_EQ(teinte.Sprites()[0]->SpriteSFML().getColor(), sf::Color(255, 0, 128, 255));
    Corail deux(nullptr, p, 1.f, {10.f, 20.f});
    EXPECT_EQ(deux.Sprites()[0]->SpriteSFML().getColor(), sf::Color::White);
    Corail quatre(nullptr, p, 1.f, {10.f, 20.f, 30.f, 40.f});
    EXPECT_EQ(quatre.Sprites()[0]->SpriteSFML().getColor(), sf::Color::White);
    BaleineBleu b(nullptr, p, 1.f, {});
    EXPECT_EQ(b.Sprites()[0]->SpriteSFML().getOrigin(), sf::Vector2f(384.f, 64.f));
}

TEST(Decors, BassinNiveauSurfacesEtLignes)
{
    SceneGraphique scene;
    const int avant = SurfacesInscrites();
    const sf::Vector2f p(160.f, 800.f);
    BassinEau* b = new BassinEau(&scene, p, 1.f, {3.f, 2.f});
    EXPECT_EQ(scene.NiveauEau(), 768);
    EXPECT_EQ(b->Encadrement(), sf::FloatRect(128.f, 768.f, 192.f, 128.f));
    ASSERT_EQ(b->Segments().size(), 3u);
    EXPECT_EQ(b->Segments()[0]->Drapeaux(), SEG_CONTINUITE);
    EXPECT_EQ(b->Segments()[0]->A(), sf::Vector2f(128.f, 768.f));
    EXPECT_EQ(b->Segments()[0]->B(), sf::Vector2f(320.f, 768.f));
    // entrée 32 sous la surface, de gauche à droite ; sortie 32 au-dessus, de droite à gauche
    EXPECT_EQ(b->Segments()[1]->Drapeaux(), SEG_SOL | SEG_CAPTEUR);
    EXPECT_EQ(b->Segments()[1]->A(), sf::Vector2f(96.f, 800.f));
    EXPECT_EQ(b->Segments()[1]->B(), sf::Vector2f(352.f, 800.f));
    EXPECT_EQ(b->Segments()[2]->A(), sf::Vector2f(352.f, 736.f));
    EXPECT_EQ(b->Segments()[2]->B(), sf::Vector2f(96.f, 736.f));
    // l'image est étirée sur les 3 × 2 cases
    const Sprite* s = b->Sprites()[0];
    EXPECT_EQ(s->SpriteSFML().getScale(), sf::Vector2f(3.f, 2.f));
    EXPECT_EQ(s->SpriteSFML().getOrigin(), sf::Vector2f(32.f / 3.f, 16.f));
    // une surface par colonne, confiée à la scène
    EXPECT_EQ(SurfacesInscrites() - avant, 3);
    scene.AjouterElement(b);
    scene.Vider();
    EXPECT_EQ(SurfacesInscrites(), avant);

    // paramètres hostiles : bornés, jamais de division par zéro
    BassinEau plat(&scene, p, 1.f, {0.f, -1.f});
    EXPECT_EQ(plat.Largeur(), 1);
    EXPECT_EQ(plat.Hauteur(), 1);
    BassinEau immense(nullptr, p, 1.f, {1e12f, 1.f});
    EXPECT_EQ(immense.Largeur(), BassinEau::CASES_MAX);
    BassinEau perdu(&scene, sf::Vector2f(0.f, std::nanf("")), 1.f, {1.f, 1.f});
    EXPECT_EQ(scene.NiveauEau(), 768);
    scene.Vider();
}

TEST(Zones, LaMerScintilleEtLesNuagesDerivent)
{
    SourceTemps::Manuel(true);
    {
        Monde m;
        Zone_1 z(&m.scene);
        m.camera.Centrer(z.Reference());
        z.Animer();
        std::vector<float> x0;
        for (const Sprite* s : z.Sprites())
            x0.push_back(s->Position().x);
        // glissement vers la gauche, à une largeur de plan près
        auto Recul = [&](int i) {
            const float w = z.Sprites()[i]->SpriteSFML().getGlobalBounds().width;
            const float d = std::fmod(x0[i] - z.Sprites()[i]->Position().x + 10.f * w, w);
            return d > w - 0.01f ? d - w : d;
        };
        SourceTemps::Avancer(sf::seconds(0.03f));
        z.Animer();
        EXPECT_NEAR(Recul(0), 0.05f * std::pow(1.1f, 45.f), 1e-3f);
        EXPECT_NEAR(Recul(10), 0.05f * std::pow(1.1f, 5.f), 1e-3f);
        EXPECT_NEAR(Recul(9), 0.f, 1e-3f);  // la terre ne glisse pas
        EXPECT_NEAR(Recul(12), 0.f, 1e-3f); // nuages : pas encore 0,05 s
        EXPECT_EQ(z.Sprites()[0]->SpriteSFML().getTextureRect(), sf::IntRect(0, 93, 256, 16));

        SourceTemps::Avancer(sf::seconds(0.08f));
        z.Animer();
        EXPECT_NEAR(Recul(12), 2.f * std::pow(1.1f, -3.f), 1e-3f);
        EXPECT_NEAR(Recul(15), 2.f * std::pow(1.1f, -15.f), 1e-3f);
        // les bandes de mer passent à l'image suivante sur leur propre rangée
        EXPECT_EQ(z.Sprites()[0]->SpriteSFML().getTextureRect(), sf::IntRect(256, 93, 256, 16));
        EXPECT_EQ(z.Sprites()[8]->SpriteSFML().getTextureRect(), sf::IntRect(256, 8, 256, 14));
        // la terre lointaine anime ses rangées
        EXPECT_EQ(z.Sprites()[9]->SpriteSFML().getTextureRect(), sf::IntRect(0, 48, 1792, 48));
    }
    SourceTemps::Manuel(false);
}
