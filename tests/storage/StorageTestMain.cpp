#include <gtest/gtest.h>

#include <clocale>

// The program runs under the desktop's locale; the files must hold "." numbers
// under a comma-decimal locale as under "C".
int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
