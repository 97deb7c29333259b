#include "Catalogue.h"
#include "SurfacePlanche.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

// La liste des images que le jeu lit, relevée indépendamment du catalogue :
// cadre, taille minimale et origine de chaque fichier
namespace
{
const std::string P = "png/game/personnages/";
const std::string Z = "png/game/zones/";

struct Ligne
{
    std::string chemin;
    int lc, hc, lMin, hMin, ox, oy;
};

std::vector<Ligne> Releve()
{
    std::vector<Ligne> l = {
        {"ico/icone.png", 0, 0, 32, 32, -1, -1},
        {"png/accueil/ecran.png", 0, 0, 640, 480, 0, 0},
        {"png/accueil/accueil_vanto.png", 0, 0, 640, 480, 0, 0},
        {"png/accueil/accueil_tormundo.png", 0, 0, 640, 480, 0, 0},
        {"png/accueil/rideau.png", 0, 0, 640, 480, 0, 0},
        {"png/accueil/bandeau.png", 0, 0, 16, 240, 0, 0},
        {"png/logos/quor.png", 0, 0, 64, 32, -1, -1},
        {"png/logos/sfml.png", 0, 0, 64, 32, -1, -1},
        {P + "heros/vanto.png", 160, 160, 1920, 1920, 80, 80},
        {P + "heros/tormundo.png", 160, 160, 1920, 1920, 80, 80},
        {P + "heros/dust.png", 64, 64, 448, 64, 64, 34},
        {P + "heros/ressources/anneau.png", 48, 48, 192, 96, 24, 24},
        {P + "heros/ressources/boucliers.png", 160, 160, 1920, 1920, 80, 80},
        {P + "heros/ressources/bulle.png", 64, 64, 576, 64, 32, 32},
        {P + "heros/ressources/moniteurs.png", 64, 64, 896, 64, 32, 32},
        {P + "animaux/animaux.png", 64, 64, 192, 192, 32, 32},
        {P + "droviks/projectiles.png", 64, 64, 512, 64, 32, 32},
        {P + "droviks/zubrobot.png", 128, 160, 1280, 160, 82, 56},
        {P + "droviks/coccinelle.png", 100, 100, 400, 100, 62, 50},
        {P + "droviks/crabe.png", 100, 100, 600, 100, 50, 50},
        {P + "droviks/guepe.png", 128, 160, 1024, 160, 64, 80},
        {P + "droviks/cameleon.png", 100, 100, 200, 100, 50, 50},
        {P + "droviks/poisson.png", 100, 100, 400, 100, 50, 50},
        {P + "droviks/piranha.png", 100, 100, 400, 100, 50, 50},
        {P + "droviks/gorvalux.png", 0, 0, 64, 64, 32, 32},
        {P + "droviks/etoile.png", 0, 0, 64, 64, 32, 32},
        {P + "boss/silver.png", 192, 192, 1728, 960, 96, 96},
        {P + "boss/cinematique_z1_1.png", 160, 192, 640, 192, 80, 96},
        {P + "boss/malvek.png", 128, 128, 256, 128, 64, 64},
        {P + "boss/final/robot.png", 0, 0, 640, 640, -1, -1},
        {P + "boss/final/viseur.png", 64, 64, 256, 64, 32, 32},
        {P + "boss/final/fleches.png", 192, 192, 1344, 192, -1, -1},
        {Z + "_/ressort.png", 64, 64, 128, 64, 32, 32},
        {Z + "_/pics.png", 0, 0, 64, 64, 32, 32},
        {Z + "_/pung.png", 0, 0, 64, 64, 32, 32},
        {Z + "_/bloc.png", 64, 64, 64, 64, 32, 32},
        {Z + "_/bornes.png", 16, 64, 32, 64, 8, 32},
        {Z + "_/checkpoint.png", 80, 128, 1360, 128, 40, 64},
        {Z + "_/fin_level.png", 100, 100, 500, 200, 50, 50},
        {Z + "_/fin_zone.png", 160, 160, 640, 160, 80, 80},
        {Z + "_/portail.png", 208, 144, 1040, 144, 104, 72},
        {Z + "_/lueur.png", 96, 2, 96, 82, 48, 2},
        {Z + "_/bassin_eau.png", 0, 0, 64, 64, 32, 32},
        {Z + "_/surface_eau.png", 64, 32, 256, 32, 32, 10},
        {Z + "_/plouf.png", 64, 64, 768, 64, 32, 64},
        {Z + "_/source_bulles.png", 32, 32, 96, 32, 16, 16},
        {Z + "_/bassin_lave.png", 0, 0, 64, 64, 32, 32},
        {Z + "_/surface_lave.png", 64, 32, 192, 32, 32, 32},
        {Z + "_/explosions.png", 80, 80, 640, 320, 40, 40},
        {Z + "1/decors/cascade.png", 128, 256, 512, 256, 64, 128},
        {Z + "1/decors/rocher.png", 0, 0, 78, 95, 46, 47},
        {Z + "1/decors/totem.png", 0, 0, 96, 128, 48, 64},
        {Z + "1/decors/feuilles.png", 0, 0, 64, 48, 32, 24},
        {Z + "1/decors/corail.png", 0, 0, 144, 96, 72, 48},
        {Z + "1/decors/baleine_bleu.png", 0, 0, 768, 128, 384, 64},
        {Z + "2/objets/scie_circulaire.png", 128, 128, 256, 128, 64, 64},
        {Z + "1/background/eau.png", 0, 0, 1024, 109, -1, -1},
        {Z + "1/background/plan_1.png", 1792, 48, 1792, 192, -1, -1},
        {Z + "1/background/plan_2.png", 1792, 128, 1792, 128, -1, -1},
        {Z + "1/background/nuages.png", 0, 0, 470, 64, -1, -1},
        {Z + "2/background/background.png", 0, 0, 640, 480, 320, 240},
        {Z + "2/background/galaxie_xxl.png", 0, 0, 640, 640, 320, 320},
        {Z + "99/background/background.png", 0, 0, 640, 480, 320, 240},
    };
    for (const char* z : {"1", "2", "99"})
    {
        const std::string d = Z + z + "/";
        l.push_back({d + "textures/texture_128.png", 192, 192, 1920, 1920, 96, 96});
        l.push_back({d + "textures/texture_xl.png", 0, 0, 1920, 1888, -1, -1});
        l.push_back({d + "objets/pont_epineux.png", 256, 64, 256, 512, 128, 32});
        l.push_back({d + "objets/pont_marche.png", 0, 0, 32, 16, 0, 0});
        l.push_back({d + "objets/pont_structure.png", 0, 0, 32, 64, -1, -1});
        l.push_back({d + "objets/passerelle_maillon.png", 0, 0, 32, 24, 16, 0});
        l.push_back({d + "objets/passerelle_centre.png", 0, 0, 32, 24, 16, 0});
        l.push_back({d + "objets/passerelle.png", 0, 0, 96, 33, 48, 1});
    }
    return l;
}
} // namespace

