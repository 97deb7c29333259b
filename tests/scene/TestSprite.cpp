#include "engine/GestionnaireTextures.h"
#include "engine/SourceTemps.h"
#include "scene/Sprite.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>
#include <cstring>

namespace
{
// Planche blanche de 4 × 4 cases de 8 pixels, rangée dans le cache sous un faux chemin
const std::string& Planche()
{
    static const std::string chemin = "essais/planche_blanche.png";
    if (GestionnaireTextures::Instance()->Texture(chemin).getSize().x == 0)
    {
        sf::Image image;
        image.create(32, 32, sf::Color::White);
        GestionnaireTextures::Instance()->Texture(chemin).loadFromImage(image);
    }
    return chemin;
}

void Avancer(float s)
{
    SourceTemps::Avancer(sf::seconds(s));
}
}

class SpriteTest : public ::testing::Test
{
protected:
    void SetUp() override { SourceTemps::Manuel(true); }
    void TearDown() override { SourceTemps::Manuel(false); }
};

TEST_F(SpriteTest, AnimationEnLigneBoucleEtFin)
{
    Sprite s(Planche(), 8, 8, {4.f, 4.f});
    EXPECT_EQ(s.SpriteSFML().getTextureRect(), sf::IntRect(0, 0, 8, 8));
    EXPECT_FALSE(s.AnimerLigne(1, 0, 2, 0.1f, true));
    EXPECT_EQ(s.LigneCourante(), 1); // autre ligne : repart de la première case
    EXPECT_EQ(s.ColonneCourante(), 0);
    Avancer(0.05f);
    s.AnimerLigne(1, 0, 2, 0.1f, true);
    EXPECT_EQ(s.ColonneCourante(), 0);
    for (int attendu : {1, 2, 0, 1})
    {
        Avancer(0.11f);
        EXPECT_FALSE(s.AnimerLigne(1, 0, 2, 0.1f, true));
        EXPECT_EQ(s.ColonneCourante(), attendu);
    }
    // Sans boucle : la dernière case reste, puis fin signalée
    Avancer(0.11f);
    s.AnimerLigne(1, 0, 2, 0.1f, false);
    EXPECT_EQ(s.ColonneCourante(), 2);
    Avancer(0.05f);
    EXPECT_FALSE(s.AnimerLigne(1, 0, 2, 0.1f, false));
    Avancer(0.06f);
    EXPECT_TRUE(s.AnimerLigne(1, 0, 2, 0.1f, false));
    EXPECT_EQ(s.ColonneCourante(), 2);
    EXPECT_EQ(s.LigneCourante(), 1);

    // Redemarrer : la séquence reprend à sa première case
    s.Redemarrer();
    s.AnimerLigne(1, 0, 2, 0.1f, false);
    EXPECT_EQ(s.ColonneCourante(), 0);
    // Ligne −1 : la ligne affichée
    Avancer(0.11f);
    s.AnimerLigne(-1, 0, 2, 0.1f, true);
    EXPECT_EQ(s.LigneCourante(), 1);
    EXPECT_EQ(s.ColonneCourante(), 1);
}

TEST_F(SpriteTest, SequenceDUneCaseEtColonnes)
{
    Sprite s(Planche(), 8, 8, {0.f, 0.f});
    for (int i = 0; i < 5; ++i)
    {
        Avancer(1.f);
        EXPECT_FALSE(s.AnimerLigne(2, 3, 3, 0.1f, false));
        EXPECT_EQ(s.SpriteSFML().getTextureRect(), sf::IntRect(24, 16, 8, 8));
    }
    s.AnimerColonne(1, 1, 3, 0.1f, false);
    EXPECT_EQ(s.SpriteSFML().getTextureRect(), sf::IntRect(8, 8, 8, 8));
    Avancer(0.11f);
    s.AnimerColonne(1, 1, 3, 0.1f, false);
    EXPECT_EQ(s.LigneCourante(), 2);
    Avancer(0.11f);
    s.AnimerColonne(1, 1, 3, 0.1f, false);
    Avancer(0.11f);
    EXPECT_TRUE(s.AnimerColonne(1, 1, 3, 0.1f, false));
    EXPECT_EQ(s.LigneCourante(), 3);
}

