#include "engine/WorkdayWatch.h"

#include "engine/RowName.h"
#include "fakes/ManualWallClock.h"

#include <gtest/gtest.h>

namespace {

// One look at the day: when (on Monday 2026-03-02 unless a day is given, in
// local time), in which phase, and what it should bring ("" for nothing).
struct Look
{
    std::string at; // "[Tue ]HH:MM:SS"
    Phase phase;
    std::string brings;
};

struct DayRow
{
    std::string name;
    bool autoStart, autoPause;
    std::vector<Look> looks;
};

ClockReading readingAt(const std::string& at)
{
    const std::string time = at.size() > 8 ? at.substr(4) : at;
    const int day = at.starts_with("Tue") ? 1 : at.starts_with("Sat") ? 5 : 0;
    return ManualWallClock::at(Date::parse("2026-03-02").value().addDays(day), std::stoi(time.substr(0, 2)),
                               std::stoi(time.substr(3, 2)), std::stoi(time.substr(6, 2)));
}

std::string shown(const std::vector<DayStep>& steps)
{
    static const char* const kinds[] = {"start", "pause", "resume", "offer", "tell"};
    std::string text;
    for (const DayStep& step : steps)
        text += (text.empty() ? "" : " | ") + std::string(kinds[static_cast<int>(step.kind)]) + ": " + step.text;
    return text;
}

const WorkingDay NineToFive{
    .start = ClockTime{9 * 60}, .end = ClockTime{17 * 60}, .lunch = TimeSpan{{12 * 60}, {12 * 60 + 30}}};

class WorkdayEdges : public ::testing::TestWithParam<DayRow>
{};

TEST_P(WorkdayEdges, AreEachActedOnOnceADayAsTheSwitchesSay)
{
    ManualWallClock clock;
    WorkdayWatch watch(clock);
    WorkingDay day = NineToFive;
    day.autoStart = GetParam().autoStart, day.autoPause = GetParam().autoPause;
    watch.setDay(day);
    for (const Look& look : GetParam().looks) {
        clock.set(readingAt(look.at));
        EXPECT_EQ(shown(watch.check(look.phase)), look.brings) << look.at;
    }
}

const Phase Idle = Phase::Idle, Running = Phase::Running, Paused = Phase::Paused;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Days, WorkdayEdges, ::testing::Values(
    DayRow{"OffersAtTheStartAndTellsAtTheBreakAndTheEnd", false, false, {
        {"08:59:59", Idle, ""}, {"09:00:00", Idle, "offer: It is 09:00: start Earnmeter?"}, {"09:00:01", Idle, ""},
        {"12:00:00", Running, "tell: Your break began at 12:00. Earnmeter is still counting."}, {"12:30:00", Running, ""},
        {"17:00:00", Running, "tell: Your working day ended at 17:00. Earnmeter is still counting."}, {"17:00:01", Running, ""}}},
    DayRow{"StartsPausesForTheBreakResumesAndPausesAtTheEnd", true, true, {
        {"09:00:00", Idle, "start: It is 09:00: Earnmeter started counting your working day."},
        {"12:00:00", Running, "pause: Your break began at 12:00: Earnmeter paused."},
        {"12:30:00", Paused, "resume: Your break ended at 12:30: Earnmeter counts again."},
        {"17:00:00", Running, "pause: Your working day ended at 17:00: Earnmeter paused."}}},
    DayRow{"AProgramStartedLateOffersOnceAndNeverAfterTheEnd", true, false, {
        {"10:15:30", Idle, "start: It is 10:15: Earnmeter started counting your working day."}, {"10:16:00", Paused, ""},
        {"Tue 17:30:00", Idle, ""}, {"Tue 18:00:00", Idle, ""}}},
    DayRow{"TheEndsOwnSecondIsNoLongerTheWorkingDay", true, false, {{"17:00:00", Idle, ""}}},
    DayRow{"AStartDuringTheBreakWaitsForItsEnd", true, true, {
        {"12:10:00", Idle, ""}, {"12:30:00", Idle, "start: It is 12:30: Earnmeter started counting your working day."}}},
    DayRow{"AMachineWokenAfterTheEndPausesOnce", false, true, {
        {"16:00:00", Running, ""}, {"18:30:00", Running, "pause: Your working day ended at 17:00: Earnmeter paused."},
        {"18:30:01", Running, ""}}},
    DayRow{"AMeterStartedByHandIsLeftAloneAndABreakEndResumesOnlyWhatTheBreakPaused", true, true, {
        {"08:30:00", Running, ""}, {"09:00:00", Running, ""},
        {"12:00:00", Running, "pause: Your break began at 12:00: Earnmeter paused."}, {"12:10:00", Running, ""},
        {"12:30:00", Running, ""}}},
    DayRow{"ANewDayActsAgainAndAWeekendNot", false, false, {
        {"09:00:00", Idle, "offer: It is 09:00: start Earnmeter?"},
        {"Tue 09:00:00", Idle, "offer: It is 09:00: start Earnmeter?"}, {"Sat 09:00:00", Idle, ""}}}
), RowName());
// clang-format on

// A skipped hour passes its edge at once; a repeated hour does not act twice. (On a Monday, a workday.)
TEST(WorkdayWatchClock, ADaylightSavingChangeActsOnceOnEachEdge)
{
    ManualWallClock clock(ManualWallClock::at(Date::parse("2026-03-30").value(), 1, 59, 59, 3600));
    WorkdayWatch watch(clock);
    watch.setDay(
        {.start = ClockTime{2 * 60 + 30}, .end = ClockTime{23 * 60}, .lunch = TimeSpan{{3 * 60 + 30}, {4 * 60}}});
    EXPECT_EQ(shown(watch.check(Phase::Idle)), "");
    clock.advance(1);
    clock.shiftLocal(3600); // 02:00 is 03:00
    EXPECT_EQ(shown(watch.check(Phase::Idle)), "offer: It is 03:00: start Earnmeter?");
    clock.advance(1800);
    EXPECT_EQ(shown(watch.check(Phase::Running)), "tell: Your break began at 03:30. Earnmeter is still counting.");
    clock.shiftLocal(-3600); // the clocks go back: 03:30 comes again
    clock.advance(3600);
    EXPECT_EQ(shown(watch.check(Phase::Running)), "");
}

// When to look next, and how long the day has left while the meter runs within it.
TEST(WorkdayWatchClock, TheNextEdgeAndTheCountdown)
{
    ManualWallClock clock;
    WorkdayWatch watch(clock);
    // "next edge in / ends in", -1 for nothing.
    const auto at = [&](const char* when) {
        clock.set(readingAt(when));
        return std::to_string(watch.nextEdgeIn().value_or(-1)) + " / " +
               std::to_string(watch.endsIn(Phase::Running).value_or(-1));
    };
    EXPECT_EQ(at("08:00:00"), "-1 / -1") << "no working day: nothing to wake for";
    watch.setDay(NineToFive);
    EXPECT_EQ(at("08:00:00"), "3600 / -1");
    EXPECT_EQ(at("12:10:00"), "1200 / 17400") << "the break counts to the end";
    EXPECT_EQ(at("16:59:30"), "30 / 30");
    EXPECT_EQ(at("17:30:00"), "23400 / -1") << "midnight, then the next day";
    EXPECT_EQ(at("Sat 10:00:00"), "50400 / -1");
    clock.set(readingAt("10:00:00"));
    EXPECT_FALSE(watch.endsIn(Phase::Paused)) << "only while running";
}

} // namespace
