#pragma once

#include <SFML/System/Time.hpp>

// Source de temps commune à toutes les horloges : réelle par défaut,
// manuelle pour les tests (le temps n'avance que par Avancer).
class SourceTemps
{
public:
    static sf::Time Maintenant();
    static void Manuel(bool manuel);
    static bool EstManuel();
    static void Avancer(sf::Time duree);

private:
    static bool manuel;
    static sf::Int64 microsManuels;
};