TEST_F(SpriteTest, ImageEntiereMiroirRotationEtDossierDeZone)
{
    Sprite entier(Planche(), 0, 0, {0.f, 0.f});
    EXPECT_EQ(entier.SpriteSFML().getTextureRect(), sf::IntRect(0, 0, 32, 32));
    EXPECT_EQ(entier.LigneCourante(), 0); // pas de division par une case nulle
    entier.AnimerLigne(0, 0, 3, 0.1f, true);

    entier.FixerEchelle(2.f, 3.f);
    entier.Miroir(true);
    EXPECT_EQ(entier.SpriteSFML().getScale(), sf::Vector2f(-2.f, 3.f));
    entier.Miroir(true);
    EXPECT_EQ(entier.SpriteSFML().getScale().x, -2.f);
    entier.Miroir(false);
    entier.MiroirVertical(true);
    EXPECT_EQ(entier.SpriteSFML().getScale(), sf::Vector2f(2.f, -3.f));
    entier.FixerRotation(90.f);
    EXPECT_FLOAT_EQ(entier.Rotation(), 270.f);
    entier.Tourner(45.f);
    EXPECT_FLOAT_EQ(entier.Rotation(), 315.f);

    const std::string ancien = Sprite::DossierZone();
    EXPECT_EQ(ancien, "data/png/game/zones/1/");
    Sprite::FixerDossierZone("essais/zone7/");
    Sprite z("arbre.png", 0, 0, {0.f, 0.f}, true);
    EXPECT_TRUE(GestionnaireTextures::Instance()->Contient("essais/zone7/arbre.png"));
    Sprite::FixerDossierZone(ancien);
}

TEST_F(SpriteTest, ClignotementCacheLePremierTiersDeChaquePeriode)
{
    sf::RenderTexture cible;
    ASSERT_TRUE(cible.create(16, 16));
    Sprite s(Planche(), 8, 8, {0.f, 0.f});
    auto Visible = [&]() {
        cible.clear(sf::Color::Black);
        s.Dessiner(cible);
        cible.display();
        return cible.getTexture().copyToImage().getPixel(2, 2) == sf::Color::White;
    };
    // Sprite neuf : dessiné tout de suite
    EXPECT_FALSE(s.EnClignotement());
    EXPECT_TRUE(Visible());

    s.Clignoter(1.f);
    EXPECT_TRUE(s.EnClignotement());
    EXPECT_FALSE(Visible());
    Avancer(0.08f);
    EXPECT_TRUE(Visible());
    Avancer(0.08f); // 0,16 s : dessiné puis nouvelle période
    EXPECT_TRUE(Visible());
    Avancer(0.01f);
    EXPECT_FALSE(Visible());
    Avancer(1.f);
    EXPECT_FALSE(s.EnClignotement());
    EXPECT_TRUE(Visible());

    s.Clignoter(-1.f);
    Avancer(100.f);
    EXPECT_TRUE(s.EnClignotement());
}

