#include "engine/GestionnaireControleurs.h"

#include <SFML/Window/Keyboard.hpp>

GestionnaireControleurs::GestionnaireControleurs()
{
    Reinitialiser();
}

void GestionnaireControleurs::Reinitialiser()
{
    controleur = CLAVIER;
    const int defauts[8] = {sf::Keyboard::Up, sf::Keyboard::Down, sf::Keyboard::Left, sf::Keyboard::Right,
                            sf::Keyboard::Q,  sf::Keyboard::S,    sf::Keyboard::D,    sf::Keyboard::Return};
    for (int i = 0; i < 8; ++i)
        touches[i] = defauts[i];
    for (unsigned int i = 0; i < 4; ++i)
        boutons[i] = i;
}
