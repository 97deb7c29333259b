#pragma once

#include "screens/Ecran.h"

// Écran 2 : le choix du héros.
class EcranOptions : public Ecran
{
public:
    explicit EcranOptions(MyQtSFMLWindow* canvas);
    void Lancer() override;
};
