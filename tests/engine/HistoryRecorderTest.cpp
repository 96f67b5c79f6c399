#include "engine/HistoryRecorder.h"

#include "fakes/ManualWallClock.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Keeps what it is given by id, as the store does, and can be made to fail.
class RecordingSink final : public HistorySink
{
public:
    HistoryWriteResult write(std::span<HistoryRecord> records) override
    {
        ++attempts;
        if (failing)
            return {false, "The disk is full."};
        for (HistoryRecord& record : records) {
            if (record.id == 0)
                record.id = ++m_lastId;
            m_stored[record.id] = record;
        }
        ++writes;
        return {};
    }

    std::vector<HistoryRecord> stored() const
    {
        std::vector<HistoryRecord> records;
        for (const auto& [id, record] : m_stored)
            records.push_back(record);
        return records;
    }

    bool failing = false;
    int attempts = 0;
    int writes = 0;

private:
    std::map<std::int64_t, HistoryRecord> m_stored;
    std::int64_t m_lastId = 0;
};

Date D(const char* text)
{
    return Date::parse(text).value();
}

Currency Dollars(std::int64_t dollars)
{
    return Currency::fromUnits(dollars * Currency::UnitsPerDollar);
}

constexpr std::int64_t Berlin = 3600;

// A run counting second by second on a clock the test moves.
struct HistoryRecorderTest : ::testing::Test
{
    // Each second: the clock moves on, then the tick counts it.
    void count(int seconds, Currency wage)
    {
        for (int i = 0; i < seconds; ++i) {
            clock.advance(1);
            recorder.counted(wage);
        }
    }

    std::int64_t storedSeconds() const
    {
        std::int64_t seconds = 0;
        for (const HistoryRecord& record : sink.stored())
            seconds += record.seconds;
        return seconds;
    }

    ManualWallClock clock{ManualWallClock::at(D("2026-03-10"), 9, 0, 0, Berlin)};
    RecordingSink sink;
    HistoryRecorder recorder{clock, &sink};
    std::vector<std::string> told;
};

TEST_F(HistoryRecorderTest, AStretchAtOneWageIsOneRecordPricedFromItsWholeCount)
{
    const std::int64_t start = clock.now().epochSeconds;
    count(180, Dollars(10));
    recorder.close();
    HistoryRecord expected{1, D("2026-03-10"), start, start + 180, 180, Dollars(10), Currency::fromUnits(5000), Berlin};
    EXPECT_EQ(sink.stored(), std::vector<HistoryRecord>{expected});
    // A cent an hour earns 0.028 units a second: priced per second it would round to nothing.
    count(3600, Currency::fromUnits(100));
    recorder.close();
    EXPECT_EQ(sink.stored().back().earned, Currency::fromUnits(100));
}

// A late tick files every second it stands for, in the stretch it belongs to.
TEST_F(HistoryRecorderTest, ALateTickFilesEverySecondItStandsFor)
{
    const std::int64_t start = clock.now().epochSeconds;
    count(2, Dollars(36));
    clock.advance(3);
    recorder.counted(Dollars(36), 3);
    clock.advance(4);
    recorder.counted(Dollars(36), 4); // a stretch's first seconds began that much before it
    recorder.close();
    ASSERT_EQ(sink.stored().size(), 1u);
    const HistoryRecord record = sink.stored()[0];
    EXPECT_EQ(std::tuple(record.startEpoch, record.endEpoch, record.seconds, record.earned),
              std::tuple(start, start + 9, std::int64_t{9}, Currency::fromUnits(900)));
    recorder.counted(Dollars(36), 0);
    EXPECT_TRUE(recorder.allSaved()) << "no seconds, no record";
}

