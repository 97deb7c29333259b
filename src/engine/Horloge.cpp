#include "engine/Horloge.h"

#include "engine/SourceTemps.h"

Horloge::Horloge() : depart(SourceTemps::Maintenant())
{
}

sf::Time Horloge::getElapsedTime() const
{
    return SourceTemps::Maintenant() - depart;
}

sf::Time Horloge::restart()
{
    const sf::Time maintenant = SourceTemps::Maintenant();
    const sf::Time ecoule = maintenant - depart;
    depart = maintenant;
    return ecoule;
}
