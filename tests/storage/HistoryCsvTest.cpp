#include "storage/HistoryCsv.h"

#include "HistoryTestFolder.h"
#include "StorageTestData.h"

#include <limits>

namespace {

struct CsvRow
{
    std::string name;
    std::int64_t seconds, earnedUnits;
    std::string line;
    friend void PrintTo(const CsvRow& row, std::ostream* os) { *os << row.name; }
};

class HistoryCsvLine : public ::testing::TestWithParam<CsvRow>
{};

TEST_P(HistoryCsvLine, GivesHoursToFourAndMoneyToTwoDecimalsHalvesAwayFromZero)
{
    const DayTotal day{Date::parse("2026-03-29").value(), GetParam().seconds,
                       Currency::fromUnits(GetParam().earnedUnits)};
    EXPECT_EQ(historyCsv({day}), "date,seconds,hours,earned\n2026-03-29," + GetParam().line + "\n");
}

constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Min = std::numeric_limits<std::int64_t>::min();

INSTANTIATE_TEST_SUITE_P(Rows, HistoryCsvLine,
                         ::testing::Values(CsvRow{"OneSecond", 1, 28, "1,0.0003,0.00"},
                                           CsvRow{"HourAndAHalf", 5400, 187500, "5400,1.5000,18.75"},
                                           CsvRow{"HalfCentUp", 17, 50, "17,0.0047,0.01"},
                                           CsvRow{"JustBelowHalfCent", 18, 49, "18,0.0050,0.00"},
                                           CsvRow{"HalfCentOnAnOddCent", 3600, 23450, "3600,1.0000,2.35"},
                                           CsvRow{"ThreeDaysOfHours", 259199, 0, "259199,71.9997,0.00"},
                                           CsvRow{"Negative", 60, -25000, "60,0.0167,-2.50"},
                                           CsvRow{"TinyNegative", 60, -49, "60,0.0167,0.00"},
                                           CsvRow{"Largest", Max, Max,
                                                  "9223372036854775807,2562047788015215.5019,922337203685477.58"},
                                           CsvRow{"Lowest", 0, Min, "0,0.0000,-922337203685477.58"}),
                         [](const ::testing::TestParamInfo<CsvRow>& info) { return info.param.name; });

using HistoryCsvFile = HistoryTestFolder;

TEST_F(HistoryCsvFile, IsTheSameBytesForASeededStoreWhateverTheLocale)
{
    HistoryOpenResult opened = open();
    std::vector<HistoryRecord> records = {
        Record("2026-03-29", 1774770000, 5400, 125000), Record("2026-03-01", 1772330000, 1, 100000),
        Record("2026-03-01", 1772340000, 2, 100000), Record("2026-03-29", 1774780000, 3600, 123400),
        Record("2025-12-31", 1767190000, 4000, 4500000)};
    ASSERT_TRUE(opened.store->write(records).ok);
    const HistoryRead<std::vector<DayTotal>> days = opened.store->dayTotals(Date::first(), Date::last());
    ASSERT_TRUE(days.outcome.ok());
    EXPECT_EQ(historyCsv(days.value), "date,seconds,hours,earned\n"
                                      "2025-12-31,4000,1.1111,500.00\n"
                                      "2026-03-01,3,0.0008,0.01\n"
                                      "2026-03-29,9000,2.5000,31.09\n");
    EXPECT_EQ(historyCsv({}), "date,seconds,hours,earned\n");
}

} // namespace
