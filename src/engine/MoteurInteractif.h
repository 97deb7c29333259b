#pragma once

#include "engine/Singleton.h"

#include <deque>
#include <vector>

class EntiteInteractive;
namespace sf { class RenderWindow; class Event; }

// Entités mises à jour chaque frame, dans l'ordre d'inscription.
class MoteurInteractif : public Singleton<MoteurInteractif>
{
    friend class Singleton<MoteurInteractif>;

public:
    void Ajouter(EntiteInteractive* entite);
    void Retirer(EntiteInteractive* entite);
    // supplement : événements venus d'ailleurs (Qt), distribués après ceux de la fenêtre
    void MettreAJour(sf::RenderWindow& canvas, std::deque<sf::Event>* supplement = nullptr);
    void IgnorerEvenements(sf::RenderWindow& canvas, std::deque<sf::Event>* supplement = nullptr);

    // Distribue un événement à toutes les entités (passe d'événements de MettreAJour)
    void Distribuer(const sf::Event& evenement);

    const std::vector<EntiteInteractive*>& Liste() const { return entites; }

private:
    MoteurInteractif() = default;
    std::vector<EntiteInteractive*> entites;
};
