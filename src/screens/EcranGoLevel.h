#pragma once

#include "screens/Ecran.h"

// Écran 6 : le choix du niveau.
class EcranGoLevel : public Ecran
{
public:
    explicit EcranGoLevel(MyQtSFMLWindow* canvas);
    void Lancer() override;
};
