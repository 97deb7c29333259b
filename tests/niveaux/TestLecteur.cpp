#include "Fichiers.h"
#include "SupportQt.h"

#include "game/LecteurNiveau.h"
#include "game/LevelManager.h"
#include "game/Quadtree.h"
#include "game/QuadtreeNode.h"
#include "game/SceneGraphique.h"
#include "scene/ElementScenique.h"
#include "screens/AppGoLevel.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace
{
QStringList titres, textes;
void Noter(const QString& titre, const QString& texte)
{
    titres << titre;
    textes << texte;
}

struct Lecteur : ::testing::Test
{
    QTemporaryDir dossier;
    SceneGraphique scene;
    LevelManager chargeur{&scene, nullptr, nullptr, nullptr};

    void SetUp() override
    {
        AppQt();
        titres.clear();
        textes.clear();
        LecteurNiveau::FixerAvertisseur(Noter);
        LevelManager::FixerDossier(dossier.path() + "/");
    }
    void TearDown() override
    {
        LecteurNiveau::FixerAvertisseur(nullptr);
        LevelManager::FixerDossier("data/map/");
    }
    // Charge la carte n comme le fait le jeu ; rend le nombre d'éléments rangés
    int Charger(int n, const QByteArray& octets)
    {
        EXPECT_TRUE(Ecrire(dossier.path() + "/" + QString::number(n) + ".map", octets));
        chargeur.FixerNiveau(n);
        chargeur.LireEntete();
        chargeur.PreparerRideau();
        scene.Vider();
        chargeur.LireElements();
        return scene.ComptesElements().ranges;
    }
};
}

TEST(Parametres, ProfondeurCourante_Couleurs_Et_TexteIllisible)
{
    float p = 0.f;
    std::vector<float> v;
    EXPECT_EQ(LecteurNiveau::LireParametres({"10", "2.5", "blue"}, p, v), 0);
    EXPECT_EQ(p, 10.f);
    EXPECT_EQ(v, (std::vector<float>{2.5f, 0.f, 0.f, 255.f}));
    // couleur seule : la profondeur précédente reste
    EXPECT_EQ(LecteurNiveau::LireParametres({"#FF0000"}, p, v), 0);
    EXPECT_EQ(p, 10.f);
    EXPECT_EQ(v, (std::vector<float>{255.f, 0.f, 0.f}));
    LecteurNiveau::LireParametres({}, p, v);
    EXPECT_EQ(p, 10.f);
    EXPECT_TRUE(v.empty());
    // un texte ni nombre ni couleur : 0, compté ; l'avertissement, unique, est celui du chargement
    EXPECT_EQ(LecteurNiveau::LireParametres({"3", "zorglub", "-1e2"}, p, v), 1);
    EXPECT_EQ(p, 3.f);
    EXPECT_EQ(v, (std::vector<float>{0.f, -100.f}));
    titres.clear();
    textes.clear();
    LecteurNiveau::FixerAvertisseur(Noter);
    LecteurNiveau::Avertir(1128020001);
    ASSERT_EQ(titres.size(), 1);
    EXPECT_EQ(titres[0], QString("Erreur de chargement"));
    EXPECT_EQ(textes[0], QString::fromUtf8("L'élément ID = 1128020001 n'a pas pu charger tous les paramètres."));
    LecteurNiveau::FixerAvertisseur(nullptr);
}

TEST_F(Lecteur, EnregistrementVide_Inconnu_Et_Plateformes)
{
    Carte c;
    c.Entete(4096, 2048, 3, 4)
        .Element(-1, 500, 500, {"42"})
        .Element(1128020001, 500, 500)
        .Element(123, 600, 500, {"7"})
        .Element(1128020001, 700, 500, {"#FF00FF"});
    // deux plates-formes et le décor de la zone 1
    EXPECT_EQ(Charger(3, c.octets), 3);
    EXPECT_EQ(scene.ComptesElements().inconnus, 1);
    EXPECT_EQ(chargeur.LargeurLue(), 4096);
    EXPECT_EQ(chargeur.NomZone(), QString("Essai"));
    EXPECT_EQ(chargeur.NumeroActe(), 2);
    EXPECT_EQ(scene.Largeur(), 4096);
}

