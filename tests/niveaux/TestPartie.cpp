// Déroulement d'une partie sur de petits niveaux écrits pour l'occasion : fin d'acte,
// portail vers un autre niveau, niveau absent.
#include "SupportQt.h"
#include "integration/Pilote.h"

#include "EssaiNiveau.h"
#include "SourceNiveau.h"
#include "game/LecteurNiveau.h"
#include "game/LevelManager.h"
#include "game/RideauLevel.h"
#include "screens/Ecran.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
// Un sol plat sur toute la largeur (haut du sol vers y 512), et les objets donnés
QString Source(int numero, int largeur, const QString& objets)
{
    QString grille;
    for (int c = 0; c < largeur / 128; ++c)
        grille += "=";
    return "largeur " + QString::number(largeur) + "\nhauteur 1024\nnumero " + QString::number(numero) +
           "\nzone \"Essai\"\nnumero_zone 1\nacte " + QString::number(numero) +
           "\nlegende\n = sol 10\n # plein 10\nfin\ngrille 4\n" + grille + "\n" + QString(grille).replace('=', '#') +
           "\nfin\n" + objets;
}

void Ecrire(const QString& dossier, int numero, const QString& source)
{
    NiveauSource n;
    QString erreur;
    ASSERT_TRUE(SourceNiveau::Lire(source, n, erreur)) << erreur.toStdString();
    QFile f(dossier + "/" + QString::number(numero) + ".map");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(SourceNiveau::Ecrire(n, &f));
}

struct Partie : ::testing::Test
{
    QTemporaryDir dossier;
    void SetUp() override
    {
        AppQt();
        LevelManager::FixerDossier(dossier.path() + "/");
        Ecran::DemanderEcran(5);
    }
    void TearDown() override
    {
        LevelManager::FixerDossier("data/map/");
        GameOptions::Instance()->DefinirNiveauChoisi(0);
        Ecran::DemanderEcran(0);
    }
};
} // namespace

// Pendant le bilan, le héros reste sur le sol et à l'écran jusqu'au chargement de l'acte suivant,
// même quand le panneau est près du bord droit ; le carton de l'acte suivant n'arrive qu'après le bilan.
TEST_F(Partie, FinActe_HerosResteALEcran_CartonApresLeBilan)
{
    // panneau à 200 px du bord droit du niveau, comme dans les anciens actes
    Ecrire(dossier.path(), 1, Source(1, 3072, "objet fin 2872 462\n"));
    Ecrire(dossier.path(), 2, Source(2, 3072, ""));
    for (int choix : {0, 1})
    {
        Pilote pilote(choix, 1);
        AppGame& app = *pilote.app;
        Heros& h = *pilote.heros;
        bool fin = false;
        float xMax = 0.f, ecartVue = 0.f, yMin = 1e9f, yMax = -1e9f;
        int framesCartonPendantBilan = 0;
        while (pilote.Temps() < 90.f && (app.Chargeur().NumeroNiveau() <= 1 || app.Scene().EtatScene() != SCENE_JEU))
        {
            pilote.Frame();
            const int etat = app.Scene().EtatScene();
            if (etat == SCENE_FIN_ACTE)
                fin = true;
            if (!fin || app.Chargeur().Etape() >= 3)
                continue;
            // du panneau au chargement du niveau suivant
            xMax = std::max(xMax, h.position.x);
            yMin = std::min(yMin, h.position.y);
            yMax = std::max(yMax, h.position.y);
            ecartVue = std::max(ecartVue, std::abs(h.position.x - app.CameraJeu().Vue().getCenter().x));
            // le bilan est dessiné (affichage visible, fin d'acte ou niveau suivant demandé) sous le carton
            const int carton = app.Chargeur().Rideau().EtatRideau();
            if ((etat == SCENE_FIN_ACTE || etat == SCENE_SUIVANTE) && app.Infos().Visible() && carton >= 1 &&
                carton <= 15)
                ++framesCartonPendantBilan;
        }
        ASSERT_TRUE(fin) << "héros " << choix;
        EXPECT_EQ(app.Chargeur().NumeroNiveau(), 2) << "héros " << choix;
        // le corps (16 px de rayon au moins, en boule) reste dans le niveau et dans la vue
        EXPECT_LE(xMax, 3072.f - 16.f) << "héros " << choix;
        EXPECT_LE(ecartVue, 320.f - 16.f) << "héros " << choix;
        EXPECT_LT(yMax - yMin, 8.f) << "héros " << choix;
        EXPECT_EQ(framesCartonPendantBilan, 0) << "héros " << choix;
    }
}

