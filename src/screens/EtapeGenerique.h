#pragma once

#include "engine/EntiteGraphique.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>

// Une carte du générique : un texte et une image facultative.
class EtapeGenerique : public EntiteGraphique
{
public:
    EtapeGenerique(const std::string& texte, unsigned int taille, const sf::Color& couleur,
                   const std::string& cheminImage = std::string());
    void DefinirImage(const std::string& chemin);

    void Animer() override;
    void Dessiner(sf::RenderTarget& canvas) override;

    bool visible;
    const sf::Text& Contenu() const { return texte; }
    const sf::Sprite& Image() const { return image; }

private:
    sf::Text texte;
    sf::Sprite image;
};
