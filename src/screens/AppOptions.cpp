#include "screens/AppOptions.h"

#include "game/GameOptions.h"
#include "screens/WIconeHeros.h"

AppOptions::AppOptions(MyQtSFMLWindow* c) : Application(c), menu(GameOptions::Instance()->HerosChoisi())
{
    fondu.DefinirCouleur(sf::Color(0, 0, 0, 255));
    fondu.DefinirIntervalle(0.025f);
    menu.AjouterWidget(new WIconeHeros(0));
    menu.AjouterWidget(new WIconeHeros(1));
}

void AppOptions::Executer()
{
    menu.MettreAJourSelection();
}
