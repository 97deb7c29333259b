#include "screens/AppAccueil.h"

#include "engine/GestionnaireControleurs.h"
#include "game/GameOptions.h"
#include "screens/Ecran.h"
#include "screens/WRubrique.h"

#include <SFML/Window/Event.hpp>

const int AppAccueil::code[12] = {2, 2, 3, 0, 1, 1, 3, 2, 0, 3, 1, 0};

AppAccueil::AppAccueil(MyQtSFMLWindow* c) : Application(c), menu(0), etapeCode(0)
{
    fondu.DefinirCouleur(sf::Color(0, 0, 0, 255));
    fondu.DefinirIntervalle(0.025f);

    GameOptions::Instance()->DefinirNiveauChoisi(1);

    // TODO zones : dossier d'images "data/png/game/zones/1/", caméra liée à la scène
    // et centrée sur (1280, 240), bassin d'eau (32, 518) puis décor Zone_1.

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
    // TODO zones : défilement de la caméra de DureeFrame x 32 pixels vers la droite
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
