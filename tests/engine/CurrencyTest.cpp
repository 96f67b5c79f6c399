#include "engine/Currency.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <ostream>
#include <string>

namespace {

constexpr std::int64_t Units(double dollars)
{
    return static_cast<std::int64_t>(dollars * Currency::UnitsPerDollar + (dollars < 0 ? -0.5 : 0.5));
}

// --- CurrencyFromText: strict, exact decimal rounding ---

struct TextRow
{
    std::string name;
    std::string text;
    CurrencyError error;
    std::int64_t units = 0;
    friend void PrintTo(const TextRow& row, std::ostream* os) { *os << row.name; }
};

class CurrencyFromTextTest : public ::testing::TestWithParam<TextRow>
{};

TEST_P(CurrencyFromTextTest, ReadsOnlyPlainDecimalNumbers)
{
    const TextRow& row = GetParam();
    const CurrencyResult result = CurrencyFromText(row.text);
    EXPECT_EQ(result.error, row.error);
    if (row.error == CurrencyError::None) {
        EXPECT_EQ(result.value.units, row.units);
    }
}

constexpr auto None = CurrencyError::None;
constexpr auto Invalid = CurrencyError::InvalidNumber;
constexpr auto Overflow = CurrencyError::Overflow;
constexpr auto FloatingPoint = CurrencyError::FloatingPoint;
constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Smallest = std::numeric_limits<std::int64_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Rows, CurrencyFromTextTest,
    ::testing::Values(TextRow{"Whole", "12", None, 120000}, TextRow{"Fraction", "12.5", None, 125000},
                      TextRow{"FourDecimals", "0.0125", None, 125}, TextRow{"BlanksAround", "  6.75 \t", None, 67500},
                      TextRow{"PlusSign", "+3", None, 30000}, TextRow{"MinusSign", "-0.5", None, -5000},
                      TextRow{"NoIntegerDigits", ".5", None, 5000}, TextRow{"TrailingPoint", "5.", None, 50000},
                      TextRow{"LeadingZeros", "000000000000000000000012", None, 120000},
                      TextRow{"HalfAtFifthDecimalStaysOnEven", "0.00005", None, 0},
                      TextRow{"HalfAtFifthDecimalGoesUpToEven", "0.00015", None, 2},
                      TextRow{"JustAboveHalfGoesUp", "0.0000500001", None, 1},
                      TextRow{"JustBelowHalfGoesDown", "0.00004999", None, 0},
                      TextRow{"HalfWithTrailingZerosIsStillHalf", "1.23455000000", None, 12346},
                      TextRow{"NegativeHalfStaysOnEven", "-0.00025", None, -2},
                      TextRow{"NegativeHalfGoesToEven", "-0.00035", None, -4},
                      TextRow{"RoundingCarriesIntoTheWholeDollars", "9.99995", None, 100000},
                      TextRow{"LargestAmount", "922337203685477.5807", None, Largest},
                      TextRow{"SmallestAmount", "-922337203685477.5808", None, Smallest},
                      TextRow{"OneUnitAboveLargest", "922337203685477.5808", Overflow},
                      TextRow{"OneUnitBelowSmallest", "-922337203685477.5809", Overflow},
                      TextRow{"RoundingUpPastLargest", "922337203685477.58075", Overflow},
                      TextRow{"RoundingDownStaysBelowLargest", "922337203685477.58074", None, Largest},
                      TextRow{"HalfBelowLargestStaysOnEven", "922337203685477.58065", None, Largest - 1},
                      TextRow{"HalfBeyondSmallestStaysOnEven", "-922337203685477.58085", None, Smallest},
                      TextRow{"TwentyDigits", "99999999999999999999", Overflow}, TextRow{"Empty", "", Invalid},
                      TextRow{"BlanksOnly", "   ", Invalid}, TextRow{"SignOnly", "-", Invalid},
                      TextRow{"PointOnly", ".", Invalid}, TextRow{"Letters", "abc", Invalid},
                      TextRow{"UnitAfterNumber", "12.5/hr", Invalid}, TextRow{"BlankInsideNumber", "1 000", Invalid},
                      TextRow{"TwoPoints", "1.2.3", Invalid}, TextRow{"CommaAsDecimalSymbol", "6,75", Invalid},
                      TextRow{"DigitGrouping", "1,000.00", Invalid}, TextRow{"DollarSign", "$10", Invalid},
                      TextRow{"Exponent", "1e3", Invalid}, TextRow{"BlankAfterSign", "- 5", Invalid},
                      TextRow{"TwoSigns", "+-5", Invalid},
                      TextRow{"TooLargeAndNotANumberIsNotANumber", "99999999999999999999x", Invalid}),
    RowName{});

