#include "engine/GestionnaireTextures.h"

#include <iostream>

sf::Texture& GestionnaireTextures::Texture(const std::string& chemin)
{
    auto it = textures.find(chemin);
    if (it != textures.end())
        return it->second;
    sf::Texture& texture = textures[chemin];
    if (texture.loadFromFile(chemin))
        texture.setSmooth(false);
    else
        std::cerr << "Impossible de charger l'image : " << chemin << std::endl;
    return texture;
}
