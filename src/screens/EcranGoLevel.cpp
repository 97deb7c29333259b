#include "screens/EcranGoLevel.h"

#include "screens/AppGoLevel.h"

EcranGoLevel::EcranGoLevel(MyQtSFMLWindow* c) : Ecran(c)
{
    id = 6;
}

void EcranGoLevel::Lancer()
{
    if (!application)
        application = new AppGoLevel(canvas);
}