// --- CurrencyFromDouble: nearest unit, exact halves to even ---

struct DoubleRow
{
    std::string name;
    double value;
    CurrencyError error;
    std::int64_t units = 0;
    friend void PrintTo(const DoubleRow& row, std::ostream* os) { *os << row.name; }
};

class CurrencyFromDoubleTest : public ::testing::TestWithParam<DoubleRow>
{};

TEST_P(CurrencyFromDoubleTest, RoundsToTheNearestUnitOrFails)
{
    const DoubleRow& row = GetParam();
    const CurrencyResult result = CurrencyFromDouble(row.value);
    EXPECT_EQ(result.error, row.error);
    if (row.error == CurrencyError::None) {
        EXPECT_EQ(result.value.units, row.units);
    }
}

constexpr double Inf = std::numeric_limits<double>::infinity();

// 1/32 and 3/32 dollars are exact in binary and fall on half units: 312.5 and 937.5.
INSTANTIATE_TEST_SUITE_P(
    Rows, CurrencyFromDoubleTest,
    ::testing::Values(DoubleRow{"Zero", 0.0, None, 0}, DoubleRow{"Whole", 12.0, None, 120000},
                      DoubleRow{"TenDollarsAnHourForASecond", 10.0 / 3600.0, None, 28},
                      DoubleRow{"ExactHalfStaysOnEven", 0.03125, None, 312},
                      DoubleRow{"ExactHalfGoesUpToEven", 0.09375, None, 938},
                      DoubleRow{"NegativeExactHalfStaysOnEven", -0.03125, None, -312},
                      DoubleRow{"NegativeExactHalfGoesToEven", -0.09375, None, -938},
                      DoubleRow{"BelowHalfUnit", 0.00004, None, 0},
                      DoubleRow{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), None, 0},
                      DoubleRow{"LargeExact", 9e14, None, 9'000'000'000'000'000'000},
                      DoubleRow{"NegativeLargeExact", -9e14, None, -9'000'000'000'000'000'000},
                      DoubleRow{"SmallestAmount", -922337203685477.5808, None, Smallest},
                      // The nearest double to the largest amount lies beyond it.
                      DoubleRow{"NearestDoubleToLargestIsBeyond", 922337203685477.5807, Overflow},
                      DoubleRow{"BeyondRange", 1e15, Overflow}, DoubleRow{"NegativeBeyondRange", -1e15, Overflow},
                      DoubleRow{"LargestDouble", std::numeric_limits<double>::max(), Overflow},
                      DoubleRow{"Infinity", Inf, Overflow}, DoubleRow{"NegativeInfinity", -Inf, Overflow},
                      DoubleRow{"NotANumber", std::numeric_limits<double>::quiet_NaN(), FloatingPoint}),
    RowName{});

// --- CurrencyText ---

struct CurrencyTextRow
{
    std::string name;
    std::int64_t units;
    std::string text;
    friend void PrintTo(const CurrencyTextRow& row, std::ostream* os) { *os << row.name; }
};

class CurrencyTextTest : public ::testing::TestWithParam<CurrencyTextRow>
{};

