#pragma once

#include "engine/Singleton.h"

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
    void MettreAJour(sf::RenderWindow& canvas);
    void IgnorerEvenements(sf::RenderWindow& canvas);

    // Distribue un événement à toutes les entités (passe d'événements de MettreAJour)
    void Distribuer(const sf::Event& evenement);

    const std::vector<EntiteInteractive*>& Liste() const { return entites; }

private:
    MoteurInteractif() = default;
    std::vector<EntiteInteractive*> entites;
};
