#include "Fichiers.h"
#include "SupportQt.h"

#include "engine/GestionnaireTextures.h"
#include "engine/SourceTemps.h"
#include "game/GameEngine.h"
#include "game/IAEngine.h"
#include "game/LecteurNiveau.h"
#include "game/LevelManager.h"
#include "game/SceneGraphique.h"
#include "scene/Sprite.h"

#include <SFML/Graphics/Image.hpp>

#include <gtest/gtest.h>

namespace
{
void Image(const std::string& chemin, unsigned int l, unsigned int h)
{
    sf::Image image;
    image.create(l, h, sf::Color::Blue);
    GestionnaireTextures::Instance()->Texture(chemin).loadFromImage(image);
}
}

// Les étapes du chargeur suivent le carton : rien n'est reconstruit avant qu'il couvre l'écran,
// le moteur ne repart qu'à son départ, la scène n'est prête qu'à la fin.
TEST(Chargement, EtapesAuRythmeDuCarton)
{
    AppQt();
    SourceTemps::Manuel(true);
    Image("data/png/accueil/rideau.png", 640, 480);
    Image("data/png/accueil/bandeau.png", 128, 480);
    QTemporaryDir dossier;
    LevelManager::FixerDossier(dossier.path() + "/");
    Carte c;
    c.Entete(3000, 1500, 1, 2).Element(1128020001, 192, 1000, {"10"}).Element(1128020001, 192, 800);
    ASSERT_TRUE(Ecrire(dossier.path() + "/1.map", c.octets));

    SceneGraphique scene;
    GameEngine moteur(&scene);
    IAEngine ia;
    LevelManager chargeur(&scene, &moteur, &ia, nullptr);
    moteur.Activer();
    ia.Activer();
    // un élément de l'ancien niveau, encore montré pendant l'arrivée du carton
    scene.FixerTaille(3000, 1500);
    scene.CreerElement(1128020001, {1000.f, 1000.f}, 0.f, {});
    ASSERT_EQ(scene.EtatScene(), SCENE_SUIVANTE);

    chargeur.Charger();
    EXPECT_EQ(chargeur.NumeroNiveau(), 1);
    EXPECT_EQ(chargeur.NomZone(), QString("Essai"));
    EXPECT_EQ(Sprite::DossierZone(), std::string("data/png/game/zones/1/"));
    EXPECT_EQ(chargeur.Etape(), 1);
    chargeur.Charger();
    EXPECT_EQ(chargeur.Etape(), 2);
    EXPECT_EQ(chargeur.Rideau().EtatRideau(), 1);

    int frames = 0;
    int etatAuChargement = -1, etatAuDepart = -1;
    bool ancienVisibleAvant = true;
    while (scene.EtatScene() != SCENE_PRETE && frames < 5000)
    {
        SourceTemps::Avancer(sf::seconds(1.f / 60.f));
        chargeur.Rideau().Animer();
        const int avant = chargeur.Etape();
        if (avant == 2 && chargeur.Rideau().EtatRideau() != 5)
        {
            ancienVisibleAvant = ancienVisibleAvant && scene.ComptesElements().ranges == 1 && moteur.Actif();
        }
        chargeur.Charger();
        if (avant == 3)
            etatAuChargement = chargeur.Rideau().EtatRideau();
        if (avant == 5 && chargeur.Etape() == 6)
            etatAuDepart = chargeur.Rideau().EtatRideau();
        if (chargeur.Etape() >= 3 && chargeur.Etape() <= 5)
        {
            EXPECT_FALSE(moteur.Actif());
        }
        ++frames;
    }
    EXPECT_LT(frames, 5000);
    EXPECT_TRUE(ancienVisibleAvant);
    EXPECT_EQ(etatAuChargement, 5);
    EXPECT_GE(etatAuDepart, 12);
    EXPECT_LE(etatAuDepart, 15);
    EXPECT_EQ(chargeur.Rideau().EtatRideau(), 15);
    EXPECT_EQ(chargeur.Etape(), 0);
    EXPECT_TRUE(moteur.Actif());
    EXPECT_TRUE(ia.Actif());
    // l'ancien élément est parti, les deux sols du fichier et le décor sont là, départ sur le plus haut
    EXPECT_EQ(scene.ComptesElements().ranges, 3);
    EXPECT_EQ(scene.PointDepart(), sf::Vector2f(224.f, 672.f));
    EXPECT_EQ(scene.LimiteBas(), 1500 - 128);

    // le moteur fait passer la scène en jeu
    moteur.Etape();
    EXPECT_EQ(scene.EtatScene(), SCENE_JEU);

    // recommencer : même niveau, en-tête non relu
    scene.FixerEtatScene(SCENE_RECOMMENCER);
    chargeur.Charger();
    EXPECT_EQ(chargeur.NumeroNiveau(), 1);
    SourceTemps::Manuel(false);
    LevelManager::FixerDossier("data/map/");
}
