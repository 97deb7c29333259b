#include "Banc.h"

#include "engine/GestionnaireTextures.h"
#include "engine/MoteurAudio.h"
#include "objects/BassinEau.h"
#include "scene/Sprite.h"
#include "scene/Zone_1.h"
#include "shell/MyQtSFMLWindow.h"
#include "screens/AppAccueil.h"
#include "screens/WRubrique.h"

#include <cmath>
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

TEST_F(Banc, AccueilMerQuiDefileSansMusique)
{
    MoteurAudio::Instance()->ArreterTout();
    Ecran::DemanderEcran(1);
    const float duree = MyQtSFMLWindow::DureeFrame();
    MyQtSFMLWindow::DefinirDureeFrame(0.5f);
    AppAccueil app(nullptr);
    EXPECT_EQ(Sprite::DossierZone(), "data/png/game/zones/1/");
    // le bassin fixe la mer, la caméra part de (1280, 240)
    EXPECT_EQ(app.Scene().NiveauEau(), 486);
    EXPECT_EQ(app.Scene().CameraScene(), &app.CameraAccueil());
    EXPECT_EQ(app.CameraAccueil().Vue().getCenter(), sf::Vector2f(1280.f, 240.f));
    // le décor et le bassin sont dessinés, derrière le fond et le menu
    const Zone_1* zone = nullptr;
    const BassinEau* bassin = nullptr;
    for (EntiteGraphique* e : MoteurGraphique::Instance()->ListeFrame())
    {
        if (auto z = dynamic_cast<const Zone_1*>(e))
            zone = z;
        if (auto b = dynamic_cast<const BassinEau*>(e))
            bassin = b;
    }
    ASSERT_NE(zone, nullptr);
    ASSERT_NE(bassin, nullptr);
    EXPECT_LT(zone->profondeur, bassin->profondeur);
    EXPECT_LT(bassin->profondeur, app.Fond().profondeur);
    EXPECT_EQ(zone->Reference(), sf::Vector2f(320.f, 470.f));
    // 32 pixels par seconde vers la droite : la mer glisse vers la gauche
    Frame(app, {}, 0.5f);
    Frame(app, {}, 0.5f);
    EXPECT_EQ(app.CameraAccueil().Vue().getCenter(), sf::Vector2f(1312.f, 240.f));
    EXPECT_EQ(zone->Vues()[1].getCenter().x, std::round((1312.f - 320.f) / 1.1f + 320.f));
    EXPECT_TRUE(MoteurAudio::Instance()->Pile().empty());
    MyQtSFMLWindow::DefinirDureeFrame(duree);
    Ecran::DemanderEcran(-1);
}
