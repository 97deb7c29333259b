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
    {
        auto b = cp.Englobante(c * 80, 0, 80, 128);
        EXPECT_NEAR(b.y1, 127, 2) << c;
        EXPECT_LE(b.y0, 4) << c << " : le poteau fait 128 de haut";
    }
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

namespace
{
// part des pixels d'un rectangle dont l'alpha est dans [a0, a1]
double Part(const SurfacePlanche& s, int x, int y, int l, int h, int a0, int a1)
{
    int n = 0;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < l; ++i)
        {
            int a = s.Alpha(x + i, y + j);
            n += (a >= a0 && a <= a1);
        }
    return double(n) / (l * h);
}

// pixels nettement bleus et nettement rouges d'un rectangle
void BleusEtRouges(const SurfacePlanche& s, int x, int y, int l, int h, int& bleus, int& rouges)
{
    bleus = rouges = 0;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < l; ++i)
        {
            uint32_t p = s.Pixel(x + i, y + j);
            int a = p >> 24, r = (p >> 16) & 255, b = p & 255;
            if (a < 200) continue;
            bleus += (b > r + 60);
            rouges += (r > b + 60);
        }
}
} // namespace

TEST(Gabarits, OpacitesDemandees)
{
    // le rideau et les fonds fixes couvrent tout l'écran
    for (const char* c : {"png/accueil/rideau.png", "png/accueil/ecran.png", "png/game/zones/2/background/background.png",
                          "png/game/zones/99/background/background.png"})
    {
        SurfacePlanche s(SurfacePlanche::Trouver(c));
        EXPECT_EQ(Part(s, 0, 0, s.Largeur(), s.Hauteur(), 255, 255), 1.0) << c;
    }
    // les titres passent devant la scène de la zone 1 : surtout transparents, menu lisible
    for (const char* c : {"png/accueil/accueil_vanto.png", "png/accueil/accueil_tormundo.png"})
    {
        SurfacePlanche s(SurfacePlanche::Trouver(c));
        EXPECT_GT(Part(s, 0, 0, 640, 480, 0, 10), 0.5) << c;
        EXPECT_GT(Part(s, 250, 390, 140, 70, 0, 10), 0.95) << c << " : la zone du menu est couverte";
    }
    // les bornes passent devant le héros dans la boucle : discrètes
    SurfacePlanche bornes(SurfacePlanche::Trouver(ZONES + "_/bornes.png"));
    EXPECT_EQ(Part(bornes, 0, 0, 32, 64, 120, 255), 0.0);
    // l'eau se voit à travers ; la plate-forme invisible (cellule 2,5) est dessinée opaque
    SurfacePlanche eau(SurfacePlanche::Trouver(ZONES + "_/bassin_eau.png"));
    EXPECT_EQ(Part(eau, 0, 0, 64, 64, 40, 230), 1.0);
    SurfacePlanche t(SurfacePlanche::Trouver(ZONES + "1/textures/texture_128.png"));
    EXPECT_EQ(Part(t, 5 * 192 + 34, 2 * 192 + 34, 124, 124, 255, 255), 1.0);
    // le caméléon apparaît et disparaît par l'alpha : dessiné opaque, seuls ses bords sont adoucis
    SurfacePlanche ca(SurfacePlanche::Trouver("png/game/personnages/droviks/cameleon.png"));
    for (int c = 0; c < 2; ++c)
    {
        double mi = Part(ca, c * 100, 0, 100, 100, 30, 230), plein = Part(ca, c * 100, 0, 100, 100, 231, 255);
        EXPECT_LT(mi, 0.2 * plein) << c;
    }
    // le lointain laisse voir les nuages au-dessus de lui ; les nuages laissent voir le ciel
    SurfacePlanche p2(SurfacePlanche::Trouver(ZONES + "1/background/plan_2.png"));
    EXPECT_GT(Part(p2, 0, 0, 1792, 12, 0, 0), 0.95);
    SurfacePlanche nu(SurfacePlanche::Trouver(ZONES + "1/background/nuages.png"));
    EXPECT_GT(Part(nu, 0, 0, nu.Largeur(), nu.Hauteur(), 0, 0), 0.3);
}

