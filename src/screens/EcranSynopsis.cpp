#include "screens/EcranSynopsis.h"

#include "screens/AppSynopsis.h"

EcranSynopsis::EcranSynopsis(MyQtSFMLWindow* c) : Ecran(c)
{
    id = 3;
}

void EcranSynopsis::Lancer()
{
    if (!application)
        application = new AppSynopsis(canvas);
}
