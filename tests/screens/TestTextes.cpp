#include "Banc.h"

#include "screens/AppCredits.h"
#include "screens/AppSynopsis.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::vector<sf::String> Lignes(const std::string& texte)
{
    std::vector<sf::String> lignes;
    std::istringstream s(texte);
    std::string l;
    while (std::getline(s, l))
        lignes.push_back(sf::String::fromUtf8(l.begin(), l.end()));
    return lignes;
}
} // namespace

TEST_F(Banc, SynopsisVingtHuitLignesEncadrees)
{
    const std::string texte = AppSynopsis::Histoire();
    ASSERT_FALSE(texte.empty());
    EXPECT_NE(texte.back(), '\n');
    const std::vector<sf::String> l = Lignes(texte);
    ASSERT_EQ(l.size(), 28u);
    const sf::String vide(std::string(70, ' '));
    EXPECT_EQ(l[0], "*" + std::string(30, ' ') + "SYNOPSIS" + std::string(30, ' ') + "*");
    EXPECT_EQ(l[27], "*" + std::string(68, ' ') + "*");
    for (int i : {1, 2, 6, 10, 13, 17, 21, 25, 26})
        EXPECT_EQ(l[i], vide) << "ligne " << i + 1;
    // six paragraphes de 3, 3, 2, 3, 3 et 3 lignes, ouverts par trois espaces
    const std::vector<int> debuts = {3, 7, 11, 14, 18, 22};
    for (std::size_t i = 3; i < 25; ++i)
    {
        // les caractères comptent, pas les octets
        EXPECT_LE(l[i].getSize(), 70u) << "ligne " << i + 1;
        if (l[i] == vide)
            continue;
        const bool debut = std::find(debuts.begin(), debuts.end(), static_cast<int>(i)) != debuts.end();
        EXPECT_EQ(l[i].substring(0, 3) == "   " && l[i][3] != ' ', debut) << "ligne " << i + 1;
        EXPECT_NE(l[i][l[i].getSize() - 1], ' ') << "ligne " << i + 1;
    }
    const sf::String tout = sf::String::fromUtf8(texte.begin(), texte.end());
    for (const char* nom : {"SilverVanto 2.0", "Tormundo", "Vanto"})
        EXPECT_NE(tout.find(nom), sf::String::InvalidPos) << nom;
}

TEST_F(Banc, CreditsLignesDansLOrdre)
{
    const std::vector<sf::String> l = Lignes(AppCredits::Mentions());
    ASSERT_EQ(l.size(), 9u);
    EXPECT_EQ(l[0], "   Ce jeu n'est pas un jeu officiel.");
    EXPECT_EQ(l[1], "Il ne peut en aucun cas faire l'objet d'une quelconque vente.");
    EXPECT_TRUE(l[2].isEmpty());
    EXPECT_EQ(l[3], "   Les personnages ainsi que les objets issus de ce jeu");
    EXPECT_FALSE(l[4].isEmpty());
    EXPECT_TRUE(l[5].isEmpty());
    EXPECT_EQ(l[6], "------");
    EXPECT_TRUE(l[7].isEmpty());
    EXPECT_EQ(l[8].substring(0, 16), "DEVELOPPEMENT : ");
    EXPECT_GT(l[8].getSize(), 16u);
    EXPECT_EQ(AppCredits::Mentions().back(), '\n');
}

template <typename A>
void RetourAuTitre()
{
    A app(nullptr);
    Frame(app, {Appui(sf::Keyboard::Return), Appui(sf::Keyboard::F9), BoutonRelache(0)});
    EXPECT_EQ(Ecran::EcranDemande(), -1);
    // même une touche sans rôle, au relâchement
    Frame(app, {Relache(sf::Keyboard::F9)});
    EXPECT_EQ(Ecran::EcranDemande(), 1);
    Ecran::DemanderEcran(-1);
    Frame(app, {Clic(600, 10)});
    EXPECT_EQ(Ecran::EcranDemande(), 1);
}

TEST_F(Banc, SynopsisRevientAuTitre)
{
    {
        // le texte affiché garde ses accents
        AppSynopsis app(nullptr);
        const std::string histoire = AppSynopsis::Histoire();
        EXPECT_EQ(app.Contenu().Contenu().getString(), sf::String::fromUtf8(histoire.begin(), histoire.end()));
    }
    RetourAuTitre<AppSynopsis>();
}

TEST_F(Banc, CreditsRevientAuTitre)
{
    RetourAuTitre<AppCredits>();
}