// Un portail mène à sa destination, et la partie continue après elle (destination + 1) ;
// une destination absente ramène au titre avec un message qui nomme le fichier.
TEST_F(Partie, PortailVersSaDestination_PuisLaSuite)
{
    for (int n : {1, 2, 3, 4})
        Ecrire(dossier.path(), n, Source(n, 2048, ""));
    Ecrire(dossier.path(), 99, Source(99, 2048, ""));
    Pilote pilote(0, 2);
    AppGame& app = *pilote.app;
    auto Jouer = [&](float secondes) {
        const float fin = pilote.Temps() + secondes;
        while (pilote.Temps() < fin)
            pilote.Frame();
    };
    Jouer(6.f);
    ASSERT_EQ(app.Scene().EtatScene(), SCENE_JEU);
    ASSERT_EQ(app.Chargeur().NumeroLu(), 2);
    // ce que fait le portail : la destination au contact, le départ quelques secondes après ;
    // une mort entre les deux recommence l'acte en cours, pas un autre
    GameOptions::Instance()->DefinirNiveauChoisi(99);
    Jouer(1.f);
    app.Scene().FixerEtatScene(SCENE_RECOMMENCER);
    Jouer(6.f);
    EXPECT_EQ(app.Chargeur().NumeroNiveau(), 2);
    EXPECT_GT(app.Scene().ComptesElements().ranges, 20);
    EXPECT_EQ(app.Scene().EtatScene(), SCENE_JEU);
    Jouer(1.f);
    app.Scene().FixerEtatScene(SCENE_SUIVANTE);
    Jouer(6.f);
    EXPECT_EQ(app.Chargeur().NumeroLu(), 99);
    EXPECT_EQ(app.Scene().EtatScene(), SCENE_JEU);
    // une mort dans le niveau secret le recommence
    app.Scene().FixerEtatScene(SCENE_RECOMMENCER);
    Jouer(6.f);
    EXPECT_EQ(app.Chargeur().NumeroLu(), 99);
    // le portail du niveau secret ramène à l'acte 3, puis vient l'acte 4
    GameOptions::Instance()->DefinirNiveauChoisi(3);
    Jouer(1.f);
    app.Scene().FixerEtatScene(SCENE_SUIVANTE);
    Jouer(6.f);
    EXPECT_EQ(app.Chargeur().NumeroLu(), 3);
    app.Scene().FixerEtatScene(SCENE_SUIVANTE);
    Jouer(6.f);
    EXPECT_EQ(app.Chargeur().NumeroLu(), 4);
    EXPECT_EQ(Ecran::EcranDemande(), 5);
    // un portail vers un niveau qui n'existe pas
    GameOptions::Instance()->DefinirNiveauChoisi(42);
    Jouer(1.f);
    app.Scene().FixerEtatScene(SCENE_SUIVANTE);
    ::testing::internal::CaptureStderr();
    Jouer(1.f);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Ecran::EcranDemande(), 1);
    EXPECT_NE(err.find("42.map"), std::string::npos) << err;
}

// Un niveau absent : un message qui nomme le fichier et le retour au titre, pas une scène vide
// où le héros meurt jusqu'à la fin de la partie ; de même pour un numéro de niveau démesuré.
TEST_F(Partie, NiveauAbsentOuNumeroDemesure_RetourAuTitre)
{
    for (int choix : {0, 1, 2147483647, -2147483647 - 1})
    {
        Ecran::DemanderEcran(5);
        ::testing::internal::CaptureStderr();
        Pilote pilote(0, choix);
        const int vies = pilote.heros->Vies();
        for (int i = 0; i < 120 && Ecran::EcranDemande() == 5; ++i)
            pilote.Frame();
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(Ecran::EcranDemande(), 1) << choix;
        EXPECT_NE(err.find(".map"), std::string::npos) << choix << " : " << err;
        EXPECT_EQ(pilote.heros->Vies(), vies) << choix;
    }
}

