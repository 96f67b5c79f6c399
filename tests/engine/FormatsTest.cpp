#include "engine/Formats.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <ostream>
#include <string>

namespace {

constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Smallest = std::numeric_limits<std::int64_t>::min();

// --- FormatElapsed ---

struct ElapsedRow
{
    std::string name;
    std::int32_t seconds;
    std::string text;
    friend void PrintTo(const ElapsedRow& row, std::ostream* os) { *os << row.name; }
};

class FormatElapsedTest : public ::testing::TestWithParam<ElapsedRow>
{};

TEST_P(FormatElapsedTest, ShowsHoursMinutesAndSeconds)
{
    EXPECT_EQ(FormatElapsed(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatElapsedTest,
    ::testing::Values(ElapsedRow{"Zero", 0, "00:00:00"}, ElapsedRow{"LastSecondOfFirstMinute", 59, "00:00:59"},
                      ElapsedRow{"OneMinute", 60, "00:01:00"}, ElapsedRow{"LastSecondOfFirstHour", 3599, "00:59:59"},
                      ElapsedRow{"OneHour", 3600, "01:00:00"}, ElapsedRow{"BelowTenHours", 35999, "09:59:59"},
                      ElapsedRow{"TenHours", 36000, "10:00:00"}, ElapsedRow{"LastSecondOfADay", 86399, "23:59:59"},
                      ElapsedRow{"HundredHours", 360000, "100:00:00"},
                      ElapsedRow{"LargestCount", std::numeric_limits<std::int32_t>::max(), "596523:14:07"},
                      ElapsedRow{"NegativeCountFromADamagedFile", -3661, "-01:01:01"},
                      ElapsedRow{"SmallestCount", std::numeric_limits<std::int32_t>::min(), "-596523:14:08"}),
    RowName{});

// --- PadTwo ---

struct PadRow
{
    std::string name;
    std::string text;
    std::string padded;
    friend void PrintTo(const PadRow& row, std::ostream* os) { *os << row.name; }
};

class PadTwoTest : public ::testing::TestWithParam<PadRow>
{};

TEST_P(PadTwoTest, PutsAZeroBeforeSingleDigits)
{
    EXPECT_EQ(PadTwo(GetParam().text), GetParam().padded);
}

INSTANTIATE_TEST_SUITE_P(Rows, PadTwoTest,
                         ::testing::Values(PadRow{"BlankThenDigit", " 7", "07"}, PadRow{"BlankThenTen", " 10", "10"},
                                           PadRow{"ThreeDigits", "123", "123"}, PadRow{"Zero", "0", "00"},
                                           PadRow{"Nine", "9", "09"}, PadRow{"BlanksBothSides", " 5 ", "05"}),
                         RowName{});

// --- FormatMoney ---

struct MoneyRow
{
    std::string name;
    std::int64_t units;
    std::string text;
    friend void PrintTo(const MoneyRow& row, std::ostream* os) { *os << row.name; }
};

class FormatMoneyTest : public ::testing::TestWithParam<MoneyRow>
{};

TEST_P(FormatMoneyTest, ShowsTwoDecimalsAndNegativesInParentheses)
{
    EXPECT_EQ(FormatMoney(Currency::FromUnits(GetParam().units)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatMoneyTest,
    ::testing::Values(MoneyRow{"Zero", 0, "0.00"}, MoneyRow{"BelowHalfCent", 28, "0.00"},
                      MoneyRow{"JustBelowHalfCent", 49, "0.00"}, MoneyRow{"HalfCentGoesUp", 50, "0.01"},
                      MoneyRow{"RoundsUp", 34278, "3.43"}, MoneyRow{"JustBelowThousand", 9999722, "999.97"},
                      MoneyRow{"Thousand", 10000000, "1000.00"}, MoneyRow{"Clipboard", 12345678, "1234.57"},
                      MoneyRow{"NoGrouping", 12345678910, "1234567.89"},
                      MoneyRow{"HalfCentCarriesIntoDollars", 99950, "10.00"}, MoneyRow{"Negative", -25000, "(2.50)"},
                      MoneyRow{"NegativeHalfCentAwayFromZero", -50, "(0.01)"},
                      MoneyRow{"NegativeBelowHalfCentKeepsParentheses", -28, "(0.00)"},
                      MoneyRow{"Largest", Largest, "922337203685477.58"},
                      MoneyRow{"Smallest", Smallest, "(922337203685477.58)"}),
    RowName{});

// --- FormatWageEntry ---

struct WageEntryRow
{
    std::string name;
    std::string typed;
    std::string shown;
    friend void PrintTo(const WageEntryRow& row, std::ostream* os) { *os << row.name; }
};

class FormatWageEntryTest : public ::testing::TestWithParam<WageEntryRow>
{};

TEST_P(FormatWageEntryTest, ShowsTheTypedNumberWithTwoDecimals)
{
    EXPECT_EQ(FormatWageEntry(GetParam().typed), GetParam().shown);
}

// 0.285 and 2.675 lie just below their halves in binary; the typed digits decide.
INSTANTIATE_TEST_SUITE_P(
    Rows, FormatWageEntryTest,
    ::testing::Values(
        WageEntryRow{"Whole", "12", "12.00"}, WageEntryRow{"OneDecimal", "12.5", "12.50"},
        WageEntryRow{"HalfCentAwayFromZero", "12.125", "12.13"}, WageEntryRow{"MoreDecimals", "12.34567", "12.35"},
        WageEntryRow{"Letters", "abc", "0.00"}, WageEntryRow{"Empty", "", "0.00"},
        WageEntryRow{"DollarSignFirst", "$10", "0.00"}, WageEntryRow{"BlankInside", " 1 2", "12.00"},
        WageEntryRow{"UnitAfterNumber", "7.5/hr", "7.50"}, WageEntryRow{"Negative", "-3", "-3.00"},
        WageEntryRow{"Exponent", "1e3", "1000.00"}, WageEntryRow{"TypedHalfBelowItsBinaryValue", "0.285", "0.29"},
        WageEntryRow{"AnotherTypedHalf", "2.675", "2.68"}, WageEntryRow{"CarryIntoWholeDollars", "9.995", "10.00"},
        WageEntryRow{"NegativeRoundingToZeroHasNoSign", "-0.004", "0.00"},
        WageEntryRow{"NegativeHalfCent", "-0.005", "-0.01"}, WageEntryRow{"CommaEndsTheNumber", "6,75", "6.00"},
        WageEntryRow{"GroupedThousands", "1,250.00", "1.00"},
        WageEntryRow{"LargeWithoutGroupingOrExponent", "1e20", "100000000000000000000.00"},
        WageEntryRow{"BeyondDoubleRange", "1e400", "0.00"}, WageEntryRow{"BelowDoubleRange", "1e-400", "0.00"}),
    RowName{});

// The wage boxes are filled from the rate in force through its text; they must
// show the same cents as the money labels do for that rate.
TEST(FormatWageEntry, BoxFilledFromARateShowsTheSameCentsAsTheLabels)
{
    std::mt19937_64 random(11);
    std::uniform_int_distribution<std::int64_t> everydayRate(-10'000'000'000'000, 10'000'000'000'000);
    for (int i = 0; i < 100'000; ++i) {
        const Currency rate = Currency::FromUnits(everydayRate(random));
        std::string label = FormatMoney(rate);
        if (label.front() == '(')
            label = label == "(0.00)" ? "0.00" : "-" + label.substr(1, label.size() - 2);
        ASSERT_EQ(FormatWageEntry(CurrencyText(rate)), label) << CurrencyText(rate);
    }
}

// --- FormatRate ---

struct RateRow
{
    std::string name;
    std::int64_t units;
    std::string text;
    friend void PrintTo(const RateRow& row, std::ostream* os) { *os << row.name; }
};

class FormatRateTest : public ::testing::TestWithParam<RateRow>
{};

TEST_P(FormatRateTest, ShowsDollarsPerHourWithGrouping)
{
    EXPECT_EQ(FormatRate(Currency::FromUnits(GetParam().units)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatRateTest,
                         ::testing::Values(RateRow{"Grouped", 12345000, "($1,234.50)/hr"},
                                           RateRow{"NegativeSignOutside", -20000, "-($2.00)/hr"},
                                           RateRow{"Zero", 0, "($0.00)/hr"}, RateRow{"Small", 72500, "($7.25)/hr"},
                                           RateRow{"HundredsUngrouped", 1000000, "($100.00)/hr"},
                                           RateRow{"RoundingReachesAThousand", 9999990, "($1,000.00)/hr"},
                                           RateRow{"Millions", 12345678910, "($1,234,567.89)/hr"},
                                           RateRow{"Largest", Largest, "($922,337,203,685,477.58)/hr"}),
                         RowName{});

} // namespace
