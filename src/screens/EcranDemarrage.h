#pragma once

#include "screens/Ecran.h"

// Écran 0 : le générique de démarrage.
class EcranDemarrage : public Ecran
{
public:
    explicit EcranDemarrage(MyQtSFMLWindow* canvas);
    void Lancer() override;
};
