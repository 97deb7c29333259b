// Ce que le jeu fait entendre, écrit par la sortie « wave » d'OpenAL Soft.
#include "SupportQt.h"

#include "engine/GestionnaireAudio.h"
#include "engine/MoteurAudio.h"
#include "shell/MyQMainWindow.h"

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

namespace
{
// Doit précéder toute ouverture du périphérique audio dans ce processus
std::string PreparerSortieWave(const QTemporaryDir& dossier)
{
    const std::string wav = dossier.path().toStdString() + "/sortie.wav";
    const std::string conf = dossier.path().toStdString() + "/alsoft.conf";
    std::ofstream f(conf);
    f << "[general]\ndrivers = wave\nsample-type = int16\nchannels = stereo\n[wave]\nfile = " << wav << "\n";
    f.close();
    setenv("ALSOFT_CONF", conf.c_str(), 1);
    return wav;
}

// Niveau efficace des échantillons 16 bits écrits entre deux instants, en secondes
// comptées depuis la fin du fichier (la fermeture de la fenêtre)
double NiveauEfficace(const std::string& wav, double debutAvantFin, double finAvantFin)
{
    std::ifstream f(wav, std::ios::binary);
    std::vector<char> octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::size_t pos = 12;
    while (pos + 8 <= octets.size() && std::memcmp(&octets[pos], "data", 4) != 0)
    {
        std::uint32_t taille;
        std::memcpy(&taille, &octets[pos + 4], 4);
        pos += 8 + taille;
    }
    pos += 8;
    if (pos >= octets.size())
        return -1.0;
    const long n = static_cast<long>((octets.size() - pos) / 2);
    const long a = std::max(0L, n - static_cast<long>(debutAvantFin * 44100 * 2));
    const long b = std::max(0L, n - static_cast<long>(finAvantFin * 44100 * 2));
    double somme = 0;
    for (long i = a; i < b; ++i)
    {
        std::int16_t e;
        std::memcpy(&e, &octets[pos + 2 * i], 2);
        somme += double(e) * e;
    }
    return b > a ? std::sqrt(somme / (b - a)) / 32768.0 : -1.0;
}

void Patienter(int ms)
{
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
}

// Attend que l'air de démarrage joue (il commence quand la première mention s'efface)
bool AttendreMusique()
{
    for (int i = 0; i < 300; ++i)
    {
        const auto& pile = MoteurAudio::Instance()->Pile();
        if (!pile.empty() && pile.back()->getStatus() == sf::SoundSource::Playing)
            return true;
        Patienter(100);
    }
    return false;
}
} // namespace

// Chaque test tourne dans son propre processus (ctest), donc avec sa propre sortie audio.
TEST(SonEnJeu, AirDeDemarrageAudibleDerriereLesCartes)
{
    if (!QFile::exists("data/ogg/musics/accueil.ogg"))
        GTEST_SKIP() << "données non générées";
    QTemporaryDir dossier;
    const std::string wav = PreparerSortieWave(dossier);
    AppQt();
    {
        MyQMainWindow fenetre;
        fenetre.show();
        ASSERT_TRUE(AttendreMusique());
        Patienter(1800);
    }
    const double niveau = NiveauEfficace(wav, 1.5, 0.2);
    EXPECT_GT(niveau, 0.005) << "rien d'audible pendant les cartes de démarrage";
}

TEST(SonEnJeu, CoupureRendLaSortieSilencieuse)
{
    if (!QFile::exists("data/ogg/musics/accueil.ogg"))
        GTEST_SKIP() << "données non générées";
    QTemporaryDir dossier;
    const std::string wav = PreparerSortieWave(dossier);
    AppQt();
    {
        MyQMainWindow fenetre;
        fenetre.show();
        ASSERT_TRUE(AttendreMusique());
        Patienter(1300);
        GestionnaireAudio::Instance()->Couper(true);
        Patienter(1500);
    }
    EXPECT_GT(NiveauEfficace(wav, 2.6, 1.7), 0.005) << "l'air devait jouer avant la coupure";
    EXPECT_LT(NiveauEfficace(wav, 1.2, 0.1), 1e-4);
    GestionnaireAudio::Instance()->Couper(false);
}

TEST(SonEnJeu, LeVolumeDesMusiquesChangeLeNiveau)
{
    if (!QFile::exists("data/ogg/musics/accueil.ogg"))
        GTEST_SKIP() << "données non générées";
    QTemporaryDir dossier;
    const std::string wav = PreparerSortieWave(dossier);
    AppQt();
    double bas = 0, haut = 0;
    {
        MyQMainWindow fenetre;
        fenetre.show();
        ASSERT_TRUE(AttendreMusique());
        GestionnaireAudio::Instance()->DefinirVolumeMusiques(10);
        Patienter(1500);
        GestionnaireAudio::Instance()->DefinirVolumeMusiques(100);
        Patienter(1500);
    }
    bas = NiveauEfficace(wav, 2.7, 1.7);
    haut = NiveauEfficace(wav, 1.2, 0.2);
    EXPECT_GT(bas, 0.0);
    EXPECT_GT(haut, 4.0 * bas) << "bas " << bas << " haut " << haut;
    GestionnaireAudio::Instance()->DefinirVolumeMusiques(30);
}

#include "game/GameOptions.h"
#include "screens/Ecran.h"

