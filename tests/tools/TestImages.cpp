#include "Catalogue.h"
#include "Generateur.h"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace
{
// Toutes les images, générées une fois dans un dossier temporaire
class Images : public ::testing::Test
{
protected:
    static std::string dossier;
    static std::vector<Planche> planches;

    static void SetUpTestSuite()
    {
        char modele[] = "/tmp/vanto_images_XXXXXX";
        char* d = mkdtemp(modele);
        ASSERT_NE(d, nullptr);
        dossier = d;
        planches = Catalogue::Toutes();
        ASSERT_EQ(Generateur::Generer(dossier, ""), 0);
    }

    static void VerifierFichiersEtCadres();
    static void VerifierTaillesMinimales();
    static void VerifierLignesAnimees();

    static void TearDownTestSuite()
    {
        std::error_code e;
        std::filesystem::remove_all(dossier, e);
    }
};

std::string Images::dossier;
std::vector<Planche> Images::planches;

// en-tête PNG : largeur, hauteur, profondeur, type de couleur, entrelacement
struct EntetePng
{
    unsigned largeur = 0, hauteur = 0;
    int profondeur = 0, couleur = -1, entrelace = -1;
};

EntetePng LireEntete(const std::string& chemin)
{
    EntetePng e;
    std::ifstream f(chemin, std::ios::binary);
    unsigned char o[29] = {0};
    if (!f.read(reinterpret_cast<char*>(o), 29))
        return e;
    if (o[1] != 'P' || o[12] != 'I' || o[13] != 'H')
        return e;
    e.largeur = (o[16] << 24) | (o[17] << 16) | (o[18] << 8) | o[19];
    e.hauteur = (o[20] << 24) | (o[21] << 16) | (o[22] << 8) | o[23];
    e.profondeur = o[24];
    e.couleur = o[25];
    e.entrelace = o[28];
    return e;
}

int PixelsVisibles(const sf::Image& im, const Cadre& c)
{
    int n = 0;
    for (int y = c.y; y < c.y + c.h; ++y)
        for (int x = c.x; x < c.x + c.l; ++x)
            if (im.getPixel(x, y).a >= 48)
                ++n;
    return n;
}
} // namespace

TEST_F(Images, LArbreGenereSuitLeCatalogue)
{
    // chaque fichier existe en RVBA, chaque cadre adressé est dessiné
    VerifierFichiersEtCadres();
    VerifierTaillesMinimales();
    VerifierLignesAnimees();
}

void Images::VerifierFichiersEtCadres()
{
    ASSERT_GT(planches.size(), 70u);
    std::map<std::string, int> vus;
    for (const Planche& p : planches)
    {
        SCOPED_TRACE(p.chemin);
        EXPECT_EQ(vus[p.chemin]++, 0) << "chemin en double";
        std::string f = dossier + "/" + p.chemin;
        EntetePng e = LireEntete(f);
        EXPECT_EQ(e.largeur, (unsigned)p.largeur);
        EXPECT_EQ(e.hauteur, (unsigned)p.hauteur);
        EXPECT_EQ(e.profondeur, 8);
        EXPECT_EQ(e.couleur, 6); // RVBA
        EXPECT_EQ(e.entrelace, 0);
        EXPECT_LE(p.largeur, 2048);
        EXPECT_LE(p.hauteur, 2048);
        sf::Image im;
        ASSERT_TRUE(im.loadFromFile(f));
        EXPECT_FALSE(p.cadres.empty());
        for (const Cadre& c : p.cadres)
        {
            ASSERT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.l <= p.largeur && c.y + c.h <= p.hauteur)
                << c.x << "," << c.y;
            EXPECT_GE(PixelsVisibles(im, c), 3) << "cadre vide en " << c.x << "," << c.y;
        }
        if (p.opaque)
        {
            for (unsigned y = 0; y < im.getSize().y; y += 7)
                for (unsigned x = 0; x < im.getSize().x; x += 7)
                    ASSERT_EQ(im.getPixel(x, y).a, 255) << x << "," << y;
        }
    }
}

