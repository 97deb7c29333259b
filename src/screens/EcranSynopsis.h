#pragma once

#include "screens/Ecran.h"

// Écran 3 : le synopsis.
class EcranSynopsis : public Ecran
{
public:
    explicit EcranSynopsis(MyQtSFMLWindow* canvas);
    void Lancer() override;
};
