#pragma once

#include "screens/Ecran.h"

// Écran 1 : le menu titre.
class EcranAccueil : public Ecran
{
public:
    explicit EcranAccueil(MyQtSFMLWindow* canvas);
    void Lancer() override;
};
