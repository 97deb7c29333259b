#include "screens/EcranGame.h"

#include "game/AppGame.h"

EcranGame::EcranGame(MyQtSFMLWindow* c) : Ecran(c)
{
    id = 5;
}

void EcranGame::Lancer()
{
    if (!application)
        application = new AppGame(canvas);
}
