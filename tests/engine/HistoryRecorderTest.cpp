#include "engine/HistoryRecorder.h"

#include "engine/Formats.h"
#include "fakes/ManualWallClock.h"

#include <gtest/gtest.h>

#include <sstream>
#include <map>
#include <string>
#include <vector>

namespace {

// Keeps what it is given by id, as the store does, and can be made to fail.
struct RecordingSink final : HistorySink
{
    HistoryWriteResult write(std::span<HistoryRecord> records) override
    {
        ++attempts;
        if (failing)
            return {false, "The disk is full."};
        for (HistoryRecord& record : records)
            stored[record.id == 0 ? record.id = ++lastId : record.id] = record;
        ++writes;
        return {};
    }

    std::map<std::int64_t, HistoryRecord> stored;
    std::int64_t lastId = 0;
    bool failing = false;
    int attempts = 0, writes = 0;
};

Date D(const char* text)
{
    return Date::parse(text).value();
}

constexpr std::int64_t Berlin = 3600;

// A run on a clock the test moves, driven by a script of words:
//   N@W   N seconds at W dollars an hour, each a second on the clock and then its tick
//   N!W   one tick counting N seconds at W, the clock left where it is
//   +S -S the clock moves on or back; ~S the local time alone moves (a daylight-saving change, a new zone)
//   at=YYYY-MM-DDTHH:MM:SS[/offset]   the clock is set, Berlin's winter offset unless given
//   close flush   as the recorder is told;   w=N  so many writes by now;   saved unsaved  as the recorder says
struct HistoryRecorderTest : ::testing::Test
{
    void run(const std::string& script)
    {
        std::istringstream words(script);
        for (std::string word; words >> word;) {
            SCOPED_TRACE(word);
            const std::size_t mark = word.find_first_of("@!");
            if (mark != std::string::npos) {
                const int seconds = std::stoi(word.substr(0, mark));
                const Currency wage = CurrencyFromText(word.substr(mark + 1)).value;
                for (int i = 0; i < (word[mark] == '@' ? seconds : 1); ++i) {
                    if (word[mark] == '@')
                        clock.advance(1);
                    recorder.counted(wage, word[mark] == '@' ? 1 : seconds);
                }
            } else if (word[0] == '+' || word[0] == '-')
                clock.advance(std::stoll(word));
            else if (word[0] == '~')
                clock.shiftLocal(std::stoll(word.substr(1)));
            else if (word.starts_with("at="))
                clock.set(ManualWallClock::at(D(word.substr(3, 10).c_str()), std::stoi(word.substr(14, 2)),
                                              std::stoi(word.substr(17, 2)), std::stoi(word.substr(20, 2)),
                                              word.size() > 22 ? std::stoll(word.substr(23)) : Berlin));
            else if (word == "close")
                recorder.close();
            else if (word == "flush")
                recorder.flush();
            else if (word.starts_with("w="))
                EXPECT_EQ(sink.writes, std::stoi(word.substr(2)));
            else
                EXPECT_EQ(recorder.allSaved(), word == "saved");
        }
    }

    // Each stored record as "#id date local-start+span seconds*wage=earned offset".
    std::string stored() const
    {
        std::string text;
        for (const auto& [id, r] : sink.stored) {
            const std::int64_t local = ((r.startEpoch + r.utcOffset.value_or(0)) % 86400 + 86400) % 86400;
            const std::string start = FormatElapsed(static_cast<std::int32_t>(local));
            text += (text.empty() ? "#" : " | #") + std::to_string(id) + " " + r.date.text() + " " + start + "+" +
                    std::to_string(r.endEpoch - r.startEpoch) + " " + std::to_string(r.seconds) + "s*" +
                    CurrencyText(r.hourlyWage) + "=" + CurrencyText(r.earned) + " " +
                    std::to_string(r.utcOffset.value_or(-1));
        }
        return text;
    }

