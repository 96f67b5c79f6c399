#include "engine/Date.h"
#include "engine/HistoryRecord.h"
#include "engine/HistoryTotals.h"
#include "RowName.h"
#include "engine/AwayWatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

Date D(const char* text)
{
    return Date::parse(text).value();
}

TEST(Date, ParsesOnlyWholeDatesThatExist)
{
    for (const char* text : {"2026-03-29", "2024-02-29", "2000-02-29", "0001-01-01", "9999-12-31"})
        EXPECT_EQ(Date::parse(text).value_or(Date()).text(), text);
    for (const char* text : {"2026-02-30", "2023-02-29", "1900-02-29", "2026-04-31", "2026-13-01", "2026-00-10",
                             "2026-01-00", "0000-01-01", "2026-2-3", "2026-02-03 ", " 2026-02-03", "2026-02-031",
                             "2026/02/03", "20260203", "+026-02-03", "2026-02-0x", ""})
        EXPECT_FALSE(Date::parse(text)) << '"' << text << '"';
}

TEST(Date, CountsDaysFrom1970AndBack)
{
    const std::pair<const char*, std::int64_t> rows[] = {{"1970-01-01", 0},       {"1969-12-31", -1},
                                                         {"2000-03-01", 11017},   {"2026-03-29", 20541},
                                                         {"0001-01-01", -719162}, {"9999-12-31", 2932896}};
    for (const auto& [text, days] : rows) {
        EXPECT_EQ(D(text).dayNumber(), days) << text;
        EXPECT_EQ(Date::fromDayNumber(days), D(text)) << text;
    }
    EXPECT_EQ(Date(), D("1970-01-01"));
    EXPECT_EQ(Date::fromDayNumber(-800000), Date::first());
    EXPECT_EQ(Date::fromDayNumber(INT64_MAX), Date::last());
}

TEST(Date, StepsAcrossMonthsLeapDaysAndYearsAndStopsAtTheEnds)
{
    EXPECT_EQ(D("2026-01-31").addDays(1), D("2026-02-01"));
    EXPECT_EQ(D("2024-02-28").addDays(1), D("2024-02-29"));
    EXPECT_EQ(D("2023-02-28").addDays(1), D("2023-03-01"));
    EXPECT_EQ(D("2026-12-31").addDays(1), D("2027-01-01"));
    EXPECT_EQ(D("2026-03-01").addDays(-1), D("2026-02-28"));
    EXPECT_EQ(D("2026-03-29").addDays(-365), D("2025-03-29"));
    EXPECT_EQ(D("9999-12-30").addDays(INT64_MAX), Date::last());
    EXPECT_EQ(D("0001-01-02").addDays(INT64_MIN), Date::first());
}

TEST(Date, KnowsTheWeekdayAndTheStartOfItsWeekMonthAndYear)
{
    EXPECT_EQ(D("1970-01-01").weekday(), Weekday::Thursday);
    EXPECT_EQ(D("2000-02-29").weekday(), Weekday::Tuesday);
    EXPECT_EQ(D("2026-03-29").weekday(), Weekday::Sunday);
    // A Sunday under a Monday, Sunday and Saturday week; a Thursday whose week began last year.
    EXPECT_EQ(D("2026-03-29").startOfWeek(Weekday::Monday), D("2026-03-23"));
    EXPECT_EQ(D("2026-03-29").startOfWeek(Weekday::Sunday), D("2026-03-29"));
    EXPECT_EQ(D("2026-03-29").startOfWeek(Weekday::Saturday), D("2026-03-28"));
    EXPECT_EQ(D("2026-01-01").startOfWeek(Weekday::Monday), D("2025-12-29"));
    EXPECT_EQ(D("0001-01-01").startOfWeek(Weekday::Sunday), Date::first());
    EXPECT_EQ(D("2024-02-29").startOfMonth(), D("2024-02-01"));
    EXPECT_EQ(D("2024-02-29").startOfYear(), D("2024-01-01"));
}

