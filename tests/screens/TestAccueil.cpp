#include "Banc.h"

#include "engine/GestionnaireTextures.h"
#include "screens/AppAccueil.h"
#include "screens/WRubrique.h"

#include <vector>

namespace
{
// Les touches du code caché avec les réglages actuels
std::vector<sf::Keyboard::Key> Code()
{
    std::vector<sf::Keyboard::Key> touches;
    for (int action : AppAccueil::code)
        touches.push_back(static_cast<sf::Keyboard::Key>(GestionnaireControleurs::Instance()->Touche(action)));
    return touches;
}

void Taper(const std::vector<sf::Keyboard::Key>& touches, std::size_t debut = 0, std::size_t fin = 12)
{
    for (std::size_t i = debut; i < fin; ++i)
        Envoyer({Appui(touches[i]), Relache(touches[i])});
}
} // namespace

TEST_F(Banc, AccueilCodeCompletOuvreLeChoixDuNiveau)
{
    AppAccueil app(nullptr);
    const std::vector<sf::Keyboard::Key> code = Code();
    Taper(code, 0, 11);
    EXPECT_EQ(app.EtapeCode(), 11);
    EXPECT_EQ(Ecran::EcranDemande(), -1);
    Taper(code, 11, 12);
    EXPECT_EQ(Ecran::EcranDemande(), 6);
    EXPECT_EQ(app.EtapeCode(), 0);
}

TEST_F(Banc, AccueilMauvaiseToucheRecommenceLeCode)
{
    AppAccueil app(nullptr);
    const std::vector<sf::Keyboard::Key> code = Code();
    Taper(code, 0, 11);
    // une touche sans rôle casse le code à la onzième étape
    Envoyer({Relache(sf::Keyboard::F5)});
    EXPECT_EQ(app.EtapeCode(), 0);
    Taper(code, 11, 12);
    EXPECT_EQ(Ecran::EcranDemande(), -1);
    // un appui seul ne compte pas
    Envoyer({Appui(code[0])});
    EXPECT_EQ(app.EtapeCode(), 0);
    // la mauvaise touche n'est pas retentée comme première étape
    std::size_t k = 0;
    while (k + 1 < 12 && code[k + 1] == code[0])
        ++k;
    Taper(code, 0, k + 1);
    EXPECT_EQ(app.EtapeCode(), static_cast<int>(k + 1));
    Envoyer({Relache(code[0])});
    EXPECT_EQ(app.EtapeCode(), code[k + 1] == code[0] ? static_cast<int>(k + 2) : 0);
    Taper(code);
    EXPECT_EQ(Ecran::EcranDemande(), 6);
}

TEST_F(Banc, AccueilCodeAvecToucheRedefinie)
{
    AppAccueil app(nullptr);
    const std::vector<sf::Keyboard::Key> anciennes = Code();
    GestionnaireControleurs* c = GestionnaireControleurs::Instance();
    c->DefinirTouche(0, sf::Keyboard::Z);
    c->DefinirTouche(1, sf::Keyboard::X);
    c->DefinirTouche(2, sf::Keyboard::C);
    c->DefinirTouche(3, sf::Keyboard::V);
    Taper(anciennes);
    EXPECT_EQ(Ecran::EcranDemande(), -1);
    Taper(Code());
    EXPECT_EQ(Ecran::EcranDemande(), 6);
}

TEST_F(Banc, AccueilMenuEtNiveauDeDepart)
{
    GameOptions::Instance()->DefinirNiveauChoisi(7);
    AppAccueil app(nullptr);
    EXPECT_EQ(GameOptions::Instance()->NiveauChoisi(), 1);
    ASSERT_EQ(app.Menu().Widgets().size(), 3u);
    const int cibles[3] = {5, 2, 3};
    for (int i = 0; i < 3; ++i)
    {
        const WRubrique* r = dynamic_cast<const WRubrique*>(app.Menu().Widgets()[i]);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->Cible(), cibles[i]);
    }
    Frame(app);
    Frame(app, {Clic(5, 5)});
    EXPECT_EQ(Ecran::EcranDemande(), 5);
    Frame(app, {Appui(sf::Keyboard::Down), Appui(sf::Keyboard::Down), Relache(sf::Keyboard::Return)});
    EXPECT_EQ(Ecran::EcranDemande(), 3);
    Frame(app);
    Frame(app, {Appui(sf::Keyboard::Up), Relache(sf::Keyboard::D)});
    EXPECT_EQ(Ecran::EcranDemande(), 2);
}

TEST_F(Banc, AccueilLaDerniereDemandeDeLaFrameGagne)
{
    AppAccueil app(nullptr);
    Frame(app);
    const std::vector<sf::Keyboard::Key> code = Code();
    Taper(code, 0, 11);
    // les flèches du code ont aussi déplacé le surlignage du menu
    const WRubrique* r = dynamic_cast<const WRubrique*>(app.Menu().Widgets()[app.Menu().Indice()]);
    ASSERT_NE(r, nullptr);
    // même frame : fin du code puis clic sur l'entrée surlignée
    Frame(app, {Relache(code[11]), Clic(0, 0)});
    EXPECT_EQ(Ecran::EcranDemande(), r->Cible());
}

TEST_F(Banc, AccueilImageDuHerosChoisi)
{
    GestionnaireTextures* t = GestionnaireTextures::Instance();
    {
        AppAccueil app(nullptr);
        EXPECT_EQ(app.Fond().Image().getTexture(), &t->Texture("data/png/accueil/accueil_vanto.png"));
    }
    GameOptions::Instance()->DefinirHerosChoisi(1);
    AppAccueil app(nullptr);
    EXPECT_EQ(app.Fond().Image().getTexture(), &t->Texture("data/png/accueil/accueil_tormundo.png"));
}