namespace
{
// Cartes hostiles tirées d'un vrai niveau
QByteArray Variante(const NiveauSource& base, int cas)
{
    NiveauSource n = base;
    qint32 nombre = -1;
    for (size_t i = 0; i < n.elements.size(); ++i)
    {
        ElementSource& e = n.elements[i];
        for (QString& t : e.textes)
        {
            bool ok = false;
            t.toFloat(&ok);
            if (ok && cas <= 2)
                t = QStringList{"nan", "inf", "1e30"}[cas];
        }
        if (cas == 3 && i % 7 == 0)
        {
            e.x = std::nan("");
            e.y = 1e30;
        }
        if (cas == 6)
            e.id += 1;
    }
    if (cas == 4)
        n.entete.largeur = -4096;
    if (cas == 5)
        nombre = 2147483647;
    if (cas == 7)
        for (int i = 0; i < 300; ++i)
        {
            ElementSource z;
            z.id = i % 2 ? 1 : 99;
            n.elements.push_back(z);
        }
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    SourceNiveau::Ecrire(n, &tampon);
    if (nombre >= 0)
    {
        // le compte d'éléments suit les sept champs de l'en-tête
        const int decalage = 12 + 4 + 2 * n.entete.nomZone.size() + 12;
        for (int k = 0; k < 4; ++k)
            octets[decalage + k] = char((nombre >> (8 * k)) & 0xFF);
    }
    return octets;
}
} // namespace

// Cartes hostiles par tout le chemin du jeu (lecture, fabrique, chaque élément, carton, frames de jeu
// avec le héros) : celles qu'a trouvées le fuzz (tests/niveaux/hostiles/) et des variantes d'un vrai
// niveau ("nan", "inf", 1e30, positions non finies, taille négative, compte énorme, genres inconnus,
// 300 décors de zone). Chacune donne un message clair, puis un niveau qui se joue ou le retour au titre.
TEST_F(Partie, CartesHostilesParToutLeJeu)
{
    LecteurNiveau::FixerAvertisseur(LecteurNiveau::AvertirSurErreurStandard);
    QString source = "data/map/2.map";
    if (!QFile::exists(source))
        source = "data/map/1.map";
    QFile f(source);
    if (!f.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "niveaux non générés";
    NiveauSource base;
    QString erreur;
    bool ok = false;
    ASSERT_TRUE(SourceNiveau::Lire(SourceNiveau::Decrire(&f, source, &ok), base, erreur)) << erreur.toStdString();
    const char* noms[] = {"nan", "inf", "1e30", "positions", "taille négative", "compte énorme", "genres inconnus",
                          "zones"};
    for (int cas = 0; cas < 8; ++cas)
    {
        ::testing::internal::CaptureStderr();
        const EssaiNiveau::Bilan b = EssaiNiveau::Jouer(Variante(base, cas), dossier.path(), cas % 2, 30);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(b.joue != b.titre) << noms[cas];
        EXPECT_EQ(b.titre, cas == 4) << noms[cas];
        EXPECT_TRUE(err.find("Niveau ") != std::string::npos || err.find("Erreur de chargement") != std::string::npos)
            << noms[cas] << " : " << err.substr(0, 400);
    }
    // les trouvailles du fuzz, rejouées
    const QDir trouvailles("tests/niveaux/hostiles");
    for (const QString& nom : trouvailles.entryList(QStringList() << "*.map", QDir::Files, QDir::Name))
    {
        QFile t(trouvailles.filePath(nom));
        ASSERT_TRUE(t.open(QIODevice::ReadOnly));
        ::testing::internal::CaptureStderr();
        const EssaiNiveau::Bilan b = EssaiNiveau::Jouer(t.readAll(), dossier.path(), 0, 60);
        ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(b.joue || b.titre) << nom.toStdString();
    }
    LecteurNiveau::FixerAvertisseur(nullptr);
}
