#include "screens/EcranAccueil.h"

#include "screens/AppAccueil.h"

EcranAccueil::EcranAccueil(MyQtSFMLWindow* c) : Ecran(c)
{
    id = 1;
}

void EcranAccueil::Lancer()
{
    if (!application)
        application = new AppAccueil(canvas);
}