TEST_F(HistoryRecorderTest, LocalMidnightWageChangesAndCloseEachBeginANewRecord)
{
    clock.set(ManualWallClock::at(D("2026-03-10"), 23, 59, 0, Berlin));
    count(120, Dollars(10)); // the tick at 00:00:00 counts for the new day
    count(30, Dollars(20));
    recorder.close();
    count(30, Dollars(20));
    recorder.close();
    const std::vector<HistoryRecord> records = sink.stored();
    ASSERT_EQ(records.size(), 4u);
    const std::pair<Date, std::int64_t> expected[] = {
        {D("2026-03-10"), 59}, {D("2026-03-11"), 61}, {D("2026-03-11"), 30}, {D("2026-03-11"), 30}};
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].date, expected[i].first) << i;
        EXPECT_EQ(records[i].seconds, expected[i].second) << i;
        EXPECT_EQ(records[i].earned, earnedFor(records[i].seconds, records[i].hourlyWage)) << i;
    }
    EXPECT_EQ(records[1].startEpoch, records[0].endEpoch);
    EXPECT_EQ(records[2].hourlyWage, Dollars(20));
}

TEST_F(HistoryRecorderTest, TimeWithoutTicksAddsNothingAndASuspendBeginsANewRecord)
{
    count(10, Dollars(36));
    clock.advance(3 * 3600); // suspended: no tick arrives
    count(10, Dollars(36));
    clock.advance(5); // a few late ticks are the same stretch
    count(10, Dollars(36));
    recorder.close();
    const std::vector<HistoryRecord> records = sink.stored();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].seconds, 10);
    EXPECT_EQ(records[1].seconds, 20);
    EXPECT_EQ(records[1].earned, Currency::fromUnits(2000));
}

TEST_F(HistoryRecorderTest, DaylightSavingChangesKeepTheDateAndSplitAtTheNewOffset)
{
    // Spring forward: 01:59:59 CET is followed by 03:00:00 CEST; autumn: 02:59:59 CEST by 02:00:00 CET.
    clock.set(ManualWallClock::at(D("2026-03-29"), 1, 59, 0, 3600));
    count(59, Dollars(36));
    clock.advance(1);
    clock.shiftLocal(3600);
    recorder.counted(Dollars(36));
    count(59, Dollars(36));
    clock.set(ManualWallClock::at(D("2026-10-25"), 2, 59, 0, 7200));
    count(59, Dollars(36));
    clock.advance(1);
    clock.shiftLocal(-3600);
    recorder.counted(Dollars(36));
    count(59, Dollars(36));
    recorder.close();
    const std::vector<HistoryRecord> records = sink.stored();
    ASSERT_EQ(records.size(), 4u);
    const std::tuple<Date, std::int64_t, std::int32_t> expected[] = {{D("2026-03-29"), 59, 3600},
                                                                     {D("2026-03-29"), 60, 7200},
                                                                     {D("2026-10-25"), 59, 7200},
                                                                     {D("2026-10-25"), 60, 3600}};
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].date, std::get<0>(expected[i])) << i;
        EXPECT_EQ(records[i].seconds, std::get<1>(expected[i])) << i;
        EXPECT_EQ(records[i].utcOffset, std::get<2>(expected[i])) << i;
    }
    EXPECT_EQ(records[1].startEpoch, records[0].endEpoch);
}

TEST_F(HistoryRecorderTest, AClockSetBackOrAMoveWestNeverMovesARecordAlreadyCounted)
{
    clock.set(ManualWallClock::at(D("2026-03-10"), 0, 0, 10, Berlin));
    count(30, Dollars(10));
    recorder.flush();
    const HistoryRecord before = sink.stored().at(0);
    clock.advance(-3600); // set back an hour: yesterday, 23:00:40
    count(30, Dollars(10));
    clock.advance(-20); // set back within the day
    count(30, Dollars(10));
    clock.shiftLocal(-9 * 3600); // the zone changes under a running count
    count(30, Dollars(10));
    recorder.close();
    const std::vector<HistoryRecord> records = sink.stored();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0], before);
    for (std::size_t i = 1; i < records.size(); ++i) {
        EXPECT_EQ(records[i].date, D("2026-03-09")) << i;
        EXPECT_EQ(records[i].endEpoch - records[i].startEpoch, 30) << i;
    }
    EXPECT_EQ(records[3].utcOffset, Berlin - 9 * 3600);
    EXPECT_EQ(storedSeconds(), 120);
}

