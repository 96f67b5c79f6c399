#include "engine/WageEntry.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace {

struct StartRow
{
    std::string name;
    std::string typed;
    std::optional<std::int64_t> units; // empty: refused
    friend void PrintTo(const StartRow& row, std::ostream* os) { *os << row.name; }
};

class ReadWageForStartTest : public ::testing::TestWithParam<StartRow>
{};

TEST_P(ReadWageForStartTest, ReadsNumbersExactlyAndOtherTextLeniently)
{
    const std::optional<Currency> wage = ReadWageForStart(GetParam().typed);
    ASSERT_EQ(wage.has_value(), GetParam().units.has_value());
    if (wage) {
        EXPECT_EQ(wage->units, *GetParam().units);
    }
}

constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();

// 2.00005 is read on its decimal digits (a half, kept on the even 2.0000);
// through a double it would depend on binary noise.
INSTANTIATE_TEST_SUITE_P(Rows, ReadWageForStartTest,
                         ::testing::Values(StartRow{"Whole", "12", 120000}, StartRow{"BlanksAround", "  15  ", 150000},
                                           StartRow{"FiveDecimalsRoundedExactly", "12.34567", 123457},
                                           StartRow{"HalfAtFifthDecimalToEven", "2.00005", 20000},
                                           StartRow{"Negative", "-3", -30000}, StartRow{"LettersReadAsZero", "abc", 0},
                                           StartRow{"EmptyReadAsZero", "", 0},
                                           StartRow{"UnitAfterNumberReadLeniently", "12.5/hr", 125000},
                                           StartRow{"ExponentReadLeniently", "1e3", 10000000},
                                           StartRow{"LargestAmount", "922337203685477.5807", Largest},
                                           StartRow{"BeyondRangeRefused", "922337203685477.5808", std::nullopt},
                                           StartRow{"TwentyDigitsRefused", "99999999999999999999", std::nullopt},
                                           StartRow{"BeyondDoubleRangeRefused", "1e400", std::nullopt},
                                           StartRow{"NegativeBeyondDoubleRangeRefused", "-1e400", std::nullopt},
                                           StartRow{"LenientNumberBeyondRangeRefused", "1e15/hr", std::nullopt}),
                         RowName{});

TEST(WageRefusedMessage, QuotesALongTextOnlyInPart)
{
    const std::string typed(10'000, '9');
    const Message message = WageRefusedMessage(typed);
    EXPECT_LT(message.text.size(), 400u);
    EXPECT_NE(message.text.find("999..."), std::string::npos);
    EXPECT_EQ(message.buttons, Message::Buttons::Ok);
}

} // namespace
