#include "engine/GestionnairePolices.h"

#include <SFML/Graphics/Text.hpp>

#include <gtest/gtest.h>

#include <QFile>

// Les polices dérivées par la préparation doivent tenir dans la mise en page du jeu
namespace
{
float Largeur(const std::string& chemin, const std::string& s, unsigned taille, bool gras = false)
{
    sf::Text t(sf::String::fromUtf8(s.begin(), s.end()), GestionnairePolices::Instance()->Police(chemin), taille);
    if (gras)
        t.setStyle(sf::Text::Bold);
    return t.getLocalBounds().width;
}
} // namespace

TEST(Polices, MesuresCompatiblesAvecLaMiseEnPage)
{
    if (!QFile::exists("data/ttf/lucon.ttf"))
        GTEST_SKIP() << "data/ttf absent (préparation non lancée)";
    const std::string lucon = "data/ttf/lucon.ttf";
    // 70 colonnes du synopsis en 14 gras tiennent dans 640 px, 28 lignes dans 480
    EXPECT_LE(Largeur(lucon, std::string(70, 'M'), 14, true), 636.f);
    EXPECT_LE(GestionnairePolices::Instance()->Police(lucon).getLineSpacing(14), 17.f);
    // chasse fixe : les valeurs du HUD s'alignent par des espaces
    sf::Text a("  10", GestionnairePolices::Instance()->Police(lucon), 24), b("9999", GestionnairePolices::Instance()->Police(lucon), 24);
    a.setStyle(sf::Text::Bold);
    b.setStyle(sf::Text::Bold);
    EXPECT_FLOAT_EQ(a.findCharacterPos(4).x, b.findCharacterPos(4).x);
    EXPECT_FLOAT_EQ(a.findCharacterPos(2).x, b.findCharacterPos(2).x);

    const std::string titre = "data/ttf/vantotitlefont.ttf";
    const float personnage9 = Largeur(titre, "personnage", 9);
    EXPECT_LE(personnage9, 128.f);
    EXPECT_GE(personnage9, 80.f) << "police de titre trop petite pour la taille 9";
    sf::Text j("jouer", GestionnairePolices::Instance()->Police(titre), 6);
    EXPECT_GE(j.getLocalBounds().height, 9.f) << "le menu en taille 6 serait illisible";
    EXPECT_LT(Largeur(titre, "game", 16), 150.f);

    const std::string noms = "data/ttf/nisequorvanto.ttf";
    EXPECT_LT(Largeur(noms, "tormundo", 20), 140.f);
    EXPECT_LT(Largeur(noms, "ZONE", 28), 85.f);
    EXPECT_GT(Largeur(noms, "ZONE", 28), 30.f);

    // accents français présents dans les deux polices de texte
    for (const std::string& p : {lucon, noms})
    {
        const sf::Font& f = GestionnairePolices::Instance()->Police(p);
        for (sf::Uint32 c : {0xC9u, 0xE9u, 0xE8u, 0xEAu, 0xE0u, 0xE7u, 0xF9u, 0xEEu, 0xF4u})
            EXPECT_GT(f.getGlyph(c, 20, false).advance, 0.f) << p << " U+" << std::hex << c;
    }
    EXPECT_GT(Largeur("data/ttf/nisetera.ttf", "5", 32, true), 8.f);
}
