#pragma once

#include "engine/EntiteGraphique.h"

#include <SFML/Graphics/RectangleShape.hpp>

// Fondu plein écran, dessiné par-dessus tout, qui s'efface par pas de 15.
class Fondu : public EntiteGraphique
{
public:
    Fondu();
    void DefinirCouleur(const sf::Color& couleur);
    void DefinirIntervalle(float secondes);
    sf::Color Couleur() const { return rectangle.getFillColor(); }

    void Animer() override;
    void Dessiner(sf::RenderTarget& canvas) override;

private:
    sf::RectangleShape rectangle;
    float intervalle;
};
