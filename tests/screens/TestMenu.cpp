#include "Banc.h"

#include "screens/Fondu.h"
#include "screens/WMenuWidgets.h"
#include "screens/WRubrique.h"
#include "screens/Widget.h"

#include <vector>

namespace
{
// Widget d'essai : compte ses activations ; Choisir le rend choisi.
class WEssai : public Widget
{
public:
    explicit WEssai(float y)
    {
        cadre.setSize(sf::Vector2f(100.f, 20.f));
        cadre.setPosition(10.f, y);
    }
    void Composer() override {}
    void Animer() override {}
    void Dessiner(sf::RenderTarget&) override {}
    void Choisir() override
    {
        ++choix;
        DefinirValide(true);
    }
    void Confirmer() override { ++confirmations; }

    int choix = 0;
    int confirmations = 0;
};

class Menu : public Banc
{
protected:
    // Menu de trois entrées empilées, premier passage fait
    void Construire(int indice = 0, int nombre = 3)
    {
        menu = new WMenuWidgets(indice);
        for (int i = 0; i < nombre; ++i)
        {
            w.push_back(new WEssai(100.f + 30.f * i));
            menu->AjouterWidget(w.back());
        }
        Passe();
    }
    // Fin d'une frame de menu : la sélection se met à jour, puis le temps avance
    void Passe()
    {
        menu->MettreAJourSelection();
        SourceTemps::Avancer(sf::milliseconds(16));
    }
    int Surlignes() const
    {
        int n = 0;
        for (WEssai* e : w)
            n += e->Selectionne();
        return n;
    }
    void TearDown() override
    {
        delete menu;
        Banc::TearDown();
    }

    WMenuWidgets* menu = nullptr;
    std::vector<WEssai*> w;
};
} // namespace

TEST_F(Menu, PremierPassageChoisitEtSurligneLIndiceInitial)
{
    Construire(1);
    EXPECT_EQ(menu->Indice(), 1);
    EXPECT_TRUE(w[1]->Selectionne());
    EXPECT_TRUE(w[1]->Valide());
    EXPECT_FALSE(w[0]->Selectionne() || w[0]->Valide() || w[2]->Selectionne() || w[2]->Valide());
}

TEST_F(Menu, FlechesSansBouclageAuxDeuxBouts)
{
    Construire();
    Envoyer({Appui(sf::Keyboard::Up), Appui(sf::Keyboard::Left)});
    Passe();
    EXPECT_EQ(menu->Indice(), 0);
    EXPECT_TRUE(w[0]->Selectionne());
    for (int i = 0; i < 5; ++i)
    {
        Envoyer({Appui(sf::Keyboard::Down)});
        Passe();
        EXPECT_EQ(menu->Indice(), i < 2 ? i + 1 : 2);
    }
    Envoyer({Appui(sf::Keyboard::Right)});
    Passe();
    EXPECT_EQ(menu->Indice(), 2);
    EXPECT_EQ(Surlignes(), 1);
    Envoyer({Appui(sf::Keyboard::Left)});
    Passe();
    EXPECT_EQ(menu->Indice(), 1);
    // le relâchement d'une flèche ne déplace rien
    Envoyer({Relache(sf::Keyboard::Down)});
    Passe();
    EXPECT_EQ(menu->Indice(), 1);
}

TEST_F(Menu, ToucheRedefinieDeplaceEtAncienneToucheNon)
{
    Construire();
    GestionnaireControleurs::Instance()->DefinirTouche(1, sf::Keyboard::J);
    GestionnaireControleurs::Instance()->DefinirTouche(3, sf::Keyboard::L);
    Envoyer({Appui(sf::Keyboard::Down), Appui(sf::Keyboard::Right)});
    Passe();
    EXPECT_EQ(menu->Indice(), 0);
    Envoyer({Appui(sf::Keyboard::J)});
    Passe();
    EXPECT_EQ(menu->Indice(), 1);
}

TEST_F(Menu, CroixDeLaManetteZeroSeulement)
{
    Construire();
    Envoyer({Axe(sf::Joystick::PovY, 100.f)});
    Passe();
    EXPECT_EQ(menu->Indice(), 1);
    Envoyer({Axe(sf::Joystick::PovX, 99.f), Axe(sf::Joystick::PovX, 100.f, 1), Axe(sf::Joystick::X, 100.f)});
    Passe();
    EXPECT_EQ(menu->Indice(), 1);
    Envoyer({Axe(sf::Joystick::PovX, 100.f)});
    Passe();
    EXPECT_EQ(menu->Indice(), 2);
    Envoyer({Axe(sf::Joystick::PovY, -100.f)});
    Passe();
    EXPECT_EQ(menu->Indice(), 1);
}

