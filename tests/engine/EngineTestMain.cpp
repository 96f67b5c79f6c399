#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

// The program takes the desktop's locale at start (Qt does so); the engine must
// write and read the same numbers under a comma-decimal locale as under "C".
int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

TEST(DesktopLocale, IsTheOneTheTestRunAsks)
{
    const char* wanted = std::getenv("LC_ALL");
    if (wanted == nullptr || *wanted == '\0')
        wanted = std::getenv("LANG");
    if (wanted == nullptr || *wanted == '\0')
        GTEST_SKIP() << "neither LC_ALL nor LANG is set";
    // A locale not installed leaves "C" in force; an inherited LC_ALL may override the LANG asked for.
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), wanted) << "is the locale generated? see locale -a";
    const char* lang = std::getenv("LANG");
    if (std::strncmp(wanted, "de_DE", 5) == 0 || (lang != nullptr && std::strncmp(lang, "de_DE", 5) == 0)) {
        EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    }
}
