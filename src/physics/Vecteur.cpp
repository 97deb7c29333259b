#include "physics/Vecteur.h"

#include <cmath>

Vecteur::Vecteur() : sf::Vector2f(0.f, 0.f)
{
}

Vecteur::Vecteur(float x, float y) : sf::Vector2f(x, y)
{
    Normaliser();
}

Vecteur::Vecteur(const sf::Vector2f& v) : sf::Vector2f(v)
{
    Normaliser();
}

Vecteur::~Vecteur()
{
}

void Vecteur::Normaliser()
{
    const double longueur = std::sqrt(double(x) * x + double(y) * y);
    // Vecteur nul : pas de direction, on le laisse nul plutôt que de diviser par zéro
    if (longueur == 0.0)
        return;
    const float l = float(longueur);
    x /= l;
    y /= l;
}

float Vecteur::Scalaire(const sf::Vector2f& v) const
{
    return x * v.x + y * v.y;
}
