#include "engine/MoteurAudio.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::srand(1234);
    const int resultat = RUN_ALL_TESTS();
    // aucun flux de musique ne doit tourner à la sortie du processus
    MoteurAudio::Instance()->ArreterTout();
    return resultat;
}
