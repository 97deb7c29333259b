#pragma once

#include <SFML/System/Time.hpp>

// Horloge à l'interface de sf::Clock, lue sur la SourceTemps (réelle ou de test).
class Horloge
{
public:
    Horloge();
    sf::Time getElapsedTime() const;
    sf::Time restart();

private:
    sf::Time depart;
};