// Une planche surtout transparente se trace par ses parties visibles : beaucoup moins de pixels
// couverts, et exactement la même image que le sprite entier, quels que soient la case, l'échelle,
// le miroir, la rotation ou la couleur
TEST(SpriteVisible, MemeImageQueLeTraceEntierAvecMoinsDePixels)
{
    QTemporaryDir dossier;
    sf::Image planche;
    planche.create(96, 64, sf::Color::Transparent);
    for (unsigned y = 3; y < 14; ++y)
        for (unsigned x = 5; x < 20; ++x)
            planche.setPixel(x, y, sf::Color(255, sf::Uint8(x * 13), sf::Uint8(y * 17))); // un texel décalé se verrait
    for (unsigned y = 20; y < 31; ++y)
        for (unsigned x = 52; x < 90; ++x)
            planche.setPixel(x, y, sf::Color(0, 255, 0, 128));
    planche.setPixel(95, 63, sf::Color(0, 0, 255, 1));
    // case (1, 1) : un bloc opaque de deux carreaux sur deux, bordé d'une frange translucide
    for (unsigned y = 32; y < 64; ++y)
        for (unsigned x = 48; x < 84; ++x)
            planche.setPixel(x, y, sf::Color(sf::Uint8(x * 7), sf::Uint8(y * 5), 90, x < 80 ? 255 : 100));
    const std::string chemin = dossier.path().toStdString() + "/planche.png";
    ASSERT_TRUE(planche.saveToFile(chemin));

    sf::RenderTexture a, b;
    ASSERT_TRUE(a.create(200, 150) && b.create(200, 150));
    Sprite s(chemin, 48, 32, sf::Vector2f(10.f, 7.f));
    GestionnaireTextures* g = GestionnaireTextures::Instance();
    const sf::Texture* t = s.SpriteSFML().getTexture();
    // case (0, 0) : un bloc dans un coin ; case (1, 0) : rien ; hors de l'image : tracé entier
    auto aire = [](const std::vector<sf::Vertex>& m) {
        float a = 0.f;
        for (std::size_t i = 0; i + 2 < m.size(); i += 3)
        {
            const sf::Vector2f u = m[i + 1].position - m[i].position, v = m[i + 2].position - m[i].position;
            a += std::fabs(u.x * v.y - u.y * v.x) / 2.f;
        }
        return a;
    };
    const GestionnaireTextures::Maille* m = g->Maillage(t, sf::IntRect(0, 0, 48, 32));
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->opaques.empty());
    EXPECT_LT(aire(m->translucides), 48.f * 32.f / 2.f);
    ASSERT_NE(g->Maillage(t, sf::IntRect(0, 32, 48, 32)), nullptr);
    EXPECT_TRUE(g->Maillage(t, sf::IntRect(0, 32, 48, 32))->opaques.empty());
    EXPECT_TRUE(g->Maillage(t, sf::IntRect(0, 32, 48, 32))->translucides.empty());
    EXPECT_EQ(g->Maillage(t, sf::IntRect(60, 40, 48, 32)), nullptr);
    // les carreaux pleins à part, la frange et le carreau du pixel presque transparent avec les autres
    m = g->Maillage(t, sf::IntRect(48, 32, 48, 32));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(aire(m->opaques), 32.f * 32.f);
    EXPECT_EQ(aire(m->translucides), 16.f * 32.f);

    int essais = 0;
    for (int ligne : {0, 1})
        for (int colonne : {0, 1})
            for (int variante = 0; variante < 4; ++variante)
            {
                s.FixerImage(ligne, colonne);
                // (un centre de pixel pile sur le bord d'un carreau prendrait l'un ou l'autre texel voisin)
                s.FixerPosition(sf::Vector2f(70.3f, 60.6f));
                s.FixerEchelle(variante >= 1 ? 1.75f : 1.f, variante >= 1 ? 1.25f : 1.f);
                s.Miroir(variante >= 2);
                s.FixerRotation(variante == 3 ? 33.f : 0.f);
                s.FixerCouleur(variante == 3 && colonne == 1 ? sf::Color(255, 255, 255, 200) : sf::Color::White);
                a.clear(sf::Color(30, 60, 90));
                b.clear(sf::Color(30, 60, 90));
                s.Dessiner(a);
                b.draw(s.SpriteSFML());
                a.display();
                b.display();
                const sf::Image ia = a.getTexture().copyToImage(), ib = b.getTexture().copyToImage();
                EXPECT_EQ(std::memcmp(ia.getPixelsPtr(), ib.getPixelsPtr(), 200 * 150 * 4), 0)
                    << "case " << ligne << "," << colonne << " variante " << variante;
                ++essais;
            }
    EXPECT_EQ(essais, 16);
}
