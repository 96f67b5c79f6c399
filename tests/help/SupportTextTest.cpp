#include "help/SupportText.h"

#include "engine/Version.h"

#include <gtest/gtest.h>

namespace {
constexpr ScreenSize Xga{1024, 768};

struct FolderCase
{
    const char* name;
    std::string folder;
    std::string encoded;
    friend void PrintTo(const FolderCase& row, std::ostream* os) { *os << row.name; }
};

class FolderInMailBody : public testing::TestWithParam<FolderCase>
{};

TEST_P(FolderInMailBody, EncodesOnlyWhatWouldBreakTheAddress)
{
    EXPECT_EQ(SupportText::EncodeFolder(GetParam().folder), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(Folders, FolderInMailBody,
                         testing::Values(FolderCase{"PlainPath", "/usr/local/bin", "/usr/local/bin"},
                                         FolderCase{"SpacesStay", "/home/ann/My Programs/Earn Meter",
                                                    "/home/ann/My Programs/Earn Meter"},
                                         FolderCase{"QueryDelimiters", "/a&b#c?d", "/a%26b%23c%3Fd"},
                                         FolderCase{"PercentAndPlus", "/100%+", "/100%25%2B"},
                                         FolderCase{"NonAsciiAsUtf8Bytes", "/home/zo\xC3\xAB", "/home/zo%C3%AB"},
                                         FolderCase{"ControlCharacters", "/a\r\nb\tc\x7F", "/a%0D%0Ab%09c%7F"},
                                         FolderCase{"OtherPunctuationStays", "/a=b;c,d'(e)", "/a=b;c,d'(e)"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PixelCase
{
    const char* name;
    float pixels;
    const char* text;
    friend void PrintTo(const PixelCase& row, std::ostream* os) { *os << row.name; }
};

class ScreenPixels : public testing::TestWithParam<PixelCase>
{};

TEST_P(ScreenPixels, AreWrittenInShortestForm)
{
    EXPECT_EQ(SupportText::PixelCount(GetParam().pixels), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Counts, ScreenPixels,
                         testing::Values(PixelCase{"Whole", 1024.0f, "1024"}, PixelCase{"Zero", 0.0f, "0"},
                                         PixelCase{"ScaledHalf", 1366.5f, "1366.5"},
                                         PixelCase{"LargeWithoutExponent", 16777216.0f, "16777216"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SupportMail, SubjectNamesTheProgramAndTheVersionShownEverywhere)
{
    EXPECT_EQ(SupportText::EmailSubject(), "Regarding%20Earnmeter%20" + VersionText());
    EXPECT_EQ(SupportText::EmailSubject(), "Regarding%20Earnmeter%202.5");
}

TEST(SupportMail, TargetForAFolderWithSpacesKeepsTheSpaces)
{
    const std::string target = SupportText::MailTarget("support@earnmeter.example.org", SupportText::EmailSubject(),
                                                       SupportText::EmailBody("/opt/Earn Meter", Xga));
    EXPECT_EQ(target, "mailto:support@earnmeter.example.org?subject=Regarding%20Earnmeter%202.5"
                      "&body=%0D%0A%0D%0AHelpful%20Support%20Info%20==========================="
                      "%0D%0AProgram%20Path%20:%20/opt/Earn Meter"
                      "%0D%0AScreen%20Resolution%20:%201024x768");
}

TEST(SupportMail, TargetForAFolderWithAmpersandAndHashCannotEndEarly)
{
    const std::string target = SupportText::MailTarget("support@earnmeter.example.org", SupportText::EmailSubject(),
                                                       SupportText::EmailBody("/home/Tom & Jerry/#1", Xga));
    EXPECT_EQ(target, "mailto:support@earnmeter.example.org?subject=Regarding%20Earnmeter%202.5"
                      "&body=%0D%0A%0D%0AHelpful%20Support%20Info%20==========================="
                      "%0D%0AProgram%20Path%20:%20/home/Tom %26 Jerry/%231"
                      "%0D%0AScreen%20Resolution%20:%201024x768");
}

TEST(ProgramInformation, ShowsEightLinesForAFolderWithSpaces)
{
    EXPECT_EQ(SupportText::ProgramInfo("/opt/Earn Meter", "07/12/2024 09:30", Xga),
              "Program Path -\r\n/opt/Earn Meter\r\n\r\nEXE Modified Date -\r\n07/12/2024 09:30\r\n\r\n"
              "Screen Resolution - \r\n1024 x 768");
}

TEST(ProgramInformation, ShowsTheFolderUnencoded)
{
    EXPECT_EQ(SupportText::ProgramInfo("/home/Tom & Jerry/#1", "07/12/2024 09:30", Xga),
              "Program Path -\r\n/home/Tom & Jerry/#1\r\n\r\nEXE Modified Date -\r\n07/12/2024 09:30\r\n\r\n"
              "Screen Resolution - \r\n1024 x 768");
}

TEST(ProgramInformation, SaysSoWhenTheProgramFileCannotBeRead)
{
    EXPECT_EQ(SupportText::ProgramInfo("/opt/earnmeter", std::nullopt, Xga),
              "Program Path -\r\n/opt/earnmeter\r\n\r\nEXE Modified Date -\r\n"
              "(unknown: the program file could not be read)\r\n\r\nScreen Resolution - \r\n1024 x 768");
}
} // namespace
