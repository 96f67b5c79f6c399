#include "engine/Date.h"
#include "engine/HistoryRecord.h"
#include "engine/HistoryTotals.h"
#include "RowName.h"
#include "engine/AwayWatch.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
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

// A day number beyond either end is held at it, as is a step beyond it.
TEST(Date, CountsDaysFrom1970AndBackAndStepsAcrossMonthsLeapDaysAndYears)
{
    using Count = std::pair<const char*, std::int64_t>;
    for (const auto& [text, days] :
         Rows(Count{"1970-01-01", 0}, Count{"1969-12-31", -1}, Count{"2000-03-01", 11017}, Count{"2026-03-29", 20541},
              Count{"0001-01-01", -719162}, Count{"9999-12-31", 2932896})) {
        EXPECT_EQ(D(text).dayNumber(), days) << text;
        EXPECT_EQ(Date::fromDayNumber(days), D(text)) << text;
    }
    EXPECT_EQ(Date::fromDayNumber(-800000), D("0001-01-01"));
    EXPECT_EQ(Date::fromDayNumber(INT64_MAX), D("9999-12-31"));
    using Step = std::tuple<const char*, std::int64_t, const char*>;
    for (const auto& [from, days, to] :
         Rows(Step{"2026-01-31", 1, "2026-02-01"}, Step{"2024-02-28", 1, "2024-02-29"},
              Step{"2023-02-28", 1, "2023-03-01"}, Step{"2026-12-31", 1, "2027-01-01"},
              Step{"2026-03-01", -1, "2026-02-28"}, Step{"2026-03-29", -365, "2025-03-29"},
              Step{"9999-12-30", INT64_MAX, "9999-12-31"}, Step{"0001-01-02", INT64_MIN, "0001-01-01"}))
        EXPECT_EQ(D(from).addDays(days), D(to)) << from << " " << days;
}

TEST(Date, KnowsTheWeekdayAndTheStartOfItsWeekMonthAndYear)
{
    EXPECT_EQ(D("1970-01-01").weekday(), Weekday::Thursday);
    EXPECT_EQ(D("2026-03-29").weekday(), Weekday::Sunday);
    // A Sunday under a Saturday week; a Thursday whose week began last year.
    EXPECT_EQ(D("2026-03-29").startOfWeek(Weekday::Saturday), D("2026-03-28"));
    EXPECT_EQ(D("2026-01-01").startOfWeek(Weekday::Monday), D("2025-12-29"));
    EXPECT_EQ(D("0001-01-01").startOfWeek(Weekday::Sunday), D("0001-01-01"));
    EXPECT_EQ(D("2024-02-29").startOfMonth(), D("2024-02-01"));
    EXPECT_EQ(D("2024-02-29").startOfYear(), D("2024-01-01"));
}

constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Min = std::numeric_limits<std::int64_t>::min();

// 1800 units an hour earn half a unit a second: 0.5, 1.5, 2.5 and -1.5 go to the even unit.
TEST(Earned, IsSecondsTimesWageOver3600RoundedHalfToEvenAndHeldInRange)
{
    using Row = std::tuple<std::int64_t, std::int64_t, std::int64_t>; // seconds, wage, earned
    for (const auto& [seconds, wage, earned] :
         Rows(Row{1, 100000, 28}, Row{1000, 123400, 34278}, Row{1, 1800, 0}, Row{3, 1800, 2}, Row{5, 1800, 2},
              Row{3, -1800, -2}, Row{86400, 36000000, 864000000}, Row{1, Max, 2562047788015216}, Row{3600, Max, Max},
              Row{90000, Min, Min}, Row{Max, Max, Max}, Row{Max, Min, Min}))
        EXPECT_EQ(earnedFor(seconds, Currency::fromUnits(wage)).units, earned) << seconds << " s at " << wage;
}

TEST(HistoryTotals, MergedDaysStayInDateOrderAndAddUpTheSameDay)
{
    const Date d1 = D("2026-03-27"), d2 = D("2026-03-28"), d3 = D("2026-03-29");
    const auto money = Currency::fromUnits;
    const std::vector<DayTotal> stored = {{d1, 60, money(100)}, {d3, 30, money(50)}};
    const std::vector<DayTotal> unsaved = {{d2, 5, money(7)}, {d3, 10, money(20)}};
    const std::vector<DayTotal> merged = {{d1, 60, money(100)}, {d2, 5, money(7)}, {d3, 40, money(70)}};
    EXPECT_EQ(mergedDayTotals(stored, unsaved), merged);
    EXPECT_EQ(mergedDayTotals(unsaved, stored), merged);
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
    record.id = 7, record.startEpoch = T, record.endEpoch = T + 3600, record.seconds = 3600;
    record.hourlyWage = record.earned = Currency::fromUnits(360'000); // 36.00: a cent a second
    // Before and after it nothing moves; within, it splits; over its end, or its start (the rest keeps its
    // place), it is trimmed; over all of it, emptied for the store to take out.
    using Row = std::tuple<std::int64_t, std::int64_t, std::string>; // from, to, "id:seconds" of each part
    for (const auto& [from, to, expected] :
         Rows(Row{T - 100, T, ""}, Row{T + 3600, T + 4000, ""}, Row{T + 600, T + 1800, "7:600 0:1800"},
              Row{T + 3000, T + 5000, "7:3000"}, Row{T - 500, T + 600, "7:3000"}, Row{T - 1, T + 3601, "7:0"})) {
        std::string parts;
        for (const HistoryRecord& part : withoutStretch(record, from, to)) {
            parts += (parts.empty() ? "" : " ") + std::to_string(part.id) + ":" + std::to_string(part.seconds);
            EXPECT_EQ(part.earned, Currency::fromUnits(part.seconds * 100)) << "a cent a second";
            EXPECT_GE(part.endEpoch - part.startEpoch, part.seconds);
        }
        EXPECT_EQ(parts, expected) << from - T;
    }
}

} // namespace