TEST(ListeImages, LeCatalogueSuitLaListeDuJeu)
{
    // les 87 fichiers, ni plus ni moins, avec le cadre et la taille que le code suppose
    std::vector<Ligne> releve = Releve();
    ASSERT_EQ(releve.size(), 87u);
    std::map<std::string, Planche> cat;
    for (const Planche& p : Catalogue::Toutes())
        cat[p.chemin] = p;
    EXPECT_EQ(cat.size(), releve.size());
    for (const Ligne& a : releve)
    {
        SCOPED_TRACE(a.chemin);
        auto it = cat.find(a.chemin);
        ASSERT_NE(it, cat.end());
        const Planche& p = it->second;
        EXPECT_EQ(p.largeurCadre, a.lc);
        EXPECT_EQ(p.hauteurCadre, a.hc);
        EXPECT_GE(p.largeur, a.lMin);
        EXPECT_GE(p.hauteur, a.hMin);
        EXPECT_LE(p.largeur, 2048);
        EXPECT_LE(p.hauteur, 2048);
        if (a.lc > 0)
        {
            // la grille tombe juste : chaque cadre adressé est une case entière
            for (const Cadre& c : p.cadres)
            {
                if (c.l != a.lc || c.h != a.hc)
                    continue; // rectangles particuliers (bandes de la planche 128)
                EXPECT_EQ(c.x % a.lc, 0) << c.x;
                EXPECT_EQ(c.y % a.hc, 0) << c.y;
            }
        }
    }
}

