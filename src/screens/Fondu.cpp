#include "screens/Fondu.h"

#include <SFML/Graphics/RenderTarget.hpp>

Fondu::Fondu() : rectangle(sf::Vector2f(640.f, 480.f)), intervalle(0.02f)
{
    profondeur = 2.1e9f;
    rectangle.setPosition(0.f, 0.f);
    rectangle.setFillColor(sf::Color::White);
}

void Fondu::DefinirCouleur(const sf::Color& couleur)
{
    rectangle.setFillColor(couleur);
}

void Fondu::DefinirIntervalle(float secondes)
{
    intervalle = secondes;
    if (secondes == 0.f)
        rectangle.setFillColor(sf::Color(0, 0, 0, 0));
}

void Fondu::Animer()
{
    sf::Color c = rectangle.getFillColor();
    if (horloge.getElapsedTime().asSeconds() > intervalle && c.a != 0)
    {
        c.a = static_cast<sf::Uint8>(c.a >= 15 ? c.a - 15 : 0);
        rectangle.setFillColor(c);
        horloge.restart();
    }
}

void Fondu::Dessiner(sf::RenderTarget& canvas)
{
    canvas.draw(rectangle);
}
