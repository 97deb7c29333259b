#pragma once

#include "screens/Application.h"
#include "screens/ArrierePlan.h"
#include "screens/WMenuWidgets.h"

#include <string>
#include <utility>
#include <vector>

// Choix du niveau : une ligne par fichier "data/map/*.map", lue dans son en-tête.
class AppGoLevel : public Application
{
public:
    explicit AppGoLevel(MyQtSFMLWindow* canvas);
    void Executer() override;

    // Numéro de niveau et libellé de chaque fichier lisible du dossier, par ordre des noms
    static std::vector<std::pair<int, std::string>> ListerNiveaux(const std::string& dossier);

    const WMenuWidgets& Menu() const { return menu; }

private:
    ArrierePlan fond;
    WMenuWidgets menu;
};
