#pragma once

#include "screens/Ecran.h"

// Écran 4 : les crédits.
class EcranCredits : public Ecran
{
public:
    explicit EcranCredits(MyQtSFMLWindow* canvas);
    void Lancer() override;
};
