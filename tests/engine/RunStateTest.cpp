#include "engine/RunState.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Smallest = std::numeric_limits<std::int64_t>::min();
constexpr std::int32_t LargestCount = std::numeric_limits<std::int32_t>::max();

struct TotalRow
{
    std::string name;
    std::int64_t wageUnits;
    std::int32_t seconds;
    std::int64_t totalUnits;
    friend void PrintTo(const TotalRow& row, std::ostream* os) { *os << row.name; }
};

class TotalEarnedForTest : public ::testing::TestWithParam<TotalRow>
{};

TEST_P(TotalEarnedForTest, PricesTheWholeCountAtTheRate)
{
    const TotalRow& row = GetParam();
    EXPECT_EQ(TotalEarnedFor(Currency::FromUnits(row.wageUnits), row.seconds).units, row.totalUnits);
}

// A change from 10.00 to 20.00 after 180 seconds prices all 181 seconds at
// 20.00 (1.0056), not 0.5000 plus one second at the new rate.
INSTANTIATE_TEST_SUITE_P(
    Rows, TotalEarnedForTest,
    ::testing::Values(
        TotalRow{"TenAnHourForOneSecond", 100000, 1, 28}, TotalRow{"TenAnHourForThreeMinutes", 100000, 180, 5000},
        TotalRow{"WageRaisedAfterThreeMinutes", 200000, 181, 10056}, TotalRow{"OddRate", 123400, 1000, 34278},
        TotalRow{"OneCentASecond", 360000, 1, 100}, TotalRow{"JustBelowThousand", 1000000, 35999, 9999722},
        TotalRow{"ExactlyThousand", 36000000, 1000, 10000000}, TotalRow{"ZeroWageForever", 0, LargestCount, 0},
        TotalRow{"NothingCountedYet", 100000, 0, 0}, TotalRow{"NegativeWage", -100000, 1, -28},
        TotalRow{"JustInsideTheRange", 9'000'000'000'000'000'000, 3689, 9'222'500'000'000'000'000},
        TotalRow{"BeyondRangeHeldAtLargest", 9'000'000'000'000'000'000, 3690, Largest},
        TotalRow{"LargestWageForAnHourHeldAtLargest", Largest, 3600, Largest},
        TotalRow{"LargestWageForeverHeldAtLargest", Largest, LargestCount, Largest},
        TotalRow{"SmallestWageForeverHeldAtSmallest", Smallest, LargestCount, Smallest}),
    RowName{});

} // namespace
