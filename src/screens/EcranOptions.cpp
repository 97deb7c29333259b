#include "screens/EcranOptions.h"

#include "screens/AppOptions.h"

EcranOptions::EcranOptions(MyQtSFMLWindow* c) : Ecran(c)
{
    id = 2;
}

void EcranOptions::Lancer()
{
    if (!application)
        application = new AppOptions(canvas);
}
