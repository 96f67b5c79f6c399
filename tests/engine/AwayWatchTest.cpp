#include "engine/AwayWatch.h"
#include "engine/HistoryRecord.h"

#include <gtest/gtest.h>

namespace {

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
