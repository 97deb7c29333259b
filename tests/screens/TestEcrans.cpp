#include "Banc.h"

#include "engine/GestionnaireTextures.h"
#include "engine/MoteurAudio.h"
#include "game/AppGame.h"
#include "screens/AppAccueil.h"
#include "screens/AppCredits.h"
#include "screens/AppDemarrage.h"
#include "screens/AppGoLevel.h"
#include "screens/AppOptions.h"
#include "screens/AppSynopsis.h"
#include "screens/EcranAccueil.h"
#include "screens/EcranCredits.h"
#include "screens/EcranDemarrage.h"
#include "screens/EcranGame.h"
#include "screens/EcranGoLevel.h"
#include "screens/EcranOptions.h"
#include "screens/EcranSynopsis.h"

#include <memory>
#include <vector>

namespace
{
std::vector<std::unique_ptr<Ecran>> SeptEcrans()
{
    std::vector<std::unique_ptr<Ecran>> e;
    e.emplace_back(new EcranDemarrage(nullptr));
    e.emplace_back(new EcranAccueil(nullptr));
    e.emplace_back(new EcranOptions(nullptr));
    e.emplace_back(new EcranSynopsis(nullptr));
    e.emplace_back(new EcranCredits(nullptr));
    e.emplace_back(new EcranGame(nullptr));
    e.emplace_back(new EcranGoLevel(nullptr));
    return e;
}

bool BonneApplication(int id, Application* a)
{
    switch (id)
    {
    case 0: return dynamic_cast<AppDemarrage*>(a) != nullptr;
    case 1: return dynamic_cast<AppAccueil*>(a) != nullptr;
    case 2: return dynamic_cast<AppOptions*>(a) != nullptr;
    case 3: return dynamic_cast<AppSynopsis*>(a) != nullptr;
    case 4: return dynamic_cast<AppCredits*>(a) != nullptr;
    case 5: return dynamic_cast<AppGame*>(a) != nullptr;
    case 6: return dynamic_cast<AppGoLevel*>(a) != nullptr;
    default: return false;
    }
}

// Hôte minimal : bascule d'écran en début de frame, comme le canvas
class Hote
{
public:
    Hote() : ecrans(SeptEcrans())
    {
        Ecran::DemanderEcran(0);
        ecrans[0]->Lancer();
    }
    ~Hote() { MoteurAudio::Instance()->ArreterTout(); }

    void Jouer(std::initializer_list<sf::Event> evenements = {})
    {
        if (Ecran::EcranDemande() != courant)
        {
            ecrans[courant]->Arreter();
            MoteurGraphique::Instance()->Vider(true);
            MoteurAudio::Instance()->ArreterTout();
            courant = Ecran::EcranDemande();
            ecrans[courant]->Lancer();
        }
        Frame(*ecrans[courant]->App(), evenements);
    }
    Application* App() const { return ecrans[courant]->App(); }

    std::vector<std::unique_ptr<Ecran>> ecrans;
    int courant = 0;
};
} // namespace

TEST_F(Banc, SeptEcransDansLOrdreDeLaTable)
{
    std::vector<std::unique_ptr<Ecran>> e = SeptEcrans();
    for (int id = 0; id < 7; ++id)
    {
        EXPECT_EQ(e[id]->Id(), id);
        EXPECT_EQ(e[id]->App(), nullptr);
        e[id]->Lancer();
        Application* a = e[id]->App();
        EXPECT_TRUE(BonneApplication(id, a)) << "écran " << id;
        // un second Lancer ne reconstruit rien
        e[id]->Lancer();
        EXPECT_EQ(e[id]->App(), a);
        Frame(*a);
        e[id]->Arreter();
        EXPECT_EQ(e[id]->App(), nullptr);
        // tout ce que l'état possédait a quitté les moteurs
        EXPECT_TRUE(MoteurInteractif::Instance()->Liste().empty()) << "écran " << id;
        EXPECT_TRUE(MoteurGraphique::Instance()->ListeFrame().empty()) << "écran " << id;
    }
    // un écran détruit en marche détruit son application
    e[2]->Lancer();
}

TEST_F(Banc, ParcoursDesMenus)
{
    Hote hote;
    // on passe le générique dès la fin du chargement
    for (int i = 0; i < 60; ++i)
        hote.Jouer();
    hote.Jouer({Relache(sf::Keyboard::Return)});
    hote.Jouer();
    ASSERT_EQ(hote.courant, 1);
    // « personnage »
    hote.Jouer({Appui(sf::Keyboard::Down), Relache(sf::Keyboard::Return)});
    hote.Jouer();
    ASSERT_EQ(hote.courant, 2);
    hote.Jouer({Appui(sf::Keyboard::Right), Relache(sf::Keyboard::Return)});
    hote.Jouer({Relache(sf::Keyboard::Return)});
    hote.Jouer();
    ASSERT_EQ(hote.courant, 1);
    const AppAccueil* titre = dynamic_cast<const AppAccueil*>(hote.App());
    ASSERT_NE(titre, nullptr);
    EXPECT_EQ(titre->Fond().Image().getTexture(),
              &GestionnaireTextures::Instance()->Texture("data/png/accueil/accueil_tormundo.png"));
    // « synopsis », puis n'importe quelle touche relâchée
    hote.Jouer({Appui(sf::Keyboard::Down), Appui(sf::Keyboard::Down), Relache(sf::Keyboard::Return)});
    hote.Jouer();
    ASSERT_EQ(hote.courant, 3);
    hote.Jouer({Relache(sf::Keyboard::Escape)});
    hote.Jouer();
    ASSERT_EQ(hote.courant, 1);
    // « jouer » : la partie, niveau 1
    hote.Jouer({Clic(0, 0)});
    hote.Jouer();
    ASSERT_EQ(hote.courant, 5);
    // la partie prend le niveau 1 choisi par le titre dès sa première frame
    const AppGame* jeu = dynamic_cast<const AppGame*>(hote.App());
    ASSERT_NE(jeu, nullptr);
    EXPECT_EQ(jeu->Chargeur().NumeroNiveau(), 1);
    EXPECT_EQ(GameOptions::Instance()->NiveauChoisi(), 0);
    // le dossier de l'essai n'a pas de niveau : la partie le dit et revient au titre
    hote.Jouer({Clic(0, 0), Relache(sf::Keyboard::Return)});
    hote.Jouer();
    EXPECT_EQ(hote.courant, 1);
}
