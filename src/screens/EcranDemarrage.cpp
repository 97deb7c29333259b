#include "screens/EcranDemarrage.h"

#include "screens/AppDemarrage.h"

EcranDemarrage::EcranDemarrage(MyQtSFMLWindow* c) : Ecran(c)
{
    id = 0;
}

void EcranDemarrage::Lancer()
{
    if (!application)
        application = new AppDemarrage(canvas);
}
