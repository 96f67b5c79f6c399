#include "storage/HistoryCsv.h"
#include "storage/HistoryReport.h"

#include "HistoryTestFolder.h"

#include <cstdio>
#include <limits>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <tuple>

namespace {

using namespace std::string_literals;

constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Min = std::numeric_limits<std::int64_t>::min();

TEST(HistoryCsv, GivesHoursToFourAndMoneyToTwoDecimalsHalvesAwayFromZero)
{
    // A day's seconds and earned units; its line.
    // clang-format off
    const std::tuple<std::int64_t, std::int64_t, std::string> rows[] = {
        {1, 28, "1,0.0003,0.00"}, {5400, 187500, "5400,1.5000,18.75"},
        {17, 50, "17,0.0047,0.01"} /* half a cent up */, {18, 49, "18,0.0050,0.00"} /* just below */,
        {3600, 23450, "3600,1.0000,2.35"} /* half a cent on an odd cent */, {259199, 0, "259199,71.9997,0.00"},
        {60, -25000, "60,0.0167,-2.50"}, {60, -49, "60,0.0167,0.00"}, {0, Min, "0,0.0000,-922337203685477.58"},
        {Max, Max, "9223372036854775807,2562047788015215.5019,922337203685477.58"}};
    // clang-format on
    for (const auto& [seconds, units, line] : rows)
        EXPECT_EQ(historyCsv({{Date::parse("2026-03-29").value(), seconds, Currency::fromUnits(units)}}),
                  "date,seconds,hours,earned\n2026-03-29," + line + "\n");
}

using HistoryReportTest = HistoryTestFolder;

// The command line reads only the days asked for, leaves no working files, and tells a file it cannot read.
TEST_F(HistoryReportTest, PrintsTheDaysAskedForOrTheHeaderAloneOrSaysWhyItCannot)
{
    // Its exit code, what it printed and what it told as an error.
    const auto print = [this](HistoryRange range) {
        std::ostringstream out, err;
        const int code = printHistory(historyPath(), range, clock, out, err);
        return std::tuple(code, out.str(), err.str());
    };
    EXPECT_EQ(print({}), std::tuple(0, "date,seconds,hours,earned\n"s, ""s));
    EXPECT_TRUE(names().empty()) << "no file is made by reading";
    std::vector<HistoryRecord> days = {Record("2026-03-01", 0, 3600, 360000)};
    ASSERT_TRUE(open().store->write(days).ok);
    EXPECT_EQ(print({D("2026-03-02"), std::nullopt}), std::tuple(0, "date,seconds,hours,earned\n"s, ""s));
    EXPECT_EQ(names(), std::set<std::string>{"History.sqlite"}) << "no working files left beside it";

    const std::string garbage = "not a database, but long enough to look like one to a hasty reader.............";
    Put(historyPath(), garbage);
    EXPECT_EQ(print({}), std::tuple(1, ""s, "earnmeter: " + historyPath() + " is damaged (file is not a database).\n"));
    EXPECT_EQ(Bytes(historyPath()), garbage) << "left as it was";
    EXPECT_EQ(names(), std::set<std::string>{"History.sqlite"}) << "nor put aside";

    // A pipe in its place would hold a reader until someone wrote into it.
    std::remove(historyPath().c_str());
    ASSERT_EQ(::mkfifo(historyPath().c_str(), 0600), 0);
    EXPECT_EQ(
        print({}),
        std::tuple(1, ""s, "earnmeter: " + historyPath() + " is not a regular file, so it cannot be a history.\n"));
}

} // namespace
