#include "game/AppGame.h"

AppGame::AppGame(MyQtSFMLWindow* c) : Application(c)
{
    fondu.DefinirCouleur(sf::Color(0, 0, 0, 255));
    fondu.DefinirIntervalle(0.01f);
}

void AppGame::Executer()
{
    // la partie viendra ici : scène, moteurs, affichage tête haute
}
