#include "screens/EcranCredits.h"

#include "screens/AppCredits.h"

EcranCredits::EcranCredits(MyQtSFMLWindow* c) : Ecran(c)
{
    id = 4;
}

void EcranCredits::Lancer()
{
    if (!application)
        application = new AppCredits(canvas);
}
