#pragma once

#include "screens/Application.h"
#include "screens/ArrierePlan.h"
#include "screens/WMenuWidgets.h"

// Choix du personnage : Vanto ou Tormundo.
class AppOptions : public Application
{
public:
    explicit AppOptions(MyQtSFMLWindow* canvas);
    void Executer() override;

    const WMenuWidgets& Menu() const { return menu; }

private:
    ArrierePlan fond;
    WMenuWidgets menu;
};
