#pragma once

#include <SFML/Window/Event.hpp>

class QKeyEvent;
class QMouseEvent;

// Traduit les événements clavier et souris reçus par Qt en événements SFML :
// la fenêtre SFML logée dans un widget ne reçoit pas elle-même ces événements.
class TraducteurTouches
{
public:
    static sf::Keyboard::Key Touche(int cleQt);
    static bool Traduire(const QKeyEvent& e, bool appui, sf::Event& sortie);
    static bool Traduire(const QMouseEvent& e, bool appui, sf::Event& sortie);
};
