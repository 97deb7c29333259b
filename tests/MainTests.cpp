#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::srand(1234);
    return RUN_ALL_TESTS();
}
