#include "engine/HistoryRecord.h"
#include "engine/HistoryTotals.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Min = std::numeric_limits<std::int64_t>::min();

struct EarnedRow
{
    std::string name;
    std::int64_t seconds, wageUnits, earnedUnits;
};

class Earned : public ::testing::TestWithParam<EarnedRow>
{};

TEST_P(Earned, IsSecondsTimesWageOver3600RoundedHalfToEvenAndHeldInRange)
{
    const EarnedRow& row = GetParam();
    EXPECT_EQ(earnedFor(row.seconds, Currency::fromUnits(row.wageUnits)).units, row.earnedUnits);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Earned,
    ::testing::Values(EarnedRow{"OneSecondAt10", 1, 100000, 28}, EarnedRow{"ThreeMinutesAt10", 180, 100000, 5000},
                      EarnedRow{"OneSecondAt36", 1, 360000, 100},
                      EarnedRow{"ThousandSecondsAt12_34", 1000, 123400, 34278},
                      EarnedRow{"HalfUnitGoesToEvenZero", 1, 1800, 0}, EarnedRow{"HalfUnitGoesToEvenTwo", 3, 1800, 2},
                      EarnedRow{"TwoAndAHalfGoesToTwo", 5, 1800, 2}, EarnedRow{"NegativeHalfGoesToEven", 3, -1800, -2},
                      EarnedRow{"AnHourAtOneCentIsExactlyOneCent", 3600, 100, 100},
                      EarnedRow{"NoSeconds", 0, 100000, 0}, EarnedRow{"ADayAt3600", 86400, 36000000, 864000000},
                      EarnedRow{"OneSecondAtTheLargestWage", 1, Max, 2562047788015216},
                      EarnedRow{"AnHourAtTheLargestWage", 3600, Max, Max},
                      EarnedRow{"ADayAtTheLargestWageIsHeld", 90000, Max, Max},
                      EarnedRow{"ADayAtTheLowestWageIsHeld", 90000, Min, Min},
                      EarnedRow{"EveryCountAtTheLargestWageIsHeld", Max, Max, Max},
                      EarnedRow{"EveryCountAtTheLowestWageIsHeld", Max, Min, Min}),
    RowName());

TEST(HistoryTotals, SumsAreHeldAtTheRangeEdges)
{
    EXPECT_EQ(saturatingSum(Max, 1), Max);
    EXPECT_EQ(saturatingSum(Min, -1), Min);
    EXPECT_EQ(saturatingSum(Max, Min), -1);
    const HistoryTotal sum = HistoryTotal{10, Currency::fromUnits(Max)} + HistoryTotal{5, Currency::fromUnits(7)};
    EXPECT_EQ(sum, (HistoryTotal{15, Currency::max()}));
}

TEST(HistoryTotals, MergedDaysStayInDateOrderAndAddUpTheSameDay)
{
    const Date d1 = Date::parse("2026-03-27").value();
    const Date d2 = d1.addDays(1);
    const Date d3 = d1.addDays(2);
    const auto money = Currency::fromUnits;
    const std::vector<DayTotal> stored = {{d1, 60, money(100)}, {d3, 30, money(50)}};
    const std::vector<DayTotal> unsaved = {{d2, 5, money(7)}, {d3, 10, money(20)}};
    const std::vector<DayTotal> merged = {{d1, 60, money(100)}, {d2, 5, money(7)}, {d3, 40, money(70)}};
    EXPECT_EQ(mergedDayTotals(stored, unsaved), merged);
    EXPECT_EQ(mergedDayTotals(unsaved, stored), merged);
    EXPECT_EQ(mergedDayTotals({}, unsaved), unsaved);
    EXPECT_EQ(totalWithin(merged, d2, d3), (HistoryTotal{45, money(77)}));
    EXPECT_EQ(totalWithin(merged, d3, d1), HistoryTotal{});
}

} // namespace