TEST(Gabarits, CouleursDesHeros)
{
    // Vanto surtout bleu, Tormundo surtout rouge, sur leur image debout et sur l'icône des vies
    const char* noms[2] = {"vanto.png", "tormundo.png"};
    for (int h = 0; h < 2; ++h)
    {
        SurfacePlanche s(SurfacePlanche::Trouver(HEROS + noms[h]));
        for (auto c : {std::make_pair(0, 0), std::make_pair(2, 6)})
        {
            int bleus, rouges;
            BleusEtRouges(s, c.second * 160, c.first * 160, 160, 160, bleus, rouges);
            if (h == 0)
                EXPECT_GT(bleus, 3 * rouges) << noms[h];
            else
                EXPECT_GT(rouges, 3 * bleus) << noms[h];
        }
    }
    // le panneau de fin s'arrête sur le visage du héros choisi (rangée = héros)
    SurfacePlanche fin(SurfacePlanche::Trouver(ZONES + "_/fin_level.png"));
    int b0, r0, b1, r1;
    BleusEtRouges(fin, 400, 0, 100, 100, b0, r0);
    BleusEtRouges(fin, 400, 100, 100, 100, b1, r1);
    EXPECT_GT(b0, r0);
    EXPECT_GT(r1, b1);
    // la rangée de Tormundo commence sur le même panneau au repos que celle de Vanto
    int differents = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            differents += fin.Pixel(x, y) != fin.Pixel(x, 100 + y);
    EXPECT_EQ(differents, 0);
    // son pied est au sol de sécurité, 48 sous l'origine
    EXPECT_NEAR(fin.Englobante(0, 0, 100, 100).y1, 98, 3);
}

TEST(Gabarits, PiecesMobilesEtObjetsDeZone)
{
    for (int zone : {1, 2, 99})
    {
        const std::string z = ZONES + std::to_string(zone) + "/";
        SurfacePlanche t(SurfacePlanche::Trouver(z + "textures/texture_128.png"));
        // petite plate-forme mobile : dessus au centre de la cellule, x 48 à 144, 32 d'épaisseur
        auto mini = t.Englobante(5 * 192, 192, 192, 192);
        EXPECT_NEAR(mini.x0, 48, 2) << zone;
        EXPECT_NEAR(mini.x1, 143, 2) << zone;
        EXPECT_NEAR(mini.y0, 96, 2) << zone;
        EXPECT_NEAR(mini.y1, 127, 2) << zone;
        // plate-forme instable : dessus à y 32
        EXPECT_NEAR(t.Englobante(5 * 192, 2 * 192, 192, 192).y0, 32, 2) << zone;
        // bandes du bloc de tunnel : pleines, sauf la moitié cassée qui garde des débris
        for (int x : {960, 992, 1120})
            EXPECT_GT(Part(t, x + 4, 804, 24, 120, 200, 255), 0.9) << zone << " bande " << x;
        EXPECT_GT(Part(t, 1056, 800, 32, 128, 100, 255), 0.01) << zone;
        // rondin : dessus à y 32, flancs x 0 et 128, dessous à 288
        SurfacePlanche xl(SurfacePlanche::Trouver(z + "textures/texture_xl.png"));
        auto tronc = xl.Englobante(672, 224, 128, 288);
        EXPECT_NEAR(tronc.y0, 32, 2) << zone;
        EXPECT_NEAR(tronc.x0, 0, 2) << zone;
        EXPECT_NEAR(tronc.x1, 127, 2) << zone;
        EXPECT_NEAR(tronc.y1, 287, 2) << zone;
        // plate-forme suspendue : dessus de 64 (x 16 à 80) à la rangée 1, 32 de profondeur
        SurfacePlanche pa(SurfacePlanche::Trouver(z + "objets/passerelle.png"));
        auto dessus = pa.Englobante(16, 0, 64, pa.Hauteur());
        EXPECT_LE(dessus.y0, 1) << zone;
        EXPECT_NEAR(dessus.y1, 32, 2) << zone;
        EXPECT_GE(pa.Alpha(18, 16), 200) << zone;
        EXPECT_GE(pa.Alpha(78, 16), 200) << zone;
        // maillon : rond, accroché à l'origine (16, 0)
        SurfacePlanche m(SurfacePlanche::Trouver(z + "objets/passerelle_maillon.png"));
        auto bm = m.Englobante(0, 0, m.Largeur(), m.Hauteur());
        EXPECT_NEAR(bm.x1 - bm.x0, bm.y1 - bm.y0, 2) << zone;
        EXPECT_LE(bm.y0, 2) << zone;
        EXPECT_NEAR((bm.x0 + bm.x1) / 2.0, 16, 1.5) << zone;
        // planche du pont suspendu : 32 de large, son bord haut est la ligne de marche
        SurfacePlanche pm(SurfacePlanche::Trouver(z + "objets/pont_marche.png"));
        EXPECT_LE(pm.Englobante(0, 0, pm.Largeur(), pm.Hauteur()).y0, 1) << zone;
        // pont à pointes : les pointes de la colonne p sortent aux rangées 2p et 2p + 1, tablier à 24
        SurfacePlanche pe(SurfacePlanche::Trouver(z + "objets/pont_epineux.png"));
        for (int r = 0; r < 8; ++r)
        {
            int p = r / 2;
            for (int x : {3, 106, 254})
            {
                EXPECT_GE(pe.Alpha(x, r * 64 + 25), 200) << zone << " tablier, rangée " << r;
                EXPECT_LT(pe.Alpha(x, r * 64 + 22), 40) << zone << " au-dessus du tablier, rangée " << r;
            }
            for (int col = 0; col < 4; ++col)
            {
                double sortie = Part(pe, 64 * col, r * 64, 64, 16, 128, 255);
                if (col == p)
                    EXPECT_GT(sortie, 0.03) << zone << " rangée " << r;
                else
                    EXPECT_LT(sortie, 0.005) << zone << " rangée " << r << " colonne " << col;
            }
        }
    }
    // capsule de fin de zone : dessus du bouton à la rangée 24, de x 64 à 96
    SurfacePlanche fz(SurfacePlanche::Trouver(ZONES + "_/fin_zone.png"));
    for (int c : {0, 1})
    {
        auto b = fz.Englobante(c * 160, 0, 160, 30);
        EXPECT_NEAR(b.y0, 24, 1) << c;
        EXPECT_NEAR(b.x0, 64, 1) << c;
        EXPECT_NEAR(b.x1, 95, 1) << c;
    }
    // rocher : bloc de x 14 à 78 et de y 3 à 95, coins du haut chanfreinés
    SurfacePlanche ro(SurfacePlanche::Trouver("png/game/zones/1/decors/rocher.png"));
    EXPECT_GE(ro.Alpha(16, 10), 200);
    EXPECT_GE(ro.Alpha(76, 93), 200);
    EXPECT_LT(ro.Alpha(14.5, 3.5), 128);
    auto br = ro.Englobante(0, 0, ro.Largeur(), ro.Hauteur());
    EXPECT_NEAR(br.x0, 14, 2);
    EXPECT_NEAR(br.x1, 78, 2);
    EXPECT_NEAR(br.y0, 3, 2);
    EXPECT_NEAR(br.y1, 95, 2);
    // poussière : derrière la boule, son bas sur les pieds (rangée 64), jamais au-delà du centre
    SurfacePlanche du(SurfacePlanche::Trouver(HEROS + "dust.png"));
    for (int c = 0; c < 7; ++c)
    {
        auto b = du.Englobante(c * 64, 0, 64, 64);
        EXPECT_GE(b.y1, 58) << c;
        EXPECT_GE(b.x1, 40) << c;
        EXPECT_LT(b.x0, 20) << c;
    }
}

