#include "engine/GestionnaireTextures.h"
#include "engine/SourceTemps.h"
#include "scene/Sprite.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

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
