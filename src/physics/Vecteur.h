#pragma once

#include <SFML/System/Vector2.hpp>

// Vecteur unitaire : normalisé dès sa construction (une direction, jamais un déplacement).
class Vecteur : public sf::Vector2f
{
public:
    Vecteur();
    Vecteur(float x, float y);
    explicit Vecteur(const sf::Vector2f& v);
    virtual ~Vecteur();

    void Normaliser();
    float Scalaire(const sf::Vector2f& v) const;
};
