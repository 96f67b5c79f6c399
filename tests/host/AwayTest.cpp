#include "HostFixture.h"

#include "storage/HistoryTestFolder.h"

namespace {

// One minute at the desk, twenty away (idle, or behind a lock or a suspend), one back.
struct AwayRow
{
    const char* name;
    const char* preferences;
    const char* source; // "idle", "lock" or "sleep"; "idle, paused" halfway
    Answer answer;      // to the question, where one is asked
    int countAfter;     // what the count and today's history hold before the minute back (a pause
                        // comes a second after the return, which counted)
    bool pausedAfter;
    const char* told; // the question or the notification; "" for neither
};

// A host counting at 36 an hour (a cent a second) with its history in a real file, and the desktop's idle time, lock
// and suspend in the test's hands.
class AwayTable : public HistoryTestFolder, public HostWorld, public testing::WithParamInterface<AwayRow>
{
protected:
    // Seconds counted with the user at the desk, or (`away`) with no input since the first.
    void seconds(int count, bool away = false)
    {
        for (int i = 0; i < count; ++i) {
            awaySource.idle = away ? awaySource.idle.value_or(0) + 1 : 1; // at the desk, input came just before
            elapse(1);
        }
    }
};

const char* const Question = "(?) Welcome back: You were away from 10:01 to 10:21 (0:20:00) while Earnmeter was "
                             "counting. [&Keep/&Remove/Remove and &Pause]";

TEST_P(AwayTable, TheQuestionOrThePreferenceKeepsOrTakesTheAwayTimeOffTheCountAndTheHistory)
{
    const AwayRow& row = GetParam();
    prompt.queueAnswer(row.answer);
    openHistory = [this] {
        return HistoryStore::open(historyPath(), HistoryStore::Mode::ReadWrite, wallClock);
    };
    wallClock.set(ManualWallClock::at(Date::parse("2026-03-02").value(), 10, 0, 0));
    files.put(path("Earnmeter.conf"), std::string(row.preferences) + "\n");
    startWith();
    host.runTimer().editWageEntry(WindowId::Main, "36");
    ASSERT_TRUE(host.runTimer().start(WindowId::Main));
    seconds(60);
    const std::string source = row.source;
    if (source == "idle" || source == "idle, paused") {
        awaySource.idle = 0; // the user leaves as that second ends
        seconds(600, true);
        if (source == "idle, paused") // as a panel or the working day may
            host.runTimer().pause(WindowId::Main);
        seconds(600, true);
    } else {
        awaySource.away(true);
        // A suspended machine ticks not at all: only the wall clock moves.
        source == "sleep" ? wallClock.advance(1200) : seconds(1200);
        awaySource.away(false);
    }
    QCoreApplication::processEvents();
    seconds(60);
    // The minute back counts, unless the answer paused the meter.
    const int after = row.countAfter + (row.pausedAfter ? 0 : 60);
    EXPECT_EQ(host.runTimer().elapsedSeconds(), after);
    EXPECT_EQ(host.history().todayFigure().total.seconds, after) << "the history follows the count";
    EXPECT_EQ(host.runTimer().phase() == Phase::Paused, row.pausedAfter);
    const Lines shown = notifier.texts(), asked = this->asked();
    const std::string told = !asked.empty() ? asked.back() : !shown.empty() ? shown.back() : "";
    EXPECT_EQ(told, row.told);
}

const char* const Kept = "You were away from 10:01 to 10:21 (0:20:00) while Earnmeter was counting. The time was kept.";
const char* const Removed =
    "You were away from 10:01 to 10:21 (0:20:00) while Earnmeter was counting. 0:20:00 was taken off the count.";

INSTANTIATE_TEST_SUITE_P(
    Away, AwayTable,
    testing::Values(AwayRow{"IdleKept", "", "idle", Answer::Ok, 1260, false, Question},
                    AwayRow{"IdleRemoved", "", "idle", Answer::Second, 60, false, Question},
                    AwayRow{"IdleRemovedAndPaused", "", "idle", Answer::Third, 61, true, Question},
                    AwayRow{"LockRemoved", "", "lock", Answer::Second, 60, false, Question},
                    AwayRow{"ASuspendAddsNothingAndAsksNothing", "", "sleep", Answer::Second, 60, false, ""},
                    AwayRow{"KeepWithoutAsking", "away_action = keep", "idle", Answer::Second, 1260, false, Kept},
                    AwayRow{"RemoveWithoutAsking", "away_action = remove", "lock", Answer::Ok, 60, false, Removed},
                    AwayRow{"NeverAskedOncePaused", "", "idle, paused", Answer::Second, 660, true, ""},
                    AwayRow{"NeverNoticed", "away_minutes = 0", "idle", Answer::Second, 1260, false, ""},
                    AwayRow{"ShorterThanTheThreshold", "away_minutes = 30", "idle", Answer::Second, 1260, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
