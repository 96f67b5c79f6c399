#include "storage/HistoryCsv.h"
#include "storage/HistoryReport.h"

#include "HistoryTestFolder.h"

#include <cstdio>
#include <limits>
#include <set>
#include <sstream>
#include <sys/stat.h>

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

using HistoryReportTest = HistoryTestFolder;

TEST(HistoryRange, TakesTwoRealDatesInOrderAndSaysWhatIsWrongOtherwise)
{
    using Text = std::optional<std::string>;
    for (const auto& [from, to, wrong] :
         {std::tuple{Text(), Text(), ""},
          {Text("2026-03-01"), Text("2026-03-01"), ""},
          {Text("2026-3-1"), Text(), "--from wants a date as YYYY-MM-DD, not \"2026-3-1\""},
          {Text(), Text("2026-02-30"), "--to wants a date as YYYY-MM-DD, not \"2026-02-30\""},
          {Text("2026-03-02"), Text("2026-03-01"), "--from 2026-03-02 comes after --to 2026-03-01"}}) {
        const auto range = historyRange(from, to);
        EXPECT_EQ(std::holds_alternative<std::string>(range) ? std::get<std::string>(range) : "", wrong);
    }
}

// The command line reads what the program wrote, only the days asked for, and never creates a file.
TEST_F(HistoryReportTest, PrintsTheDaysAskedForOrTheHeaderAloneOrSaysWhyItCannot)
{
    std::ostringstream out, err;
    EXPECT_EQ(printHistory(historyPath(), {}, clock, out, err), 0);
    EXPECT_EQ(out.str(), "date,seconds,hours,earned\n");
    EXPECT_TRUE(names().empty()) << "no file is made by reading";

    std::vector<HistoryRecord> days = {Record("2026-02-28", 0, 5400, 125000), Record("2026-03-02", 0, 1800, 100000),
                                       Record("2026-03-01", 0, 3600, 360000)};
    ASSERT_TRUE(open().store->write(days).ok);
    std::ostringstream range;
    EXPECT_EQ(printHistory(historyPath(), {D("2026-03-01"), std::nullopt}, clock, range, err), 0);
    EXPECT_EQ(range.str(), "date,seconds,hours,earned\n2026-03-01,3600,1.0000,36.00\n2026-03-02,1800,0.5000,5.00\n");
    EXPECT_EQ(names(), std::set<std::string>{"History.sqlite"}) << "no working files left beside it";

    Put(historyPath(), "not a database, but long enough to look like one to a hasty reader.............");
    std::ostringstream damaged;
    EXPECT_EQ(printHistory(historyPath(), {}, clock, damaged, err), 1);
    EXPECT_NE(err.str().find(historyPath()), std::string::npos) << err.str();
    EXPECT_EQ(Bytes(historyPath()).substr(0, 3), "not") << "left as it was";

    // A pipe in its place would hold a reader until someone wrote into it.
    std::remove(historyPath().c_str());
    ASSERT_EQ(::mkfifo(historyPath().c_str(), 0600), 0);
    std::ostringstream piped, pipeErr;
    EXPECT_EQ(printHistory(historyPath(), {}, clock, piped, pipeErr), 1);
    EXPECT_EQ(pipeErr.str(), "earnmeter: " + historyPath() + " is not a regular file, so it cannot be a history.\n");
}

} // namespace