TEST_F(Lecteur, MauvaisFormatOuNumero_RienNestCree_FichierAbsent_NiveauVide)
{
    Carte a;
    a.Entete(4096, 2048, 4, 1, 1286).Element(1128020001, 500, 500);
    EXPECT_EQ(Charger(4, a.octets), 0);
    Carte b;
    b.Entete(4096, 2048, 9, 1).Element(1128020001, 500, 500);
    EXPECT_EQ(Charger(5, b.octets), 0);
    EXPECT_EQ(chargeur.NumeroLu(), 9);
    // fichier absent : l'en-tête précédent reste, rien n'est créé
    chargeur.FixerNiveau(6);
    EXPECT_FALSE(chargeur.LireEntete());
    EXPECT_FALSE(chargeur.LireElements());
    EXPECT_EQ(chargeur.NumeroLu(), 9);
    EXPECT_EQ(chargeur.LargeurLue(), 4096);
}

TEST_F(Lecteur, FichiersHostiles_MessageClair_NiveauPartiel)
{
    Carte bonne;
    bonne.Entete(4096, 2048, 1, 3)
        .Element(1128020001, 500, 500, {"10", "magenta"})
        .Element(1128020001, 628, 500)
        .Element(1128020001, 756, 500);
    const QByteArray complet = bonne.octets;
    // chaque préfixe : jamais plus que le complet, jamais de plantage
    for (int n = 0; n <= complet.size(); ++n)
    {
        ::testing::internal::CaptureStderr();
        const int crees = Charger(1, complet.left(n));
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_LE(crees, 4); // trois plates-formes et le décor de zone
        if (n < complet.size())
        {
            EXPECT_NE(err.find("Niveau "), std::string::npos) << n << " : " << err;
        }
    }
    EXPECT_EQ(Charger(1, complet), 4);

    struct Cas
    {
        const char* nom;
        QByteArray octets;
        int attendus;
        const char* message;
    };
    std::vector<Cas> cas;
    {
        Carte c;
        c.Entete(4096, 2048, 1, -5).Element(1128020001, 500, 500);
        cas.push_back({"compte négatif", c.octets, 1, "négatif"});
    }
    {
        Carte c;
        c.Entete(4096, 2048, 1, 2147483647).Element(1128020001, 500, 500).Element(1128020001, 628, 500);
        cas.push_back({"compte énorme", c.octets, 3, "annoncés"});
    }
    {
        Carte c;
        c.Entete(4096, 2048, 1, 2).Element(1128020001, 500, 500);
        c.Entier(1128020001);
        c.flux << 628.0 << 500.0 << qint32(1) << qint32(0x7FFFFFF0);
        cas.push_back({"texte au-delà de la fin", c.octets, 2, "au-delà"});
    }
    {
        Carte c;
        c.Entete(4096, 2048, 1, 2).Element(1128020001, 500, 500);
        c.Entier(1128020001);
        c.flux << 628.0 << 500.0 << qint32(5000000);
        cas.push_back({"millions de paramètres", c.octets, 2, "paramètres"});
    }
    {
        Carte c;
        c.Entete(4096, 2048, 1, 1);
        c.Entier(1128020001);
        c.flux << 628.0 << 500.0 << qint32(1) << qint32(3);
        c.Entier(0);
        cas.push_back({"longueur impaire", c.octets, 1, "impaire"});
    }
    {
        // nom de zone démesuré dans l'en-tête : l'en-tête est refusé
        Carte c;
        c.flux << qint32(4096) << qint32(2048) << qint32(1) << qint32(-2);
        cas.push_back({"en-tête", c.octets, 0, "au-delà"});
    }
    {
        // tailles de niveau absurdes : l'élément est hors du niveau, rien ne casse
        Carte c;
        c.Entete(-1000, 2147483647, 1, 1).Element(1128020001, 500, 500);
        cas.push_back({"taille négative", c.octets, 0, ""});
    }
    // l'en-tête lisible, le décor de zone s'ajoute à ce qui a pu être lu
    for (const Cas& k : cas)
    {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(Charger(1, k.octets), k.attendus) << k.nom;
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(k.message), std::string::npos) << k.nom << " : " << err;
    }
}