TEST_F(Menu, ActivationAuRelachementSeulement)
{
    Construire();
    Envoyer({Appui(sf::Keyboard::Return), Appui(sf::Keyboard::Q)});
    Passe();
    EXPECT_EQ(w[0]->choix + w[0]->confirmations, 0);
    // l'entrée 0 est déjà choisie : la valider la confirme
    Envoyer({Relache(sf::Keyboard::Return)});
    EXPECT_EQ(w[0]->confirmations, 1);
    Envoyer({Relache(sf::Keyboard::Q), Relache(sf::Keyboard::S), Relache(sf::Keyboard::D)});
    EXPECT_EQ(w[0]->confirmations, 4);
    // une touche de direction ou sans rôle n'active rien
    Envoyer({Relache(sf::Keyboard::Up), Relache(sf::Keyboard::F5)});
    EXPECT_EQ(w[0]->confirmations, 4);
    EXPECT_EQ(w[1]->choix + w[2]->choix + w[1]->confirmations + w[2]->confirmations, 0);
}

TEST_F(Menu, BoutonsDeManetteZeroATroisDeToutesLesManettes)
{
    Construire();
    Envoyer({BoutonRelache(4), BoutonRelache(7)});
    EXPECT_EQ(w[0]->confirmations, 0);
    Envoyer({BoutonRelache(0), BoutonRelache(3, 2)});
    EXPECT_EQ(w[0]->confirmations, 2);
}

TEST_F(Menu, LeMenuDeplaceLeSurlignageAvantQueLesWidgetsVoientLEvenement)
{
    Construire();
    // même frame : flèche enfoncée puis ENTRER relâché
    Envoyer({Appui(sf::Keyboard::Down), Relache(sf::Keyboard::Return)});
    EXPECT_EQ(w[0]->confirmations, 0);
    EXPECT_EQ(w[1]->choix, 1);
    Passe();
    // l'entrée 1 est maintenant la choisie et la surlignée
    EXPECT_TRUE(w[1]->Valide());
    EXPECT_FALSE(w[0]->Valide());
    Envoyer({Relache(sf::Keyboard::Return)});
    EXPECT_EQ(w[1]->confirmations, 1);
}

TEST_F(Menu, UnClicNImporteOuActiveLEntreeSurlignee)
{
    Construire();
    Envoyer({Appui(sf::Keyboard::Down), Appui(sf::Keyboard::Down)});
    Passe();
    Envoyer({Clic(600, 5)});
    EXPECT_EQ(w[2]->choix, 1);
    EXPECT_EQ(w[0]->confirmations + w[0]->choix + w[1]->choix, 0);
}

TEST_F(Menu, SurvolStrictementInterieurEtSortieSansDeselection)
{
    Construire();
    // cadre de l'entrée 1 : x ]10, 110[, y ]130, 150[
    w[1]->Survoler(sf::Vector2i(10, 140));
    w[1]->Survoler(sf::Vector2i(50, 150));
    Passe();
    EXPECT_EQ(menu->Indice(), 0);
    w[1]->Survoler(sf::Vector2i(11, 149));
    Passe();
    EXPECT_EQ(menu->Indice(), 1);
    EXPECT_EQ(Surlignes(), 1);
    // la souris s'en va : l'entrée reste surlignée
    w[1]->Survoler(sf::Vector2i(300, 300));
    Passe();
    EXPECT_EQ(menu->Indice(), 1);
    EXPECT_TRUE(w[1]->Selectionne());
}

TEST_F(Menu, LaDerniereActionDecideDuSurlignageEtDuChoix)
{
    Construire();
    // la souris sur l'entrée 2, puis une flèche vers le haut dans la même frame
    SourceTemps::Avancer(sf::milliseconds(5));
    w[2]->Survoler(sf::Vector2i(50, 170));
    SourceTemps::Avancer(sf::milliseconds(5));
    Envoyer({Appui(sf::Keyboard::Up)});
    Passe();
    // Precedent est parti de l'indice 0 : rien ne bouge, la souris gagne
    EXPECT_EQ(menu->Indice(), 2);
    EXPECT_TRUE(w[0]->Valide());
    // la souris reste posée sur 2, mais la flèche vient après elle
    w[2]->Survoler(sf::Vector2i(50, 170));
    SourceTemps::Avancer(sf::milliseconds(5));
    Envoyer({Appui(sf::Keyboard::Up)});
    Passe();
    EXPECT_EQ(menu->Indice(), 1);
    // frame suivante : la souris immobile resurligne son entrée
    w[2]->Survoler(sf::Vector2i(50, 170));
    Passe();
    EXPECT_EQ(menu->Indice(), 2);
    EXPECT_EQ(Surlignes(), 1);
    // choisir l'entrée 2 puis la 1 : la plus récente reste seule choisie
    Envoyer({Clic(0, 0)});
    Passe();
    Envoyer({Appui(sf::Keyboard::Up), Relache(sf::Keyboard::Return)});
    Passe();
    EXPECT_TRUE(w[1]->Valide());
    EXPECT_FALSE(w[2]->Valide());
    EXPECT_FALSE(w[0]->Valide());
}

