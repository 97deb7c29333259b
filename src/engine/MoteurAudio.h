#pragma once

#include "engine/Singleton.h"

#include <vector>

namespace sf { class Music; }

// Pile des musiques : celle du dessus est la musique courante.
class MoteurAudio : public Singleton<MoteurAudio>
{
    friend class Singleton<MoteurAudio>;

public:
    void JouerMusique(sf::Music* musique);
    void ArreterMusique(sf::Music* musique);
    void ArreterTout();
    void DefinirHauteur(float h);
    void MettreAJour(bool actif);

    float Hauteur() const { return hauteur; }
    const std::vector<sf::Music*>& Pile() const { return pile; }

private:
    MoteurAudio() = default;
    std::vector<sf::Music*> pile;
    float hauteur = 1.f;
};
