#include "screens/AppAccueil.h"

#include "engine/GestionnaireControleurs.h"
#include "game/GameOptions.h"
#include "objects/BassinEau.h"
#include "scene/Sprite.h"
#include "scene/Zone_1.h"
#include "screens/Ecran.h"
#include "screens/WRubrique.h"
#include "shell/MyQtSFMLWindow.h"

#include <SFML/Window/Event.hpp>

const int AppAccueil::code[12] = {2, 2, 3, 0, 1, 1, 3, 2, 0, 3, 1, 0};

AppAccueil::AppAccueil(MyQtSFMLWindow* c) : Application(c), camera(c), menu(0), etapeCode(0)
{
    fondu.DefinirCouleur(sf::Color(0, 0, 0, 255));
    fondu.DefinirIntervalle(0.025f);

    GameOptions::Instance()->DefinirNiveauChoisi(1);

    Sprite::FixerDossierZone("data/png/game/zones/1/");
    camera.Lier(&scene);
    camera.Centrer(sf::Vector2f(1280.f, 240.f));
    // le bassin fixe le niveau de la mer, puis le décor de la zone 1
    scene.AjouterElement(new BassinEau(&scene, sf::Vector2f(32.f, 518.f), 1.f, std::vector<float>{1.f, 1.f}));
    scene.AjouterElement(new Zone_1(&scene));

    if (GameOptions::Instance()->HerosChoisi() == GameOptions::TORMUNDO)
        fond.DefinirImage("data/png/accueil/accueil_tormundo.png");
    else
        fond.DefinirImage("data/png/accueil/accueil_vanto.png");

    menu.AjouterWidget(new WRubrique(5));
    menu.AjouterWidget(new WRubrique(2));
    menu.AjouterWidget(new WRubrique(3));
}

void AppAccueil::Executer()
{
    // la mer défile vers la gauche à 32 pixels par seconde
    camera.DeplacerVue(sf::Vector2f(MyQtSFMLWindow::DureeFrame() * 32.f, 0.f));
    menu.MettreAJourSelection();
}

void AppAccueil::TraiterEvenement(const sf::Event& evenement)
{
    if (evenement.type != sf::Event::KeyReleased)
        return;
    const int attendue = GestionnaireControleurs::Instance()->Touche(code[etapeCode]);
    if (evenement.key.code == attendue)
    {
        if (++etapeCode == 12)
        {
            Ecran::DemanderEcran(6);
            etapeCode = 0;
        }
    }
    else
        etapeCode = 0;
}
