#pragma once

namespace sf { class RenderWindow; class Event; }

// Base de tout ce qui est mis à jour chaque frame et reçoit les événements.
class EntiteInteractive
{
public:
    EntiteInteractive();
    virtual ~EntiteInteractive();

    virtual void MettreAJour(sf::RenderWindow& fenetre);
    virtual void TraiterEvenement(const sf::Event& evenement) = 0;
};
