#include "engine/GestionnaireAudio.h"
#include "engine/GestionnaireControleurs.h"
#include "engine/GestionnaireTextures.h"
#include "engine/MoteurAudio.h"

#include <SFML/Audio/OutputSoundFile.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <cmath>
#include <vector>

namespace
{
int Occurrences(const std::string& texte, const std::string& motif)
{
    int n = 0;
    for (std::size_t i = texte.find(motif); i != std::string::npos; i = texte.find(motif, i + 1))
        ++n;
    return n;
}

// Écrit un petit OGG (une sinusoïde) pour les tests de musique
std::string EcrireOgg(const QTemporaryDir& dossier, const std::string& nom, float secondes)
{
    const std::string chemin = dossier.path().toStdString() + "/" + nom;
    sf::OutputSoundFile f;
    if (!f.openFromFile(chemin, 44100, 1))
        return chemin;
    std::vector<sf::Int16> ech(static_cast<std::size_t>(44100 * secondes));
    for (std::size_t i = 0; i < ech.size(); ++i)
        ech[i] = static_cast<sf::Int16>(8000 * std::sin(i * 0.05));
    f.write(ech.data(), ech.size());
    return chemin;
}
} // namespace

TEST(GestionnaireTextures, UnSeulChargementEtUnSeulMessagePourUnFichierAbsent)
{
    testing::internal::CaptureStderr();
    sf::Texture& a = GestionnaireTextures::Instance()->Texture("absent/rien.png");
    sf::Texture& b = GestionnaireTextures::Instance()->Texture("absent/rien.png");
    const std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(a.getSize().x, 0u);
    // SFML ajoute ses propres détails ; notre message paraît une seule fois
    EXPECT_EQ(Occurrences(erreurs, "Impossible de charger l'image : absent/rien.png\n"), 1);
}

TEST(GestionnaireTextures, ImageLueUneFoisSansLissage)
{
    QTemporaryDir dossier;
    sf::Image img;
    img.create(4, 2, sf::Color::Red);
    const std::string chemin = dossier.path().toStdString() + "/rouge.png";
    ASSERT_TRUE(img.saveToFile(chemin));
    sf::Texture& t = GestionnaireTextures::Instance()->Texture(chemin);
    EXPECT_EQ(t.getSize(), sf::Vector2u(4, 2));
    EXPECT_FALSE(t.isSmooth());
    QFile::remove(QString::fromStdString(chemin));
    // le fichier a disparu : le cache répond quand même
    EXPECT_EQ(&GestionnaireTextures::Instance()->Texture(chemin), &t);
}

TEST(GestionnaireAudio, CouperGardeLesVolumesEtLesRendAuRetour)
{
    QTemporaryDir dossier;
    GestionnaireAudio* ga = GestionnaireAudio::Instance();
    const std::string son = EcrireOgg(dossier, "son.ogg", 0.1f);
    ga->ChargerSon(son);
    ASSERT_NE(ga->Son(son), nullptr);
    EXPECT_FLOAT_EQ(ga->Son(son)->getVolume(), 50.f);

    ga->Couper(true);
    ga->DefinirVolumeSons(80);
    EXPECT_EQ(ga->VolumeSons(), 80);
    EXPECT_FLOAT_EQ(ga->Son(son)->getVolume(), 0.f);
    // chargé pendant la coupure : muet aussi
    const std::string son2 = EcrireOgg(dossier, "son2.ogg", 0.1f);
    ga->ChargerSon(son2);
    EXPECT_FLOAT_EQ(ga->Son(son2)->getVolume(), 0.f);
    sf::Music* m = ga->Musique(EcrireOgg(dossier, "m.ogg", 0.2f), true);
    ASSERT_NE(m, nullptr);
    EXPECT_FLOAT_EQ(m->getVolume(), 0.f);

    ga->Couper(false);
    EXPECT_FLOAT_EQ(ga->Son(son)->getVolume(), 80.f);
    EXPECT_FLOAT_EQ(ga->Son(son2)->getVolume(), 80.f);
    EXPECT_FLOAT_EQ(m->getVolume(), 30.f);
    ga->DefinirVolumeSons(50);
}