namespace
{
void Tous(QuadtreeNode* n, std::vector<ElementScenique*>& tous)
{
    if (!n)
        return;
    tous.insert(tous.end(), n->Elements().begin(), n->Elements().end());
    for (int i = 0; i < 4; ++i)
        Tous(n->Enfant(i), tous);
}
}

// Textes et nombres hostiles : une seule boîte par chargement, les valeurs non finies ou démesurées
// sont des textes illisibles, les positions de même ; en-têtes hors bornes refusés, y compris dans la
// liste des niveaux ; un seul décor de zone quel que soit le nombre d'enregistrements de zone.
TEST_F(Lecteur, TextesEtNombresHostiles_UneBoiteParChargement)
{
    // 1 061 textes illisibles répartis sur 100 tuiles de sol
    Carte illisibles;
    illisibles.Entete(16384, 2048, 1, 100);
    for (int i = 0; i < 100; ++i)
    {
        QStringList t;
        for (int k = 0; k < (i == 0 ? 71 : 10); ++k)
            t << "abc";
        illisibles.Element(1128020001, 128 * i + 64, 1000, t);
    }
    EXPECT_GE(Charger(1, illisibles.octets), 100);
    EXPECT_EQ(titres.size(), 1);
    EXPECT_TRUE(!textes.isEmpty() && textes[0].contains("1061")) << textes.value(0).toStdString();

    // profondeurs, paramètres et positions non finis ou démesurés
    titres.clear();
    textes.clear();
    Carte nan;
    nan.Entete(4096, 2048, 1, 9)
        .Element(1128020001, 500, 1000, {"nan"})
        .Element(1128020001, 628, 1000, {"inf", "-inf"})
        .Element(1128020001, 756, 1000, {"1e30", "nan", "#00FF00"})
        .Element(1128020001, 884, 1000, {"10", "1e30", "-1e30"})
        .Element(1000002, std::nan(""), 500, {"10"})
        .Element(1000002, 1e30, 500, {"10"})
        .Element(1000002, 500, std::numeric_limits<double>::infinity(), {"10"})
        .Element(1000002, -1e300, 500, {"10"})
        .Element(5000001, 700, 800, {"nan", "inf"});
    scene.FixerTaille(4096, 2048);
    scene.FixerMarge(128);
    EXPECT_EQ(Charger(1, nan.octets), 6); // quatre sols, l'anneau et le décor
    EXPECT_EQ(titres.size(), 1);
    std::vector<ElementScenique*> tous;
    ASSERT_TRUE(scene.Index());
    Tous(&scene.Index()->Racine(), tous);
    for (ElementScenique* e : tous)
        EXPECT_TRUE(std::isfinite(e->profondeur));
    // aucun panneau placé hors du niveau n'a touché aux limites
    EXPECT_EQ(scene.LimiteDroite(), 4096 - 128);
    EXPECT_TRUE(!textes.isEmpty() && textes[0].contains("13")) << textes.value(0).toStdString();

    // en-têtes aux tailles et numéros hors bornes : refusés avec un message, rien n'est créé
    const int mauvais[][3] = {{INT_MIN, 2048, 1}, {4096, INT_MIN, 1}, {-1000, 2048, 1}, {4096, 0, 1},
                              {1 << 30, 2048, 1}, {4096, 2048, INT_MAX}, {4096, 2048, INT_MIN}};
    for (const auto& m : mauvais)
    {
        Carte c;
        c.Entete(m[0], m[1], m[2], 1).Element(1128020001, 500, 500);
        const QString chemin = dossier.path() + "/" + QString::number(m[2] == 1 ? 1 : 8) + ".map";
        ASSERT_TRUE(Ecrire(chemin, c.octets));
        chargeur.FixerNiveau(m[2] == 1 ? 1 : 8);
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(chargeur.LireEntete()) << m[0] << " " << m[1] << " " << m[2];
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find("Niveau "), std::string::npos) << err;
    }
    // la liste des niveaux ne propose pas les numéros démesurés
    QFile::remove(dossier.path() + "/1.map");
    const auto liste = AppGoLevel::ListerNiveaux((dossier.path() + "/").toStdString());
    for (const auto& n : liste)
        EXPECT_TRUE(n.first >= 1 && n.first <= 999) << n.first;

    // 20 enregistrements de zone : un seul décor, celui de l'en-tête
    Carte zones;
    zones.Entete(4096, 2048, 1, 21);
    for (int i = 0; i < 20; ++i)
        zones.Element(i % 3 == 0 ? 1 : i % 3 == 1 ? 2 : 99, 0, 0);
    zones.Element(1128020001, 500, 1000);
    EXPECT_EQ(Charger(1, zones.octets), 2);
}

