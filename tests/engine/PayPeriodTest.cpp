#include "engine/PayPeriod.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Smallest = std::numeric_limits<std::int64_t>::min();

struct PeriodRow
{
    std::string name;
    std::int64_t amountUnits;
    std::string period;
    CurrencyError error;
    std::int64_t rateUnits = 0;
    friend void PrintTo(const PeriodRow& row, std::ostream* os) { *os << row.name; }
};

class HourlyRateForTest : public ::testing::TestWithParam<PeriodRow>
{};

TEST_P(HourlyRateForTest, ConvertsOnEightHoursAFiveDayWeek)
{
    const PeriodRow& row = GetParam();
    const CurrencyResult rate = HourlyRateFor(Currency::FromUnits(row.amountUnits), row.period);
    EXPECT_EQ(rate.error, row.error);
    if (row.error == CurrencyError::None) {
        EXPECT_EQ(rate.value.units, row.rateUnits);
    }
}

constexpr auto None = CurrencyError::None;
constexpr auto Overflow = CurrencyError::Overflow;

INSTANTIATE_TEST_SUITE_P(
    Rows, HourlyRateForTest,
    ::testing::Values(PeriodRow{"Hourly", 125000, "Hourly", None, 125000},
                      PeriodRow{"Weekly", 10000000, "Weekly", None, 250000},
                      PeriodRow{"BiWeekly", 20000000, "Bi-Weekly", None, 250000},
                      PeriodRow{"SemiMonthly", 20000000, "Semi-Monthly", None, 230769},
                      PeriodRow{"Monthly", 40000000, "Monthly", None, 230769},
                      PeriodRow{"AnnuallyEven", 520000000, "Annually", None, 250000},
                      PeriodRow{"AnnuallyRounded", 500000000, "Annually", None, 240385},
                      PeriodRow{"NegativeWeekly", -5200000, "Weekly", None, -130000},
                      PeriodRow{"UnknownPeriodLeavesTheAmount", 125000, "Fortnightly", None, 125000},
                      PeriodRow{"PeriodNamesAreCaseSensitive", 10000000, "weekly", None, 10000000},
                      PeriodRow{"WeeklyProductBeyondRange", Largest / 52 + 1, "Weekly", Overflow},
                      PeriodRow{"NegativeWeeklyProductBeyondRange", Smallest / 52 - 1, "Weekly", Overflow},
                      PeriodRow{"SemiMonthlyDoubleBeyondRange", Largest / 2 + 1, "Semi-Monthly", Overflow},
                      PeriodRow{"SemiMonthlyProductBeyondRange", Largest / 24 + 1, "Semi-Monthly", Overflow},
                      PeriodRow{"MonthlyProductBeyondRange", Largest / 12 + 1, "Monthly", Overflow},
                      PeriodRow{"LargestHourlyIsKept", Largest, "Hourly", None, Largest}),
    RowName{});

} // namespace