TEST(SonEnJeu, MusiqueDeZoneAudibleDansLaPartie)
{
    if (!QFile::exists("data/ogg/musics/zone_1.ogg") || !QFile::exists("data/map/1.map"))
        GTEST_SKIP() << "données non générées";
    QTemporaryDir dossier;
    const std::string wav = PreparerSortieWave(dossier);
    AppQt();
    bool zoneEnTete = false;
    {
        MyQMainWindow fenetre;
        fenetre.show();
        ASSERT_TRUE(AttendreMusique());
        GameOptions::Instance()->DefinirNiveauChoisi(1);
        Ecran::DemanderEcran(5); // la partie : carton, chargement, puis la musique de la zone
        sf::Music* zone = GestionnaireAudio::Instance()->Musique("data/ogg/musics/zone_1.ogg", true);
        for (int i = 0; i < 150 && !zoneEnTete; ++i)
        {
            Patienter(100);
            const auto& pile = MoteurAudio::Instance()->Pile();
            zoneEnTete = !pile.empty() && pile.back() == zone && zone->getStatus() == sf::SoundSource::Playing;
        }
        Patienter(1500);
    }
    EXPECT_TRUE(zoneEnTete) << "la musique de la zone 1 n'a pas pris la tête de la pile";
    EXPECT_GT(NiveauEfficace(wav, 1.3, 0.2), 0.005);
}

#include "game/AppGame.h"
#include "shell/MyQtSFMLWindow.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <iostream>

// Entrée relâchée en pleine partie : la pause du menu (coche comprise), image figée avec le mot
// PAUSE et musique suspendue ; relâchée de nouveau, tout reprend
TEST(SonEnJeu, EntreeRelacheeEnJeuSuspendLaMusiqueEtFigeLImage)
{
    if (!QFile::exists("data/ogg/musics/zone_1.ogg") || !QFile::exists("data/map/1.map"))
        GTEST_SKIP() << "données non générées";
    QTemporaryDir dossier;
    const std::string wav = PreparerSortieWave(dossier);
    AppQt();
    bool enJeu = false, figee = false, coche = false, reprise = false;
    int clairs = 0, sombres = 0;
    {
        MyQMainWindow fenetre;
        fenetre.show();
        MyQtSFMLWindow* canvas = fenetre.Canvas();
        QAction* pause = nullptr;
        for (QAction* a : fenetre.menuBar()->actions().first()->menu()->actions())
            if (a->text() == "Mettre en pause")
                pause = a;
        ASSERT_TRUE(AttendreMusique());
        GameOptions::Instance()->DefinirNiveauChoisi(1);
        Ecran::DemanderEcran(5);
        for (int i = 0; i < 150 && !enJeu; ++i)
        {
            Patienter(100);
            auto* jeu = canvas->EcranCourant() == 5 ? dynamic_cast<AppGame*>(canvas->EcranNumero(5)->App()) : nullptr;
            enJeu = jeu && jeu->Scene().EtatScene() == SCENE_JEU && !MoteurAudio::Instance()->Pile().empty();
        }
        Patienter(1500);
        auto relacher = [&] {
            QKeyEvent e(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(canvas, &e);
            Patienter(100);
        };
        relacher();
        coche = canvas->EnPause() && pause->isChecked();
        const sf::Image a = canvas->Image().getTexture().copyToImage();
        Patienter(1400);
        const sf::Image b = canvas->Image().getTexture().copyToImage();
        figee = std::memcmp(a.getPixelsPtr(), b.getPixelsPtr(), 640 * 480 * 4) == 0;
        // le mot : du blanc pur bordé de noir au milieu de l'image
        for (unsigned y = 215; y < 265; ++y)
            for (unsigned x = 250; x < 390; ++x)
            {
                clairs += a.getPixel(x, y) == sf::Color::White;
                sombres += a.getPixel(x, y) == sf::Color::Black;
            }
        relacher();
        reprise = !canvas->EnPause() && !pause->isChecked();
        Patienter(1400);
    }
    // niveaux par quarts de seconde sur les 7 dernières secondes : le plus long silence, et autour
    std::vector<double> quarts;
    for (int k = 0; k < 28; ++k)
        quarts.push_back(NiveauEfficace(wav, 7.0 - 0.25 * k, 6.75 - 0.25 * k));
    int debut = 0, longueur = 0;
    for (int k = 0, n = 0; k < 28; ++k)
    {
        n = quarts[k] >= 0 && quarts[k] < 1e-4 ? n + 1 : 0;
        if (n > longueur)
        {
            longueur = n;
            debut = k - n + 1;
        }
    }
    double avant = 0, apres = 0;
    for (int k = std::max(0, debut - 4); k < debut; ++k)
        avant = std::max(avant, quarts[k]);
    for (int k = debut + longueur; k < std::min(28, debut + longueur + 4); ++k)
        apres = std::max(apres, quarts[k]);
    std::cout << "silence de " << 0.25 * longueur << " s ; niveau avant " << avant << ", après " << apres << std::endl;
    EXPECT_TRUE(enJeu);
    EXPECT_TRUE(coche) << "pause et coche du menu";
    EXPECT_TRUE(figee);
    EXPECT_GT(clairs, 300);
    EXPECT_GT(sombres, 100);
    EXPECT_TRUE(reprise);
    EXPECT_GE(longueur, 4) << "la pause dure 1,5 s";
    EXPECT_LE(longueur, 8);
    EXPECT_GT(avant, 0.005);
    EXPECT_GT(apres, 0.005);
}
