#pragma once

#include "screens/Application.h"

// Partie en cours. Pour l'instant un état noir et vide.
class AppGame : public Application
{
public:
    explicit AppGame(MyQtSFMLWindow* canvas);
    void Executer() override;
};
