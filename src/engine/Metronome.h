#pragma once

#include "engine/Horloge.h"

#include <SFML/Config.hpp>
#include <SFML/System/Time.hpp>

// Pas réguliers lus sur une horloge : autant de pas par seconde à toute cadence d'affichage.
// Une frame longue en compte plusieurs, une frame courte aucun, et le reste d'une période
// passe à l'appel suivant. Après une longue absence (objet figé hors vue), le retard au-delà
// de `maximum` pas est abandonné.
class Metronome
{
public:
    explicit Metronome(sf::Time periode, int maximum = 8);

    // Pas écoulés depuis l'appel précédent (ou depuis Reprendre)
    int Pas();
    // Repart d'une période entière, sans retard
    void Reprendre();

private:
    Horloge horloge;
    sf::Int64 periode;
    sf::Int64 report;
    int maximum;
};
