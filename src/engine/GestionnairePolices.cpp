#include "engine/GestionnairePolices.h"

#include <iostream>

sf::Font& GestionnairePolices::Police(const std::string& chemin)
{
    auto it = polices.find(chemin);
    if (it != polices.end())
        return it->second;
    sf::Font& police = polices[chemin];
    if (!police.loadFromFile(chemin))
        std::cerr << "Impossible de charger la police : " << chemin << std::endl;
    return police;
}
