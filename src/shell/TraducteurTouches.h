#pragma once

#include <SFML/Window/Event.hpp>

class QKeyEvent;
class QMouseEvent;

// Traduit les événements clavier et souris reçus par Qt en événements SFML :
// la fenêtre SFML logée dans un widget ne reçoit pas elle-même ces événements.
class TraducteurTouches
{
public:
    // D'après la seule touche Qt (côté gauche, rangée principale)
    static sf::Keyboard::Key Touche(int cleQt);
    // D'après l'événement entier : pavé numérique et touches de droite en plus
    static sf::Keyboard::Key Touche(const QKeyEvent& e);
    static bool Traduire(const QKeyEvent& e, bool appui, sf::Event& sortie);
    static bool Traduire(const QMouseEvent& e, bool appui, sf::Event& sortie);
};