TEST(GestionnaireAudio, SonInconnuMuetSansMessageEtMusiqueAbsenteSignaleeUneFois)
{
    GestionnaireAudio* ga = GestionnaireAudio::Instance();
    testing::internal::CaptureStderr();
    ga->JouerSon("data/ogg/sounds/inexistant.ogg");
    sf::Music* m1 = ga->Musique("absent/musique.ogg", true);
    sf::Music* m2 = ga->Musique("absent/musique.ogg", true);
    const std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_EQ(m1, nullptr);
    ASSERT_NE(m2, nullptr); // la musique non ouverte, qui ne joue rien
    EXPECT_EQ(Occurrences(erreurs, "Impossible de charger le son : absent/musique.ogg\n"), 1);
    EXPECT_EQ(Occurrences(erreurs, "inexistant"), 0);
    ASSERT_NE(ga->Son("data/ogg/sounds/inexistant.ogg"), nullptr);
    EXPECT_EQ(ga->Son("data/ogg/sounds/inexistant.ogg")->getStatus(), sf::SoundSource::Stopped);
}

TEST(GestionnaireControleurs, ReglagesDOrigine)
{
    GestionnaireControleurs* gc = GestionnaireControleurs::Instance();
    gc->Reinitialiser();
    EXPECT_EQ(gc->Controleur(), GestionnaireControleurs::CLAVIER);
    const int attendues[8] = {73, 74, 71, 72, 16, 18, 3, 58};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(gc->Touche(i), attendues[i]) << "action " << i;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(gc->Bouton(i), static_cast<unsigned>(i));
}

struct PileMusiques : ::testing::Test
{
    QTemporaryDir dossier;
    sf::Music* niveau = nullptr;
    sf::Music* jingle = nullptr;
    void SetUp() override
    {
        niveau = GestionnaireAudio::Instance()->Musique(EcrireOgg(dossier, "niveau.ogg", 2.f), true);
        jingle = GestionnaireAudio::Instance()->Musique(EcrireOgg(dossier, "jingle.ogg", 0.2f), false);
        ASSERT_NE(niveau, nullptr);
        ASSERT_NE(jingle, nullptr);
        MoteurAudio::Instance()->ArreterTout();
    }
    void TearDown() override { MoteurAudio::Instance()->ArreterTout(); }
};

TEST_F(PileMusiques, JingleSansBoucleRetireEtMusiqueDuDessousRepartDuDebut)
{
    MoteurAudio* ma = MoteurAudio::Instance();
    ma->JouerMusique(niveau);
    ma->JouerMusique(jingle);
    EXPECT_EQ(niveau->getStatus(), sf::SoundSource::Stopped);
    ASSERT_EQ(ma->Pile().size(), 2u);
    jingle->stop(); // le jingle se termine
    ma->MettreAJour(true);
    ASSERT_EQ(ma->Pile().size(), 1u);
    EXPECT_EQ(ma->Pile().back(), niveau);
    EXPECT_EQ(niveau->getStatus(), sf::SoundSource::Playing);
}

TEST_F(PileMusiques, MemeMusiqueNonRelanceeEtMusiqueDuDessousEmpileeDeuxFois)
{
    MoteurAudio* ma = MoteurAudio::Instance();
    ma->JouerMusique(niveau);
    ma->JouerMusique(niveau);
    EXPECT_EQ(ma->Pile().size(), 1u);
    ma->JouerMusique(jingle);
    ma->JouerMusique(niveau);
    EXPECT_EQ(ma->Pile().size(), 3u);
    ma->ArreterMusique(jingle); // pas au sommet : rien
    EXPECT_EQ(ma->Pile().size(), 3u);
}

TEST_F(PileMusiques, PauseNeToucheQueLeSommetEtHauteurConserveeJusquAArreterTout)
{
    MoteurAudio* ma = MoteurAudio::Instance();
    ma->MettreAJour(false); // pile vide : rien
    ma->DefinirHauteur(1.5f);
    ma->JouerMusique(niveau);
    EXPECT_FLOAT_EQ(niveau->getPitch(), 1.5f);
    ma->MettreAJour(false);
    EXPECT_EQ(niveau->getStatus(), sf::SoundSource::Paused);
    ma->MettreAJour(true);
    EXPECT_EQ(niveau->getStatus(), sf::SoundSource::Playing);
    ma->ArreterTout();
    EXPECT_FLOAT_EQ(ma->Hauteur(), 1.f);
    EXPECT_TRUE(ma->Pile().empty());
    EXPECT_EQ(niveau->getStatus(), sf::SoundSource::Stopped);
}

TEST_F(PileMusiques, MusiqueSansBoucleSeuleQuitteLaPile)
{
    MoteurAudio* ma = MoteurAudio::Instance();
    ma->JouerMusique(jingle);
    jingle->stop();
    ma->MettreAJour(true);
    EXPECT_TRUE(ma->Pile().empty());
    ma->JouerMusique(nullptr);
    EXPECT_TRUE(ma->Pile().empty());
}