TEST_F(Menu, IndiceInitialAuDelaDeLaListeRameneAuDernier)
{
    Construire(5, 2);
    EXPECT_EQ(menu->Indice(), 1);
    EXPECT_TRUE(w[1]->Selectionne());
    EXPECT_TRUE(w[1]->Valide());
    Envoyer({Appui(sf::Keyboard::Down)});
    Passe();
    EXPECT_EQ(menu->Indice(), 1);
    Envoyer({Appui(sf::Keyboard::Up)});
    Passe();
    EXPECT_EQ(menu->Indice(), 0);
}

TEST_F(Menu, MenuVideSansEffet)
{
    Construire(1, 0);
    Envoyer({Appui(sf::Keyboard::Down), Appui(sf::Keyboard::Up), Relache(sf::Keyboard::Return), Clic(1, 1)});
    Passe();
    EXPECT_TRUE(menu->Widgets().empty());
}

TEST_F(Menu, RubriquesDuTitre)
{
    WRubrique jouer(5), perso(2), synopsis(3);
    // cadres de 24 pixels, 25 pixels d'écart : pas de recouvrement
    perso.Survoler(sf::Vector2i(320, 413));
    EXPECT_FALSE(perso.Selectionne());
    perso.Survoler(sf::Vector2i(384, 425));
    EXPECT_FALSE(perso.Selectionne());
    perso.Survoler(sf::Vector2i(383, 436));
    EXPECT_TRUE(perso.Selectionne());
    perso.Animer();
    EXPECT_EQ(perso.Contenu().getCharacterSize(), 9u);
    EXPECT_EQ(perso.Contenu().getFillColor(), sf::Color(255, 224, 0));
    jouer.Animer();
    EXPECT_EQ(jouer.Contenu().getCharacterSize(), 6u);
    Envoyer({Relache(sf::Keyboard::Return)});
    EXPECT_EQ(Ecran::EcranDemande(), 2);
}

TEST_F(Banc, FonduDixSeptPasEspacesDAuMoinsLIntervalle)
{
    Fondu f;
    f.DefinirCouleur(sf::Color(0, 0, 0, 255));
    f.DefinirIntervalle(0.025f);
    int pas = 0;
    sf::Uint8 avant = 255;
    for (int frame = 0; frame < 100 && f.Couleur().a != 0; ++frame)
    {
        SourceTemps::Avancer(sf::milliseconds(16));
        f.Animer();
        if (f.Couleur().a != avant)
        {
            EXPECT_EQ(avant - f.Couleur().a, 15);
            avant = f.Couleur().a;
            ++pas;
            // un pas toutes les deux frames de 16 ms
            EXPECT_EQ(frame % 2, 1);
        }
    }
    EXPECT_EQ(pas, 17);
    EXPECT_EQ(f.Couleur(), sf::Color(0, 0, 0, 0));
}

TEST_F(Banc, FonduDIntervalleNulInvisibleDesLaPremiereFrame)
{
    Fondu f;
    f.DefinirCouleur(sf::Color(0, 0, 255, 255));
    f.DefinirIntervalle(0.f);
    EXPECT_EQ(f.Couleur().a, 0);
    Cible().clear(sf::Color(10, 20, 30));
    f.Animer();
    f.Dessiner(Cible());
    Cible().display();
    EXPECT_EQ(Pixel(320, 240), sf::Color(10, 20, 30));
}

TEST_F(Banc, LaDerniereDemandeDEcranGagneEtPersiste)
{
    Ecran::DemanderEcran(3);
    Ecran::DemanderEcran(2);
    EXPECT_EQ(Ecran::EcranDemande(), 2);
    EXPECT_EQ(Ecran::EcranDemande(), 2);
}