    ManualWallClock clock{ManualWallClock::at(D("2026-03-10"), 9, 0, 0, Berlin)};
    RecordingSink sink;
    HistoryRecorder recorder{clock, &sink};
};

// A cent an hour earns 0.028 units a second: priced per second it would round to nothing. A late
// tick files every second it stands for, in the stretch it belongs to: a stretch's first seconds
// began that much before it. No seconds, no record.
TEST_F(HistoryRecorderTest, AStretchAtOneWageIsOneRecordPricedFromItsWholeCountOfEverySecondATickStandsFor)
{
    run("180@10 close 3600@0.01 close 2@36 +3 3!36 +4 4!36 close 0!36 saved");
    EXPECT_EQ(stored(), "#1 2026-03-10 09:00:00+180 180s*10=0.5 3600 | #2 2026-03-10 09:03:00+3600 3600s*0.01=0.01 "
                        "3600 | #3 2026-03-10 10:03:00+9 9s*36=0.09 3600");
}

// The tick at 00:00:00 counts for the new day. A suspend brings no tick: its hours add nothing and the
// next tick begins a new record; a few seconds' lateness is the same stretch.
TEST_F(HistoryRecorderTest, LocalMidnightWageChangesCloseAndASuspendEachBeginANewRecord)
{
    run("at=2026-03-10T23:59:00 120@10 30@20 close 30@20 close 10@36 +10800 10@36 +5 10@36 close");
    EXPECT_EQ(stored(), "#1 2026-03-10 23:59:00+59 59s*10=0.1639 3600 | #2 2026-03-11 23:59:59+61 61s*10=0.1694 3600 | "
                        "#3 2026-03-11 00:01:00+30 30s*20=0.1667 3600 | #4 2026-03-11 00:01:30+30 30s*20=0.1667 3600 | "
                        "#5 2026-03-11 00:02:00+10 10s*36=0.1 3600 | #6 2026-03-11 03:02:10+25 20s*36=0.2 3600");
}

// Spring forward: 01:59:59 CET is followed by 03:00:00 CEST; autumn: 02:59:59 CEST by 02:00:00 CET.
TEST_F(HistoryRecorderTest, DaylightSavingChangesKeepTheDateAndSplitAtTheNewOffset)
{
    run("at=2026-03-29T01:59:00 59@36 +1 ~3600 1!36 59@36 at=2026-10-25T02:59:00/7200 59@36 +1 ~-3600 1!36 59@36 "
        "close");
    EXPECT_EQ(stored(), "#1 2026-03-29 01:59:00+59 59s*36=0.59 3600 | #2 2026-03-29 02:59:59+60 60s*36=0.6 7200 | "
                        "#3 2026-10-25 02:59:00+59 59s*36=0.59 7200 | #4 2026-10-25 01:59:59+60 60s*36=0.6 3600");
}

// Set back an hour (to yesterday, 23:00:40), then within the day, then the zone changes under a running count.
TEST_F(HistoryRecorderTest, AClockSetBackOrAMoveWestNeverMovesARecordAlreadyCounted)
{
    run("at=2026-03-10T00:00:10 30@10 flush -3600 30@10 -20 30@10 ~-32400 30@10 close");
    EXPECT_EQ(stored(),
              "#1 2026-03-10 00:00:10+30 30s*10=0.0833 3600 | #2 2026-03-09 23:00:40+30 30s*10=0.0833 3600 | "
              "#3 2026-03-09 23:00:50+30 30s*10=0.0833 3600 | #4 2026-03-09 14:01:20+30 30s*10=0.0833 -28800");
}

// One record all along, written again by its id; the next stretch, after a long pause, starts its own
// minute. A clock set back does not hold writes off.
TEST_F(HistoryRecorderTest, WritesWhileCountingAtMostOnceAMinuteAndAtEachCloseAndFlush)
{
    run("59@10 w=0 1@10 w=1 59@10 w=1 481@10 w=10");
    EXPECT_EQ(stored(), "#1 2026-03-10 09:00:00+600 600s*10=1.6667 3600");
    run("flush w=10 5@10 flush w=11 5@10 close w=12 +600 59@10 w=12");
    EXPECT_EQ(stored(), "#1 2026-03-10 09:00:00+610 610s*10=1.6944 3600");
    run("-7200 1@10 w=13 59@10 w=13 1@10 w=14");
}

// Two writes fail while counting, told once; a new failure after a success is told again. Without a store
// records wait in memory until one is attached.
TEST_F(HistoryRecorderTest, AFailedWriteOrNoStoreKeepsEverythingForTheNextWriteAndAFailureIsToldOnce)
{
    std::vector<std::string> told;
    recorder.writeFailed.subscribe([&told](const std::string& reason) { told.push_back(reason); });
    sink.failing = true;
    run("130@36 close 20@18 flush unsaved");
    EXPECT_EQ(std::pair(sink.attempts, told), std::pair(4, std::vector<std::string>{"The disk is full."}));
    EXPECT_EQ(recorder.unsavedDayTotals(), (std::vector<DayTotal>{{D("2026-03-10"), 150, Currency::fromUnits(14000)}}));
    sink.failing = false;
    run("flush saved");
    EXPECT_TRUE(recorder.unsavedDayTotals().empty());
    EXPECT_EQ(stored(), "#1 2026-03-10 09:00:00+130 130s*36=1.3 3600 | #2 2026-03-10 09:02:10+20 20s*18=0.1 3600");
    sink.failing = true;
    run("60@18");
    EXPECT_EQ(told.size(), 2u);
    sink.failing = false;
    recorder.attach(nullptr);
    run("close 10@10 flush unsaved");
    recorder.attach(&sink);
    run("flush saved");
    EXPECT_EQ(sink.stored.rbegin()->second.seconds, 10);
}

} // namespace
