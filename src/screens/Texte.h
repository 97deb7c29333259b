#pragma once

#include "engine/EntiteGraphique.h"

#include <SFML/Graphics/Text.hpp>

#include <string>

// Texte fixe à gauche de l'écran, centré verticalement.
class Texte : public EntiteGraphique
{
public:
    Texte();
    void DefinirTexte(const std::string& chaine);
    const sf::Text& Contenu() const { return texte; }

    void Animer() override;
    void Dessiner(sf::RenderTarget& canvas) override;

private:
    sf::Text texte;
};
