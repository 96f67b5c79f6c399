#include "RowName.h"
#include "engine/Currency.h"
#include "engine/Formats.h"
#include "engine/Money.h"
#include "engine/PayPeriod.h"
#include "engine/WageEntry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Smallest = std::numeric_limits<std::int64_t>::min();
constexpr std::int32_t LargestCount = std::numeric_limits<std::int32_t>::max();
constexpr double Inf = std::numeric_limits<double>::infinity(), NaN = std::numeric_limits<double>::quiet_NaN();
constexpr auto Ok = CurrencyError::None, Invalid = CurrencyError::InvalidNumber, Over = CurrencyError::Overflow;

// A failed conversion carries a zero amount, so one comparison checks both.
constexpr auto Outcome = [](CurrencyResult result) {
    return std::pair(result.error, result.value.units);
};

// Halves past the fourth decimal go to the even unit, on the digits; the range edges are exact.
TEST(CurrencyFromText, ReadsOnlyPlainDecimalsRoundedHalfToEvenWithinTheExactRange)
{
    using Row = std::tuple<std::string, CurrencyError, std::int64_t>;
    for (const auto& [text, error, units] :
         Rows(Row{"12", Ok, 120000}, Row{"  6.75 \t", Ok, 67500}, Row{"+3", Ok, 30000}, Row{"-0.5", Ok, -5000},
              Row{".5", Ok, 5000}, Row{"5.", Ok, 50000}, Row{"000000000000000000000012", Ok, 120000},
              Row{"0.00005", Ok, 0}, Row{"0.00015", Ok, 2}, Row{"0.0000500001", Ok, 1}, Row{"1.23455000000", Ok, 12346},
              Row{"-0.00025", Ok, -2}, Row{"9.99995", Ok, 100000}, Row{"922337203685477.5807", Ok, Largest},
              Row{"-922337203685477.5808", Ok, Smallest}, Row{"922337203685477.5808", Over, 0},
              Row{"-922337203685477.5809", Over, 0}, Row{"922337203685477.58075", Over, 0},
              Row{"922337203685477.58065", Ok, Largest - 1}, Row{"-922337203685477.58085", Ok, Smallest},
              Row{"99999999999999999999", Over, 0}, Row{"", Invalid, 0}, Row{"-", Invalid, 0}, Row{".", Invalid, 0},
              Row{"12.5/hr", Invalid, 0}, Row{"1.2.3", Invalid, 0}, Row{"6,75", Invalid, 0}, Row{"1e3", Invalid, 0},
              Row{"99999999999999999999x", Invalid, 0}))
        EXPECT_EQ(Outcome(CurrencyFromText(text)), std::pair(error, units)) << text;
}

// 1/32 and 3/32 dollars fall exactly on half units; the double nearest the largest amount is beyond it.
TEST(CurrencyFromDouble, RoundsToTheNearestUnitHalfToEvenOrFails)
{
    using Row = std::tuple<double, CurrencyError, std::int64_t>;
    for (const auto& [value, error, units] :
         Rows(Row{10.0 / 3600.0, Ok, 28}, Row{0.03125, Ok, 312}, Row{0.09375, Ok, 938}, Row{-0.03125, Ok, -312},
              Row{-0.09375, Ok, -938}, Row{9e14, Ok, 9'000'000'000'000'000'000},
              Row{-922337203685477.5808, Ok, Smallest}, Row{922337203685477.5807, Over, 0}, Row{1e15, Over, 0},
              Row{Inf, Over, 0}, Row{NaN, CurrencyError::FloatingPoint, 0}))
        EXPECT_EQ(Outcome(CurrencyFromDouble(value)), std::pair(error, units)) << value;
}

// Beyond the double range a number goes to the side its digits and exponent put it on.
TEST(LeadingNumber, TakesTheNumberAtTheStartIgnoringBlanks)
{
    using Row = std::pair<std::string, double>;
    for (const auto& [text, value] :
         Rows(Row{"12.5 per hour", 12.5}, Row{"1\t2\n3", 123}, Row{"- 5", -5}, Row{"1.2.3", 1.2}, Row{".5", 0.5},
              Row{"-", 0}, Row{"2.5E2", 250}, Row{"1d-2", 0.01}, Row{"1 e 3", 1000}, Row{"7e+", 7}, Row{"1e400", Inf},
              Row{"-1e400", -Inf}, Row{"1e-400", 0}, Row{"1e99999999999999999999", Inf}, Row{"0e99999", 0},
              Row{"1" + std::string(500, '0') + "e-10", Inf}, Row{"0." + std::string(400, '0') + "1", 0}))
        EXPECT_EQ(LeadingNumber(text), value) << text;
}