TEST(Gabarits, SensDesPiecesDuBossEtDesTirs)
{
    SurfacePlanche ro(SurfacePlanche::Trouver("png/game/personnages/boss/final/robot.png"));
    // le robot final regarde vers -x : botte et avant-bras s'étendent plus loin devant (à gauche)
    for (auto r : {std::make_pair(304, 120), std::make_pair(576, 64)})
    {
        auto b = ro.Englobante(0, r.first, 320, r.second);
        EXPECT_GT(160 - b.x0, b.x1 - 160) << "pièce en " << r.first;
    }
    // la botte a sa semelle 60 sous l'articulation, au bas du cadre
    EXPECT_NEAR(ro.Englobante(0, 304, 320, 120).y1, 119, 2);
    // flèches du viseur : dans le quart haut-gauche, de plus en plus près du coin bas-droit
    SurfacePlanche fl(SurfacePlanche::Trouver("png/game/personnages/boss/final/fleches.png"));
    int avant = -1;
    for (int c = 0; c < 7; ++c)
    {
        auto b = fl.Englobante(c * 192, 0, 192, 192);
        EXPECT_LT(b.x1, 192) << c;
        EXPECT_LT(b.y1, 192) << c;
        EXPECT_GT(b.x1, avant) << c;
        avant = b.x1;
    }
    // la guêpe tire dard vers le bas à droite, vers (+32, +48) de l'origine (64, 80)
    SurfacePlanche gu(SurfacePlanche::Trouver("png/game/personnages/droviks/guepe.png"));
    for (int c : {6, 7})
        EXPECT_GT(Part(gu, c * 128 + 96 - 12, 128 - 12, 24, 24, 128, 255), 0.04) << c;
    EXPECT_LT(Part(gu, 96 - 12, 128 - 12, 24, 24, 128, 255), 0.01);
    // le ZubRobot tire vers -x ; le canon mural de la même planche vers +x
    SurfacePlanche zu(SurfacePlanche::Trouver("png/game/personnages/droviks/zubrobot.png"));
    for (int c = 0; c < 8; ++c)
        EXPECT_GT(Part(zu, c * 128 + 16, 44, 24, 16, 128, 255), 0.3) << c;
    EXPECT_GT(Part(zu, 9 * 128 + 100, 72, 12, 16, 128, 255), 0.3);
    EXPECT_LT(Part(zu, 9 * 128, 72, 16, 16, 128, 255), 0.05);
}
