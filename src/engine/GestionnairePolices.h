#pragma once

#include "engine/Singleton.h"

#include <SFML/Graphics/Font.hpp>

#include <map>
#include <string>

// Cache des polices, par chemin.
class GestionnairePolices : public Singleton<GestionnairePolices>
{
    friend class Singleton<GestionnairePolices>;

public:
    sf::Font& Police(const std::string& chemin);

private:
    GestionnairePolices() = default;
    std::map<std::string, sf::Font> polices;
};