// As stored, as labels show it (halves of a cent away from zero, negatives in parentheses), as a rate.
TEST(FormatMoney, WritesAnAmountAsStoredAsLabelledAndAsARate)
{
    using Row = std::tuple<std::int64_t, std::string, std::string, std::string>;
    for (const auto& [units, stored, label, rate] :
         Rows(Row{0, "0", "0.00", "($0.00)/hr"}, Row{1, "0.0001", "0.00", "($0.00)/hr"},
              Row{-1, "-0.0001", "(0.00)", "-($0.00)/hr"}, Row{28, "0.0028", "0.00", "($0.00)/hr"},
              Row{49, "0.0049", "0.00", "($0.00)/hr"}, Row{50, "0.005", "0.01", "($0.01)/hr"},
              Row{-50, "-0.005", "(0.01)", "-($0.01)/hr"}, Row{125, "0.0125", "0.01", "($0.01)/hr"},
              Row{34278, "3.4278", "3.43", "($3.43)/hr"}, Row{99950, "9.995", "10.00", "($10.00)/hr"},
              Row{120000, "12", "12.00", "($12.00)/hr"}, Row{-5000, "-0.5", "(0.50)", "-($0.50)/hr"},
              Row{-25000, "-2.5", "(2.50)", "-($2.50)/hr"}, Row{1001000, "100.1", "100.10", "($100.10)/hr"},
              Row{9999722, "999.9722", "999.97", "($999.97)/hr"}, Row{9999990, "999.999", "1000.00", "($1,000.00)/hr"},
              Row{10000000, "1000", "1000.00", "($1,000.00)/hr"},
              Row{12345678, "1234.5678", "1234.57", "($1,234.57)/hr"},
              Row{12345678910, "1234567.891", "1234567.89", "($1,234,567.89)/hr"},
              Row{Largest, "922337203685477.5807", "922337203685477.58", "($922,337,203,685,477.58)/hr"},
              Row{Smallest, "-922337203685477.5808", "(922337203685477.58)", "-($922,337,203,685,477.58)/hr"})) {
        const Currency amount = Currency::fromUnits(units);
        EXPECT_EQ(std::tuple(CurrencyText(amount), FormatMoney(amount), formatRate(amount)),
                  std::tuple(stored, label, rate));
    }
}

// A chosen currency is looked up by its code in any case; the display rounds to
// its decimals, halves away from zero, and at the range's edges stays inside it.
TEST(IsoCurrency, IsFoundByItsCodeInAnyCaseAndRoundsAmountsToItsDecimals)
{
    using Lookup = std::tuple<std::string, std::string, int>;
    for (const auto& [code, symbol, digits] :
         Rows(Lookup{"EUR", "€", 2}, Lookup{"jpy", "¥", 0}, Lookup{"Krw", "₩", 0}, Lookup{"usd", "$", 2})) {
        const IsoCurrency* found = findIsoCurrency(code);
        ASSERT_NE(found, nullptr) << code;
        EXPECT_EQ(std::tuple(std::string(found->symbol), found->digits), std::tuple(symbol, digits)) << code;
    }
    for (const char* unknown : {"", "XYZ", "EU", "EURO", "$", "locale"})
        EXPECT_EQ(findIsoCurrency(unknown), nullptr) << unknown;
    using Round = std::tuple<std::int64_t, int, std::int64_t>;
    for (const auto& [units, digits, rounded] :
         Rows(Round{12345, 2, 12300}, Round{12350, 2, 12400}, Round{-12350, 2, -12400}, Round{4999, 0, 0},
              Round{5000, 0, 10000}, Round{-5000, 0, -10000}, Round{12345, 4, 12345}, Round{Largest, 0, Largest - 5807},
              Round{Smallest, 0, Smallest + 5808}))
        EXPECT_EQ(roundedToDigits(Currency::fromUnits(units), digits).units, rounded) << units << " to " << digits;
}

// The typed digits decide a half: 0.285 and 2.675 lie just below their halves in binary.
TEST(FormatWageEntry, ShowsTheTypedLeadingNumberWithTwoDecimals)
{
    using Row = std::pair<std::string, std::string>;
    for (const auto& [typed, shown] :
         Rows(Row{"", "0.00"}, Row{"12.125", "12.13"}, Row{"abc", "0.00"}, Row{"0.285", "0.29"}, Row{"2.675", "2.68"},
              Row{"9.995", "10.00"}, Row{"-0.004", "0.00"}, Row{"-0.005", "-0.01"},
              Row{"1e20", "100000000000000000000.00"}, Row{"1e400", "0.00"}))
        EXPECT_EQ(FormatWageEntry(typed), shown) << typed;
}

TEST(FormatElapsed, ShowsHoursMinutesAndSecondsPaddedToTwoDigitsAndSignsADamagedNegativeCount)
{
    using Row = std::pair<std::int32_t, std::string>;
    for (const auto& [seconds, text] :
         Rows(Row{0, "00:00:00"}, Row{3599, "00:59:59"}, Row{86399, "23:59:59"}, Row{360000, "100:00:00"},
              Row{-3661, "-01:01:01"}, Row{-LargestCount - 1, "-596523:14:08"}))
        EXPECT_EQ(FormatElapsed(seconds), text) << seconds;
}

