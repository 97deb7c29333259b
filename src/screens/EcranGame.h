#pragma once

#include "screens/Ecran.h"

// Écran 5 : la partie.
class EcranGame : public Ecran
{
public:
    explicit EcranGame(MyQtSFMLWindow* canvas);
    void Lancer() override;
};