TEST(ListeImages, TaillesExactesEtPlusGrandsCadresAdresses)
{
    // tailles imposées par le code
    const std::map<std::string, std::pair<int, int>> exactes = {
        {"png/accueil/ecran.png", {640, 480}},
        {"png/accueil/accueil_vanto.png", {640, 480}},
        {"png/accueil/accueil_tormundo.png", {640, 480}},
        {"png/accueil/rideau.png", {640, 480}},
        {P + "droviks/gorvalux.png", {64, 64}},
        {P + "droviks/etoile.png", {64, 64}},
        {Z + "_/pics.png", {64, 64}},
        {Z + "_/pung.png", {64, 64}},
        {Z + "_/bassin_eau.png", {64, 64}},
        {Z + "_/bassin_lave.png", {64, 64}},
        {Z + "2/background/background.png", {640, 480}},
        {Z + "2/background/galaxie_xxl.png", {640, 640}},
        {Z + "99/background/background.png", {640, 480}},
        {Z + "1/objets/pont_marche.png", {32, -1}},
        {Z + "1/objets/pont_structure.png", {32, -1}},
    };
    for (const Planche& p : Catalogue::Toutes())
    {
        auto it = exactes.find(p.chemin);
        if (it != exactes.end())
        {
            EXPECT_EQ(p.largeur, it->second.first) << p.chemin;
            if (it->second.second > 0)
            {
                EXPECT_EQ(p.hauteur, it->second.second) << p.chemin;
            }
        }
        if (p.chemin.find("bandeau") != std::string::npos)
        {
            EXPECT_EQ(p.largeur % 16, 0) << "le bandeau ne s'arrêterait jamais";
        }
        if (p.chemin.find("pont_structure") != std::string::npos)
        {
            EXPECT_LE(p.hauteur, 112);
        }
    }
    // quelques cadres que le code adresse, relevés un à un
    auto A = [](const std::string& chemin, std::vector<Cadre> attendus) {
        Planche p = SurfacePlanche::Trouver(chemin);
        for (const Cadre& a : attendus)
        {
            bool vu = false;
            for (const Cadre& c : p.cadres)
                vu = vu || (c.x == a.x && c.y == a.y && c.l == a.l && c.h == a.h);
            EXPECT_TRUE(vu) << chemin << " : cadre " << a.x << "," << a.y << " " << a.l << "x" << a.h;
        }
    };
    A(P + "heros/vanto.png", {{960, 320, 160, 160}, {1760, 640, 160, 160}, {1760, 1760, 160, 160}, {1120, 480, 160, 160}});
    A(P + "heros/tormundo.png", {{960, 1280, 160, 160}, {1280, 1440, 160, 160}, {1440, 1760, 160, 160}, {640, 160, 160, 160}});
    A(P + "heros/ressources/boucliers.png", {{1440, 640, 160, 160}, {1440, 1120, 160, 160}, {1440, 1280, 160, 160}, {1760, 1760, 160, 160}});
    A(P + "heros/ressources/moniteurs.png", {{832, 0, 64, 64}, {704, 0, 64, 64}});
    A(P + "droviks/zubrobot.png", {{1152, 0, 128, 160}});
    A(P + "droviks/crabe.png", {{500, 0, 100, 100}});
    A(P + "boss/silver.png", {{1536, 192, 192, 192}, {0, 768, 192, 192}});
    A(P + "boss/final/robot.png", {{0, 0, 320, 48}, {384, 0, 64, 48}, {512, 0, 64, 48}, {576, 0, 64, 64},
                                    {320, 64, 320, 144}, {320, 224, 320, 64}, {320, 304, 320, 120}, {0, 448, 320, 64},
                                    {320, 512, 320, 64}, {320, 576, 320, 64}});
    A(Z + "_/fin_level.png", {{400, 100, 100, 100}});
    A(Z + "_/checkpoint.png", {{1280, 0, 80, 128}});
    A(Z + "_/explosions.png", {{560, 240, 80, 80}, {0, 80, 80, 80}});
    A(Z + "_/lueur.png", {{0, 80, 96, 2}});
    A(Z + "1/background/eau.png", {{768, 93, 256, 16}, {0, 0, 256, 14}, {512, 80, 256, 14}});
    A(Z + "1/background/plan_1.png", {{0, 144, 1792, 48}});
    A(Z + "2/objets/pont_epineux.png", {{0, 448, 256, 64}});
    A(Z + "99/textures/texture_128.png", {{1728, 576, 192, 192}, {960, 192, 192, 192}, {960, 384, 192, 192},
                                          {960, 1728, 192, 192}, {960, 800, 32, 128}, {1120, 800, 32, 128},
                                          {992, 800, 32, 32}});
    A(Z + "1/textures/texture_xl.png", {{0, 0, 576, 224}, {1344, 0, 576, 224}, {32, 256, 256, 256},
                                        {672, 224, 128, 288}, {1424, 256, 384, 256}, {304, 992, 272, 160},
                                        {32, 1488, 640, 400}});
}

TEST(ListeImages, ChaqueDessinEntoureSonOrigine)
{
    // l'origine est posée sur la position de l'élément : le dessin de chaque cadre l'entoure
    // (à 3 pixels près, pour les origines placées sur un bord du cadre)
    for (const Ligne& a : Releve())
    {
        // la poussière part derrière la boule, loin du centre du héros : vérifiée à part
        if (a.ox < 0 || a.chemin.find("accueil") != std::string::npos || a.chemin.find("texture") != std::string::npos
            || a.chemin.find("dust") != std::string::npos)
            continue;
        Planche p = SurfacePlanche::Trouver(a.chemin);
        SurfacePlanche s(p);
        for (const Cadre& c : p.cadres)
        {
            if (a.lc > 0 && (c.l != a.lc || c.h != a.hc))
                continue;
            // la moitié avant du bouclier de feu n'est qu'une frange de flammes devant le héros
            if (a.chemin.find("boucliers") != std::string::npos && c.y == 5 * 160)
                continue;
            int ox = a.ox, oy = a.oy;
            if (a.chemin.find("zubrobot") != std::string::npos && c.x == 9 * 128)
                ox = 64, oy = 80; // canon mural : son origine à lui
            auto b = s.Englobante(c.x, c.y, c.l, c.h, 40);
            ASSERT_FALSE(b.vide) << a.chemin;
            EXPECT_TRUE(b.x0 <= ox + 3 && b.x1 >= ox - 3 && b.y0 <= oy + 3 && b.y1 >= oy - 3)
                << a.chemin << " cadre " << c.x << "," << c.y << " : dessin de " << b.x0 << "," << b.y0 << " à "
                << b.x1 << "," << b.y1 << ", origine " << ox << "," << oy;
        }
    }
}