// Eight hours a five-day week unless another is in use: 7.5 x 5 is 1950 hours a year, 8 x 4 is 1664, and
// 8 x 5 written out is the default. The semi-monthly product starts with a doubling, which may overflow too.
TEST(HourlyRateFor, ConvertsOnTheWorkingWeekInUseAndRefusesProductsBeyondRange)
{
    using P = PayPeriod;
    using Row = std::tuple<std::optional<WorkingWeek>, std::int64_t, PayPeriod, CurrencyError, std::int64_t>;
    const WorkingWeek Short{7.5, 5}, FourDays{8, 4}, Default{8, 5};
    for (const auto& [week, amount, period, error, rate] :
         Rows(Row{{}, 10000000, P::Weekly, Ok, 250000}, Row{{}, 20000000, P::BiWeekly, Ok, 250000},
              Row{{}, 20000000, P::SemiMonthly, Ok, 230769}, Row{{}, 40000000, P::Monthly, Ok, 230769},
              Row{{}, 520000000, P::Annually, Ok, 250000}, Row{{}, 500000000, P::Annually, Ok, 240385},
              Row{{}, -5200000, P::Weekly, Ok, -130000}, Row{{}, Largest, P::Hourly, Ok, Largest},
              Row{{}, Largest / 52 + 1, P::Weekly, Over, 0}, Row{{}, Largest / 2 + 1, P::SemiMonthly, Over, 0},
              Row{{}, Largest / 24 + 1, P::SemiMonthly, Over, 0}, Row{{}, Largest / 12 + 1, P::Monthly, Over, 0},
              Row{Short, 9750000, P::Weekly, Ok, 260000}, Row{Short, 15000000, P::BiWeekly, Ok, 200000},
              Row{Short, 20000000, P::SemiMonthly, Ok, 246154}, Row{Short, 500000000, P::Annually, Ok, 256410},
              Row{FourDays, 20000000, P::BiWeekly, Ok, 312500}, Row{FourDays, 500000000, P::Annually, Ok, 300481},
              Row{Default, 500000000, P::Annually, Ok, 240385})) {
        const Currency given = Currency::fromUnits(amount);
        EXPECT_EQ(Outcome(week ? hourlyRateFor(given, period, *week) : hourlyRateFor(given, period)),
                  std::pair(error, rate))
            << amount << " " << displayName(period) << " " << (week ? week->hoursPerDay * week->daysPerWeek : 40);
    }
    std::string names;
    for (PayPeriod period : PayPeriods)
        names += std::string(displayName(period)) + "|";
    EXPECT_EQ(names, "Hourly|Weekly|Bi-Weekly|Semi-Monthly|Monthly|Annually|");
}

// The refusal quotes what was typed, cutting and marking only a text longer than 40 characters, and names
// the most a user may enter for the period: the last cent whose conversion fits. A fortnight of 0.02 hours
// pays fifty times its amount an hour, so less is allowed; the weekly product does not depend on the week.
TEST(LargestAmountFor, IsTheLastCentWhoseConversionFitsAndTheRefusalNamesIt)
{
    using P = PayPeriod;
    using Row = std::tuple<PayPeriod, WorkingWeek, std::string>;
    for (const auto& [period, week, largest] :
         Rows(Row{P::Hourly, {}, "922,337,203,685,477.58"}, Row{P::Weekly, {}, "17,737,253,917,028.41"},
              Row{P::BiWeekly, {}, "922,337,203,685,477.58"}, Row{P::SemiMonthly, {}, "38,430,716,820,228.23"},
              Row{P::Monthly, {}, "76,861,433,640,456.46"}, Row{P::Annually, {}, "922,337,203,685,477.58"},
              Row{P::BiWeekly, {0.01, 1}, "18,446,744,073,709.55"}, Row{P::Weekly, {8, 4}, "17,737,253,917,028.41"})) {
        const Currency amount = largestAmountFor(period, week);
        EXPECT_EQ(formatGrouped(amount), largest) << displayName(period);
        EXPECT_TRUE(hourlyRateFor(amount, period, week).ok());
        const bool lastOfTheRange = amount.units > Largest - 100;
        EXPECT_TRUE(lastOfTheRange || !hourlyRateFor(Currency::fromUnits(amount.units + 100), period, week).ok())
            << displayName(period);
    }
    const std::string forty(40, '9');
    EXPECT_EQ(filledText(wageRefusedMessage(forty + "1", P::Weekly)),
              "The wage \"" + forty +
                  "...\" is too large to count with. Enter an amount of at most 17,737,253,917,028.41 (Weekly); the "
                  "previous wage stays in force.");
    EXPECT_EQ(filledText(wageRefusedMessage(forty, P::Hourly)),
              "The wage \"" + forty +
                  "\" is too large to count with. Enter an amount of at most 922,337,203,685,477.58; the previous "
                  "wage stays in force.");
}