TEST_F(HistoryRecorderTest, WritesWhileCountingAtMostOnceAMinuteAndAtEachCloseAndFlush)
{
    count(59, Dollars(10));
    EXPECT_EQ(sink.writes, 0);
    count(1, Dollars(10));
    EXPECT_EQ(sink.writes, 1);
    count(59, Dollars(10));
    EXPECT_EQ(sink.writes, 1);
    count(600 - 119, Dollars(10));
    EXPECT_EQ(sink.writes, 10);
    // One record all along, written again by its id.
    ASSERT_EQ(sink.stored().size(), 1u);
    EXPECT_EQ(sink.stored()[0].seconds, 600);

    recorder.flush();
    EXPECT_EQ(sink.writes, 10); // nothing new to write
    count(5, Dollars(10));
    recorder.flush();
    EXPECT_EQ(sink.writes, 11);
    count(5, Dollars(10));
    recorder.close();
    EXPECT_EQ(sink.writes, 12);
    EXPECT_EQ(sink.stored().size(), 1u);
    EXPECT_EQ(storedSeconds(), 610);
    // The next stretch, after a long pause, starts its own minute.
    clock.advance(600);
    count(59, Dollars(10));
    EXPECT_EQ(sink.writes, 12);
}

TEST_F(HistoryRecorderTest, AClockSetBackDoesNotHoldWritesOff)
{
    count(30, Dollars(10));
    clock.advance(-7200);
    count(1, Dollars(10));
    EXPECT_EQ(sink.writes, 1);
    count(59, Dollars(10));
    EXPECT_EQ(sink.writes, 1);
    count(1, Dollars(10));
    EXPECT_EQ(sink.writes, 2);
}

TEST_F(HistoryRecorderTest, AFailedWriteKeepsEverythingForTheNextOneAndIsToldOnce)
{
    recorder.writeFailed.subscribe([this](const std::string& reason) { told.push_back(reason); });
    sink.failing = true;
    count(130, Dollars(36)); // two writes fail while counting
    recorder.close();
    count(20, Dollars(18));
    recorder.flush();
    EXPECT_EQ(sink.attempts, 4);
    EXPECT_EQ(told, std::vector<std::string>{"The disk is full."});
    EXPECT_FALSE(recorder.allSaved());
    const std::vector<DayTotal> unsaved = {{D("2026-03-10"), 150, Currency::fromUnits(13000 + 1000)}};
    EXPECT_EQ(recorder.unsavedDayTotals(), unsaved);

    sink.failing = false;
    recorder.flush();
    EXPECT_TRUE(recorder.allSaved());
    EXPECT_TRUE(recorder.unsavedDayTotals().empty());
    EXPECT_EQ(storedSeconds(), 150);
    // A new failure after a success is told again.
    sink.failing = true;
    count(60, Dollars(18));
    EXPECT_EQ(told.size(), 2u);
}

TEST_F(HistoryRecorderTest, UnsavedTotalsAreWhatTheStoreLacksOfEachDay)
{
    clock.set(ManualWallClock::at(D("2026-03-10"), 23, 58, 30, Berlin));
    count(100, Dollars(36)); // written at its sixtieth second; midnight at its ninetieth
    const std::vector<DayTotal> unsaved = {{D("2026-03-10"), 29, Currency::fromUnits(2900)},
                                           {D("2026-03-11"), 11, Currency::fromUnits(1100)}};
    EXPECT_EQ(recorder.unsavedDayTotals(), unsaved);
    EXPECT_EQ(storedSeconds(), 60);
}

TEST_F(HistoryRecorderTest, WithoutAStoreRecordsWaitInMemoryUntilOneIsAttached)
{
    recorder.attach(nullptr);
    count(90, Dollars(10));
    recorder.close();
    count(10, Dollars(10));
    recorder.flush();
    EXPECT_EQ(sink.attempts, 0);
    recorder.attach(&sink);
    recorder.flush();
    EXPECT_EQ(sink.stored().size(), 2u);
    EXPECT_EQ(storedSeconds(), 100);
    EXPECT_TRUE(recorder.allSaved());
}

} // namespace
