#include "platform/tray/TrayTip.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {
struct TipRow
{
    const char* name;
    QString text;
    QString tip;
};

void PrintTo(const TipRow& row, std::ostream* out)
{
    *out << row.name;
}

class TrayTipTest : public testing::TestWithParam<TipRow>
{};

TEST_P(TrayTipTest, KeepsWhatFitsTheTraysField)
{
    EXPECT_EQ(TrayTip(GetParam().text), GetParam().tip);
}

const QString Clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // outside the BMP: two UTF-16 units

INSTANTIATE_TEST_SUITE_P(
    Texts, TrayTipTest,
    testing::Values(TipRow{"Empty", "", ""}, TipRow{"Earnings", "$1,234.50 (Earnmeter)", "$1,234.50 (Earnmeter)"},
                    TipRow{"SixtyThreeStayWhole", QString(63, 'a'), QString(63, 'a')},
                    TipRow{"SixtyFourFillTheField", QString(64, 'b'), QString(64, 'b')},
                    TipRow{"SixtyFiveAreCutTo64", QString(64, 'c') + "d", QString(64, 'c')},
                    TipRow{"LongTextIsCutTo64", QString(200, 'e'), QString(64, 'e')},
                    TipRow{"WideCharacterAtTheCutStaysWhole", QString(63, 'f') + Clef + "g", QString(63, 'f') + Clef},
                    TipRow{"WideCharactersCountOnce", Clef.repeated(70), Clef.repeated(64)}),
    [](const testing::TestParamInfo<TipRow>& info) { return std::string(info.param.name); });
} // namespace