TEST(Date, SortsAsItsTextDoes)
{
    std::vector<std::string> texts = {"2026-03-29", "2025-12-31", "2026-04-01", "2026-03-30", "0999-01-01"};
    std::vector<Date> dates;
    for (const std::string& text : texts)
        dates.push_back(D(text.c_str()));
    std::sort(texts.begin(), texts.end());
    std::sort(dates.begin(), dates.end());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(dates[i].text(), texts[i]);
    EXPECT_EQ(Date::fromCivil(2026, 3, 29), D("2026-03-29"));
    EXPECT_FALSE(Date::fromCivil(2026, 2, 29));
    EXPECT_FALSE(Date::fromCivil(10000, 1, 1));
}

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

constexpr std::int64_t T = 1'772'445'600; // 2026-03-02 10:00:00 UTC

TEST(AwayWatch, IdleTimeLockAndTwoStretchesBeforeAnAnswerAreOneQuestionOfTheirCountedSeconds)
{
    AwayWatch watch;
    watch.setThreshold(900);
    EXPECT_EQ(watch.nextReadingIn(), 900) << "a reading just as the threshold can be reached";
    for (std::int64_t now = T + 1; now <= T + 1200; ++now) {
        watch.counted(now, 1);
        EXPECT_FALSE(watch.idle(now, now - T)) << "not back yet";
        EXPECT_EQ(watch.away(), now - T >= 900) << "away from the threshold's second on: " << now - T;
    }
    EXPECT_TRUE(watch.away());
    EXPECT_EQ(watch.nextReadingIn(), 1) << "every tick while away";
    const auto first = watch.idle(T + 1201, 1); // input at T + 1200
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, (AwayStretch{T, T + 1200, 1200, {{T, T + 1200}}}));

    // Unanswered, a lock adds its stretch; the worked minute between stays.
    for (std::int64_t now = T + 1201; now <= T + 1260; ++now)
        watch.counted(now, 1);
    watch.locked(T + 1260);
    watch.counted(T + 1300, 40); // a late tick: forty seconds at once
    const auto both = watch.unlocked(T + 1300);
    ASSERT_TRUE(both);
    EXPECT_EQ(*both, (AwayStretch{T, T + 1300, 1240, {{T, T + 1200}, {T + 1260, T + 1300}}}));
    watch.answered();
    EXPECT_FALSE(watch.pending());

    // Stopping forgets an open stretch; a threshold of 0 never reads.
    watch.locked(T + 1400);
    watch.stoppedCounting();
    EXPECT_FALSE(watch.unlocked(T + 1500)) << "not counting when it came back";
    watch.setThreshold(0);
    EXPECT_EQ(watch.nextReadingIn(), -1);
}

// A record trimmed or split exactly at the stretch: the part before keeps its
// id, the part after is new, each priced at its own wage; nothing outside moves.
TEST(HistoryRecordWithoutStretch, TrimsSplitsOrEmptiesARecordAndLeavesOthersAlone)
{
    HistoryRecord record;
    record.id = 7;
    record.startEpoch = T;
    record.endEpoch = T + 3600;
    record.seconds = 3600;
    record.hourlyWage = Currency::fromUnits(360'000); // 36.00: a cent a second
    record.earned = earnedFor(3600, record.hourlyWage);
    struct Row
    {
        std::int64_t from, to;
        std::vector<std::pair<std::int64_t, std::int64_t>> parts; // (id, seconds) of each part
    };
    const std::vector<Row> rows = {
        {T - 100, T, {}},                           // before it: untouched
        {T + 3600, T + 4000, {}},                   // after it
        {T + 600, T + 1800, {{7, 600}, {0, 1800}}}, // within: split
        {T + 3000, T + 5000, {{7, 3000}}},          // its end: trimmed
        {T - 500, T + 600, {{7, 3000}}},            // its start: the rest keeps its place
        {T - 1, T + 3601, {{7, 0}}},                // all of it: emptied, for the store to take out
    };
    for (const Row& row : rows) {
        const std::vector<HistoryRecord> parts = withoutStretch(record, row.from, row.to);
        ASSERT_EQ(parts.size(), row.parts.size()) << row.from - T;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            EXPECT_EQ(parts[i].id, row.parts[i].first) << row.from - T;
            EXPECT_EQ(parts[i].seconds, row.parts[i].second) << row.from - T;
            EXPECT_EQ(parts[i].earned, Currency::fromUnits(parts[i].seconds * 100)) << "a cent a second";
            EXPECT_EQ(parts[i].endEpoch - parts[i].startEpoch >= parts[i].seconds, true);
        }
    }
}

} // namespace
