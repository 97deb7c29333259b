#include "engine/Horloge.h"
#include "engine/SourceTemps.h"

#include <gtest/gtest.h>

TEST(Horloge, SourceManuelleAvanceSeulementSurDemande)
{
    SourceTemps::Manuel(true);
    Horloge h;
    EXPECT_EQ(h.getElapsedTime(), sf::Time::Zero);
    SourceTemps::Avancer(sf::milliseconds(250));
    EXPECT_EQ(h.getElapsedTime(), sf::milliseconds(250));
    EXPECT_EQ(h.restart(), sf::milliseconds(250));
    EXPECT_EQ(h.getElapsedTime(), sf::Time::Zero);
    SourceTemps::Avancer(sf::seconds(2));
    EXPECT_EQ(h.getElapsedTime(), sf::seconds(2));
    SourceTemps::Manuel(false);
}
