#include "SurfacePlanche.h"

#include <gtest/gtest.h>

// Les dessins tombent sur les corps de collision que le jeu leur associe
namespace
{
const std::string HEROS = "png/game/personnages/heros/";
const std::string ZONES = "png/game/zones/";
} // namespace

TEST(Gabarits, LesPiedsDesHerosSontSurLaRangee110)
{
    for (const char* nom : {"vanto.png", "tormundo.png"})
    {
        SurfacePlanche s(SurfacePlanche::Trouver(HEROS + nom));
        // debout, marche, course, accroupi, regard vers le haut : les pieds touchent le sol
        const int cases[][2] = {{0, 0}, {1, 0}, {1, 2}, {1, 5}, {1, 9}, {3, 0}, {3, 1}, {4, 4}, {4, 5}};
        for (auto& c : cases)
        {
            auto b = s.Englobante(c[1] * 160, c[0] * 160, 160, 160);
            ASSERT_FALSE(b.vide);
            EXPECT_NEAR(b.y1, 110, 4) << nom << " case " << c[0] << "," << c[1];
            // la figure tient dans le cercle du corps élargi : ni trop petite ni trop grande
            EXPECT_GT(b.y1 - b.y0, 40) << nom;
            EXPECT_LT(b.y1 - b.y0, 100) << nom;
        }
        // la boule roule autour de l'origine (80, 80) avec un rayon proche de 30
        for (int c = 0; c < 8; ++c)
        {
            auto b = s.Englobante(c * 160, 320, 160, 160);
            EXPECT_NEAR((b.x0 + b.x1) / 2.0, 80, 6) << nom << " boule " << c;
            EXPECT_NEAR((b.y0 + b.y1) / 2.0, 80, 6) << nom << " boule " << c;
            EXPECT_NEAR(b.y1 - b.y0, 52, 8) << nom << " boule " << c;
        }
    }
}

TEST(Gabarits, RessourcesALaTailleDeLeurCorps)
{
    // anneau de rayon 16, bulle pleine de rayon 16 : environ 32 pixels
    SurfacePlanche anneau(SurfacePlanche::Trouver(HEROS + "ressources/anneau.png"));
    auto a = anneau.Englobante(0, 0, 48, 48);
    EXPECT_NEAR(a.x1 - a.x0, 32, 4);
    EXPECT_NEAR(a.y1 - a.y0, 32, 4);
    SurfacePlanche bulle(SurfacePlanche::Trouver(HEROS + "ressources/bulle.png"));
    auto b = bulle.Englobante(6 * 64, 0, 64, 64, 100);
    EXPECT_NEAR(b.x1 - b.x0, 32, 6);
    // boîte de moniteur : 44 x 64, colonnes 10 à 54
    SurfacePlanche mon(SurfacePlanche::Trouver(HEROS + "ressources/moniteurs.png"));
    auto m = mon.Englobante(0, 0, 64, 64);
    EXPECT_NEAR(m.x0, 10, 2);
    EXPECT_NEAR(m.x1, 53, 2);
    EXPECT_NEAR(m.y1, 63, 2);
}

TEST(Gabarits, ObjetsCalesSurLeursSegments)
{
    // ressort vers le haut : plateau actif à la rangée 32, socle jusqu'en bas
    SurfacePlanche r(SurfacePlanche::Trouver(ZONES + "_/ressort.png"));
    auto repos = r.Englobante(0, 0, 64, 64);
    EXPECT_NEAR(repos.y0, 32, 2);
    EXPECT_NEAR(repos.y1, 63, 2);
    auto detendu = r.Englobante(64, 0, 64, 64);
    EXPECT_LT(detendu.y0, repos.y0 - 10);
    // pointes : le bloc plein de 64, pointes en haut
    SurfacePlanche p(SurfacePlanche::Trouver(ZONES + "_/pics.png"));
    auto bp = p.Englobante(0, 0, 64, 64);
    EXPECT_LE(bp.y0, 2);
    EXPECT_GE(bp.y1, 61);
    EXPECT_EQ(p.Alpha(32, 1) >= 128 || p.Alpha(24, 1) >= 128 || p.Alpha(40, 1) >= 128 || p.Alpha(8, 1) >= 128, true);
    // butoir de rayon 30 centré, scie de rayon 64
    SurfacePlanche pung(SurfacePlanche::Trouver(ZONES + "_/pung.png"));
    auto bu = pung.Englobante(0, 0, 64, 64);
    EXPECT_NEAR(bu.x1 - bu.x0, 60, 4);
    SurfacePlanche scie(SurfacePlanche::Trouver(ZONES + "2/objets/scie_circulaire.png"));
    auto sc = scie.Englobante(0, 0, 128, 128);
    EXPECT_NEAR(sc.x1 - sc.x0, 124, 5);
    // le poteau de contrôle se dresse depuis le bas du cadre
    SurfacePlanche cp(SurfacePlanche::Trouver(ZONES + "_/checkpoint.png"));
    for (int c = 0; c < 17; ++c)
        EXPECT_NEAR(cp.Englobante(c * 80, 0, 80, 128).y1, 127, 2) << c;
    // socle du portail : de x -48 à 48 et y -8 à 72 autour de l'origine (104, 72)
    SurfacePlanche po(SurfacePlanche::Trouver(ZONES + "_/portail.png"));
    EXPECT_GE(po.Alpha(104, 72 + 30), 200);
    EXPECT_GE(po.Alpha(104 - 44, 72 + 30), 200);
    EXPECT_LT(po.Alpha(104 - 52, 72 + 30), 40);
    // la gerbe monte depuis le bas du cadre (origine (32, 64))
    SurfacePlanche pl(SurfacePlanche::Trouver(ZONES + "_/plouf.png"));
    EXPECT_GE(pl.Englobante(3 * 64, 0, 64, 64).y1, 60);
}

TEST(Gabarits, LesRobotsRegardentDansLeBonSens)
{
    // les oeils lumineux sont du côté du regard : à droite pour la coccinelle, à gauche pour le piranha
    auto CentreDesTeintesVives = [](const SurfacePlanche& s, int x, int y, int l, int h) {
        double somme = 0;
        int n = 0;
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < l; ++i)
            {
                uint32_t p = s.Pixel(x + i, y + j);
                int r = (p >> 16) & 255, v = (p >> 8) & 255, b = p & 255;
                if ((p >> 24) > 200 && r > 240 && v > 180 && b < 120) // jaune vif
                {
                    somme += i;
                    ++n;
                }
            }
        return n ? somme / n : -1.0;
    };
    SurfacePlanche coc(SurfacePlanche::Trouver("png/game/personnages/droviks/coccinelle.png"));
    EXPECT_GT(CentreDesTeintesVives(coc, 0, 0, 100, 100), 62);
    SurfacePlanche cam(SurfacePlanche::Trouver("png/game/personnages/droviks/cameleon.png"));
    double xc = CentreDesTeintesVives(cam, 0, 0, 100, 100);
    EXPECT_GE(xc, 0);
    EXPECT_LT(xc, 50);
}
