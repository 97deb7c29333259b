#include "engine/Metronome.h"

Metronome::Metronome(sf::Time p, int max) : periode(p.asMicroseconds()), report(0), maximum(max)
{
}

int Metronome::Pas()
{
    const sf::Int64 t = report + horloge.restart().asMicroseconds();
    // source de temps remise à zéro entre deux appels : on repart de là
    if (periode <= 0 || t < -periode)
    {
        report = 0;
        return 0;
    }
    // une frame à peine plus courte que la période (arrondi à la microseconde) compte pour un pas
    sf::Int64 n = (t + periode / 100) / periode;
    report = t - n * periode;
    if (n > maximum)
    {
        n = maximum;
        report = 0;
    }
    return int(n);
}

void Metronome::Reprendre()
{
    horloge.restart();
    report = 0;
}
