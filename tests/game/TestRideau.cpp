#include "engine/GestionnaireTextures.h"
#include "engine/MoteurGraphique.h"
#include "engine/SourceTemps.h"
#include "game/IAEngine.h"
#include "game/RideauLevel.h"
#include "scene/CercleScenique.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
// Images de la taille voulue rangées dans le cache à la place des fichiers
void Image(const std::string& chemin, unsigned int l, unsigned int h)
{
    sf::Texture& t = GestionnaireTextures::Instance()->Texture(chemin);
    sf::Image image;
    image.create(l, h, sf::Color::Blue);
    t.loadFromImage(image);
}

// Frames de 1/60 s jusqu'à l'état voulu ; nombre de frames, ou −1
int Jusqua(RideauLevel& r, int etat, int maximum = 2000)
{
    for (int i = 1; i <= maximum; ++i)
    {
        SourceTemps::Avancer(sf::seconds(1.f / 60.f));
        r.Animer();
        if (r.EtatRideau() == etat)
            return i;
    }
    return -1;
}

struct Penseur : CercleScenique
{
    Penseur() : CercleScenique(nullptr, {0.f, 0.f}, 0.f) {}
    void Penser() override { ++pensees; }
    int pensees = 0;
};
}

TEST(Rideau, ArriveeEtDepartAtteignentToujoursLeursCibles)
{
    SourceTemps::Manuel(true);
    Image("data/png/accueil/rideau.png", 640, 480);
    Image("data/png/accueil/bandeau.png", 100, 480); // largeur non multiple de 16
    RideauLevel r;
    EXPECT_EQ(r.profondeur, 2.0e9f);
    const auto& permanents = MoteurGraphique::Instance()->ListePermanente();
    EXPECT_NE(std::find(permanents.begin(), permanents.end(), &r), permanents.end());
    r.Preparer("Forêt", 2);
    EXPECT_EQ(r.TexteActe().getString(), sf::String("act 2"));
    const std::string attendu = "Forêt\nZONE";
    EXPECT_EQ(r.TexteZone().getString(), sf::String::fromUtf8(attendu.begin(), attendu.end()));
    r.Demarrer();
    EXPECT_EQ(r.EtatRideau(), 1);
    EXPECT_EQ(r.Bandeau().getPosition().x, -100.f);
    // 30 pas de 16 px : une demi-seconde à 60 images par seconde
    EXPECT_EQ(Jusqua(r, 2), 30);
    EXPECT_EQ(r.Rideau().getPosition().y, 0.f);
    EXPECT_GT(Jusqua(r, 3), 0);
    EXPECT_EQ(r.Bandeau().getPosition().x, 0.f);
    EXPECT_GT(Jusqua(r, 4), 0);
    EXPECT_EQ(r.TexteActe().getPosition().x, 100.f + 96.f);
    EXPECT_EQ(Jusqua(r, 5), 16); // plus de 0,25 s : la 16e frame de 1/60 s
    EXPECT_EQ(Jusqua(r, 6, 100), -1); // attend le chargeur
    r.Terminer();
    EXPECT_EQ(r.EtatRideau(), 11);
    EXPECT_GT(Jusqua(r, 12), 59);
    EXPECT_GT(Jusqua(r, 13), 0);
    EXPECT_EQ(r.Bandeau().getPosition().x, -100.f);
    EXPECT_EQ(Jusqua(r, 14), 30);
    EXPECT_GT(Jusqua(r, 16), 60);
    SourceTemps::Manuel(false);
}

// Le rideau levé, plus rien du carton ne se dessine sur le jeu : ni au premier chargement,
// ni au retour après une mort
TEST(Rideau, RienNeResteSurLeJeuUneFoisLeRideauLeve)
{
    SourceTemps::Manuel(true);
    Image("data/png/accueil/rideau.png", 640, 480);
    Image("data/png/accueil/bandeau.png", 160, 480);
    RideauLevel r;
    r.Preparer("Val des Brises", 1);
    for (int cycle = 0; cycle < 2; ++cycle)
    {
        r.Demarrer();
        ASSERT_GT(Jusqua(r, 5), 0);
        r.Terminer();
        int surLeJeu = 0, frames = 0;
        while (r.EtatRideau() != 16 && frames < 2000)
        {
            SourceTemps::Avancer(sf::seconds(1.f / 60.f));
            r.Animer();
            ++frames;
            const bool dessine = r.EtatRideau() >= 1 && r.EtatRideau() <= 15;
            const sf::FloatRect z = r.TexteZone().getGlobalBounds(), a = r.TexteActe().getGlobalBounds();
            const bool textesVus = z.left + z.width > 0.f || a.left < 640.f;
            if (dessine && r.Rideau().getPosition().y <= -480.f && textesVus)
                ++surLeJeu;
        }
        EXPECT_EQ(r.EtatRideau(), 16);
        EXPECT_EQ(surLeJeu, 0) << "cycle " << cycle;
    }
    SourceTemps::Manuel(false);
}

TEST(IA, InscriptionsEtPenseesSeulementActif)
{
    IAEngine ia;
    Penseur a, b;
    IAEngine::Inscrire(&a);
    IAEngine::Inscrire(&b);
    IAEngine::Inscrire(&a);
    ia.Penser();
    EXPECT_EQ(a.pensees, 0);
    ia.Activer();
    ia.Penser();
    EXPECT_EQ(a.pensees, 2);
    EXPECT_EQ(b.pensees, 1);
    IAEngine::Desinscrire(&a);
    ia.Penser();
    EXPECT_EQ(a.pensees, 2);
    EXPECT_EQ(b.pensees, 2);
    ia.Desactiver();
    EXPECT_TRUE(IAEngine::Liste().empty());
    EXPECT_FALSE(ia.Actif());
}
