#include <gtest/gtest.h>

#include <clocale>

// The program takes the desktop's locale at start (Qt does so); the engine must
// write and read the same numbers under a comma-decimal locale as under "C".
int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