void Images::VerifierTaillesMinimales()
{
    // quelques tailles que le jeu suppose, indépendamment du catalogue
    const std::map<std::string, std::pair<int, int>> minimum = {
        {"png/game/personnages/heros/vanto.png", {1920, 1920}},
        {"png/game/personnages/heros/tormundo.png", {1920, 1920}},
        {"png/game/personnages/heros/ressources/boucliers.png", {1920, 1920}},
        {"png/game/personnages/heros/ressources/moniteurs.png", {896, 64}},
        {"png/game/personnages/heros/dust.png", {448, 64}},
        {"png/game/personnages/heros/ressources/bulle.png", {576, 64}},
        {"png/game/personnages/heros/ressources/anneau.png", {192, 96}},
        {"png/accueil/ecran.png", {640, 480}},
        {"png/accueil/rideau.png", {640, 480}},
        {"png/game/zones/1/textures/texture_128.png", {1920, 1920}},
        {"png/game/zones/2/textures/texture_xl.png", {1920, 1888}},
        {"png/game/zones/99/textures/texture_xl.png", {1920, 1888}},
        {"png/game/zones/_/explosions.png", {640, 320}},
        {"png/game/personnages/boss/final/robot.png", {640, 640}},
        {"png/game/zones/2/objets/scie_circulaire.png", {256, 128}},
        {"png/game/zones/1/background/eau.png", {1024, 109}},
    };
    for (auto& m : minimum)
    {
        sf::Image im;
        ASSERT_TRUE(im.loadFromFile(dossier + "/" + m.first)) << m.first;
        EXPECT_GE((int)im.getSize().x, m.second.first) << m.first;
        EXPECT_GE((int)im.getSize().y, m.second.second) << m.first;
    }
    sf::Image bandeau;
    ASSERT_TRUE(bandeau.loadFromFile(dossier + "/png/accueil/bandeau.png"));
    EXPECT_EQ(bandeau.getSize().x % 16, 0u);
    for (const char* z : {"1", "2", "99"})
        for (const char* f : {"pont_epineux", "pont_marche", "pont_structure", "passerelle", "passerelle_centre",
                              "passerelle_maillon"})
            EXPECT_TRUE(std::filesystem::exists(dossier + "/png/game/zones/" + z + "/objets/" + f + ".png")) << z << f;
}

void Images::VerifierLignesAnimees()
{
    // deux images voisines d'une même rangée (ou d'une même colonne, pour les animations
    // en colonne) ne sont jamais identiques ; celles des personnages bougent franchement
    for (const Planche& p : planches)
    {
        // les cinq variantes d'une tuile ne sont pas une animation : elles se ressemblent exprès
        if (p.largeurCadre == 0 || p.chemin.find("textures/") != std::string::npos)
            continue;
        sf::Image im;
        ASSERT_TRUE(im.loadFromFile(dossier + "/" + p.chemin));
        const bool personnage = p.chemin.find("heros/vanto") != std::string::npos
                                || p.chemin.find("heros/tormundo") != std::string::npos
                                || p.chemin.find("boss/silver") != std::string::npos;
        for (size_t i = 1; i < p.cadres.size(); ++i)
        {
            const Cadre& a = p.cadres[i - 1];
            const Cadre& b = p.cadres[i];
            if (a.l != b.l || a.h != b.h)
                continue;
            const bool enRangee = a.y == b.y && b.x == a.x + a.l;
            const bool enColonne = a.x == b.x && b.y == a.y + a.h;
            if (!enRangee && !enColonne)
                continue;
            int differents = 0;
            for (int y = 0; y < a.h; ++y)
                for (int x = 0; x < a.l; ++x)
                {
                    sf::Color u = im.getPixel(a.x + x, a.y + y), v = im.getPixel(b.x + x, b.y + y);
                    if (std::abs(u.a - v.a) > 24 || std::abs(u.r - v.r) + std::abs(u.g - v.g) + std::abs(u.b - v.b) > 48)
                        ++differents;
                }
            // au moins un quarantième du dessin change (les lueurs de 96 x 2 : 2 pixels)
            const int minimum = personnage ? 150 : std::max(2, PixelsVisibles(im, a) / 40);
            EXPECT_GE(differents, minimum) << p.chemin << " : images presque identiques en " << a.x << "," << a.y
                                           << " et " << b.x << "," << b.y << " (" << differents << " sur " << minimum << ")";
        }
    }
}

TEST(GenerateurImages, DeuxGenerationsDonnentLesMemesFichiers)
{
    std::string d[2];
    for (auto& x : d)
    {
        char modele[] = "/tmp/vanto_images_bis_XXXXXX";
        char* r = mkdtemp(modele);
        ASSERT_NE(r, nullptr);
        x = r;
    }
    const std::vector<std::string> fichiers = {"png/game/personnages/heros/ressources/moniteurs.png",
                                               "png/game/personnages/heros/vanto.png",
                                               "png/game/zones/2/textures/texture_128.png"};
    for (const std::string& f : fichiers)
    {
        ASSERT_EQ(Generateur::Generer(d[0], "", f), 0);
        std::srand(99); // le hasard du programme ne doit pas compter
        ASSERT_EQ(Generateur::Generer(d[1], "", f), 0);
        std::ifstream a(d[0] + "/" + f, std::ios::binary), b(d[1] + "/" + f, std::ios::binary);
        std::string ca((std::istreambuf_iterator<char>(a)), {}), cb((std::istreambuf_iterator<char>(b)), {});
        EXPECT_GT(ca.size(), 1000u) << f;
        EXPECT_EQ(ca, cb) << f;
    }
    std::error_code e;
    for (auto& x : d)
        std::filesystem::remove_all(x, e);
}
