#include "engine/SourceTemps.h"

#include <chrono>

bool SourceTemps::manuel = false;
sf::Int64 SourceTemps::microsManuels = 0;

sf::Time SourceTemps::Maintenant()
{
    if (manuel)
        return sf::microseconds(microsManuels);
    using namespace std::chrono;
    static const steady_clock::time_point origine = steady_clock::now();
    return sf::microseconds(duration_cast<microseconds>(steady_clock::now() - origine).count());
}

void SourceTemps::Manuel(bool m)
{
    if (m && !manuel)
        microsManuels = 0;
    manuel = m;
}

bool SourceTemps::EstManuel()
{
    return manuel;
}

void SourceTemps::Avancer(sf::Time duree)
{
    microsManuels += duree.asMicroseconds();
}
