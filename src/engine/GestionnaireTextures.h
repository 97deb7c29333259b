#pragma once

#include "engine/Singleton.h"

#include <SFML/Graphics/Texture.hpp>

#include <map>
#include <string>

// Cache des textures, par chemin ; chaque fichier est chargé une fois.
class GestionnaireTextures : public Singleton<GestionnaireTextures>
{
    friend class Singleton<GestionnaireTextures>;

public:
    sf::Texture& Texture(const std::string& chemin);
    bool Contient(const std::string& chemin) const { return textures.count(chemin) != 0; }

private:
    GestionnaireTextures() = default;
    std::map<std::string, sf::Texture> textures;
};