TEST(Fabrique, BoucleEtGenres)
{
    SceneGraphique scene;
    scene.FixerTaille(4096, 2048);
    EXPECT_TRUE(scene.CreerElement(SceneGraphique::GENRE_BOUCLE, {1000.f, 1000.f}, 3.f, {1.f, 2.f}));
    // six pièces de tuile et dix bornes de couche
    EXPECT_EQ(scene.ComptesElements().ranges, 16);
    // genres hors table : rien ; la boucle seule n'est pas une plate-forme du fichier
    EXPECT_FALSE(scene.CreerElement(2014789632, {1000.f, 1000.f}, 0.f, {}));
    EXPECT_FALSE(scene.CreerElement(2000000000, {1000.f, 1000.f}, 0.f, {}));
    EXPECT_FALSE(scene.CreerElement(999999999, {1000.f, 1000.f}, 0.f, {}));
    EXPECT_EQ(scene.ComptesElements().inconnus, 3);
    EXPECT_FALSE(SceneGraphique::GenreConnu(2000025));
    EXPECT_FALSE(SceneGraphique::GenreConnu(2000020005));
    EXPECT_EQ(scene.ComptesElements().ranges, 16);
    // décor de zone, anneau, moniteur, borne, point de passage, panneau : un élément chacun
    for (int id : {1, 99, 5000001, 5000110, 1000062, 1000001, 1000002})
        EXPECT_TRUE(scene.CreerElement(id, {1000.f, 1000.f}, 0.f, {}));
    EXPECT_EQ(scene.ComptesElements().ranges, 23);
    // toute la plage des plates-formes, même les numéros non dessinés
    EXPECT_TRUE(scene.CreerElement(1999999999, {1000.f, 1000.f}, 0.f, {}));
    EXPECT_EQ(scene.ComptesElements().ranges, 24);
    // pièges et portail : un élément chacun
    const int avant = scene.ComptesElements().ranges;
    const int pieges[] = {1000005, 2000021, 2000022, 2000023, 2000024, 2000026, 2000028, 2000002, 2000004,
                          2000006, 2000008, 2000071, 2000099, 2000020001, 2000020004, 2000040001, 2000051};
    for (int id : pieges)
        EXPECT_TRUE(scene.CreerElement(id, {1000.f, 1000.f}, 0.f, {800.f})) << id;
    EXPECT_EQ(scene.ComptesElements().ranges, avant + int(sizeof(pieges) / sizeof(pieges[0])));
    // hors du niveau : détruit par l'index
    EXPECT_TRUE(scene.CreerElement(1128020001, {5000.f, 1000.f}, 0.f, {}));
    EXPECT_EQ(scene.ComptesElements().horsNiveau, 1);
}