TEST_P(CurrencyTextTest, WritesPlainDecimalWithoutTrailingZeros)
{
    EXPECT_EQ(CurrencyText(Currency::FromUnits(GetParam().units)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, CurrencyTextTest,
                         ::testing::Values(CurrencyTextRow{"Fraction", Units(12.5), "12.5"},
                                           CurrencyTextRow{"Whole", Units(12), "12"},
                                           CurrencyTextRow{"NegativeFraction", Units(-0.5), "-0.5"},
                                           CurrencyTextRow{"FourDecimals", 125, "0.0125"},
                                           CurrencyTextRow{"Zero", 0, "0"}, CurrencyTextRow{"OneUnit", 1, "0.0001"},
                                           CurrencyTextRow{"MinusOneUnit", -1, "-0.0001"},
                                           CurrencyTextRow{"ZerosInsideKept", Units(100.1), "100.1"},
                                           CurrencyTextRow{"Largest", Largest, "922337203685477.5807"},
                                           CurrencyTextRow{"Smallest", Smallest, "-922337203685477.5808"}),
                         RowName{});

// What is written must read back as the very same amount: wages pass through
// CurrencyText on their way into the wage boxes.
TEST(CurrencyRoundTrip, TextOfAnyAmountReadsBackExactly)
{
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<std::int64_t> anyAmount(Smallest, Largest);
    std::uniform_int_distribution<std::int64_t> everydayAmount(-100'000'000, 100'000'000);
    for (int i = 0; i < 100'000; ++i) {
        const Currency amount = Currency::FromUnits(i % 2 == 0 ? anyAmount(random) : everydayAmount(random));
        const CurrencyResult back = CurrencyFromText(CurrencyText(amount));
        ASSERT_TRUE(back.ok()) << CurrencyText(amount);
        ASSERT_EQ(back.value, amount) << CurrencyText(amount);
    }
    for (std::int64_t edge : {Smallest, Smallest + 1, std::int64_t{-1}, std::int64_t{0}, std::int64_t{1}, Largest})
        EXPECT_EQ(CurrencyFromText(CurrencyText(Currency::FromUnits(edge))).value.units, edge);
}

// Totals and period rates go through double and back; for any amount a wage or
// a total can reasonably reach, that detour must not lose a unit.
TEST(CurrencyRoundTrip, AmountsBelowTwoToTheFiftyUnitsSurviveTheDoubleDetour)
{
    std::mt19937_64 random(7);
    constexpr std::int64_t limit = std::int64_t{1} << 50;
    std::uniform_int_distribution<std::int64_t> amount(-limit, limit);
    for (int i = 0; i < 100'000; ++i) {
        const Currency c = Currency::FromUnits(amount(random));
        ASSERT_EQ(CurrencyFromDouble(CurrencyAsDouble(c)).value, c) << c.units;
    }
}

// --- LeadingNumber: the lenient reading of what was typed ---

struct LeadingRow
{
    std::string name;
    std::string text;
    double value;
    friend void PrintTo(const LeadingRow& row, std::ostream* os) { *os << row.name; }
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingRow>
{};

TEST_P(LeadingNumberTest, TakesTheNumberAtTheStartAndIgnoresBlanks)
{
    EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().value);
}

const std::string HugeWithNegativeExponent = "1" + std::string(500, '0') + "e-10";
const std::string TinyWithoutExponent = "0." + std::string(400, '0') + "1";

INSTANTIATE_TEST_SUITE_P(
    Rows, LeadingNumberTest,
    ::testing::Values(
        LeadingRow{"WordsAfterNumber", "12.5 per hour", 12.5}, LeadingRow{"BlankInside", " 1 2", 12},
        LeadingRow{"DollarSignFirst", "$12", 0}, LeadingRow{"Empty", "", 0},
        LeadingRow{"CommaEndsTheNumber", "7,50", 7}, LeadingRow{"TabsAndLineFeeds", "1\t2\n3", 123},
        LeadingRow{"Negative", "-3", -3}, LeadingRow{"Plus", "+4.5", 4.5}, LeadingRow{"BlankAfterSign", "- 5", -5},
        LeadingRow{"SecondPointEnds", "1.2.3", 1.2}, LeadingRow{"NoIntegerDigits", ".5", 0.5},
        LeadingRow{"TrailingPoint", "5.", 5}, LeadingRow{"PointAlone", ".", 0}, LeadingRow{"SignAlone", "-", 0},
        LeadingRow{"ExponentE", "1e3", 1000}, LeadingRow{"ExponentCapitalE", "2.5E2", 250},
        LeadingRow{"ExponentD", "1D3", 1000}, LeadingRow{"ExponentSmallDNegative", "1d-2", 0.01},
        LeadingRow{"NegativeExponent", "5E-1", 0.5}, LeadingRow{"BlanksInExponent", "1 e 3", 1000},
        LeadingRow{"MarkerWithoutDigits", "7e", 7}, LeadingRow{"MarkerAndSignWithoutDigits", "7e+", 7},
        LeadingRow{"WordStartingWithD", "7.5 days", 7.5},
        LeadingRow{"ManyDigits", "123456789012345678901234567890", 123456789012345678901234567890.0},
        LeadingRow{"BeyondDoubleRange", "1e400", Inf}, LeadingRow{"NegativeBeyondDoubleRange", "-1e400", -Inf},
        LeadingRow{"BelowDoubleRange", "1e-400", 0}, LeadingRow{"HugeExponent", "1e99999999999999999999", Inf},
        LeadingRow{"ZeroWithHugeExponent", "0e99999", 0},
        LeadingRow{"HugeNumberWithSmallNegativeExponent", HugeWithNegativeExponent, Inf},
        LeadingRow{"TinyNumberWithoutExponent", TinyWithoutExponent, 0}),
    RowName{});

} // namespace
