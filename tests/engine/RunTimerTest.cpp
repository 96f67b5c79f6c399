#include "engine/RunTimer.h"

#include "fakes/FakePrompt.h"
#include "fakes/ManualClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

using namespace std::string_literals;
constexpr auto Main = WindowId::Main;
constexpr auto Advanced = WindowId::Advanced;

// The run model with hand-driven time and a prompt the test answers.
class RunTimerTest : public ::testing::Test
{
protected:
    // A window as the user sees it: caption | time | total | point size | what is struck, enabled and running.
    std::string shown(WindowId window) const
    {
        const WindowView& v = timer.view(window);
        const bool ticks = (window == Main ? mainTick : advancedTick).enabled();
        return v.caption + " | " + v.elapsedText + " | " + v.totalText + " | " + std::to_string(v.totalPointSize) +
               " |" + (v.elapsedStruck ? " struck" : "") + (v.startEnabled ? " Start" : "") +
               (v.pauseEnabled ? " Pause" : "") + (ticks ? " ticking" : "") + (blink.enabled() ? " blinking" : "");
    }
    std::string shownAfter(int seconds, WindowId window)
    {
        clock.advanceSeconds(seconds);
        return shown(window);
    }
    const std::string& box(WindowId window) const { return timer.view(window).wageEntry; }
    bool start(WindowId window, const std::string& wage)
    {
        timer.EditWageEntry(window, wage);
        return timer.Start(window);
    }

    RunState state;
    FakePrompt prompt;
    WageTypes wageTypes{state, prompt};
    ManualClock clock;
    ManualTicker& mainTick = clock.addTicker();
    ManualTicker& advancedTick = clock.addTicker();
    ManualTicker& blink = clock.addTicker();
    RunTimer timer{state, prompt, wageTypes, {mainTick, advancedTick, blink}};
};

TEST_F(RunTimerTest, TenSecondRunShowsTimeTotalAndCaptionEverySecond)
{
    std::vector<bool> trayFlags;
    timer.trayFlipped.subscribe([&trayFlags](bool checked) { trayFlags.push_back(checked); });
    clock.advanceSeconds(60);
    ASSERT_TRUE(start(Main, "12"));
    EXPECT_EQ(box(Main), "12.00");
    EXPECT_EQ(shown(Main), "Earnmeter! | 00:00:00 | $0.00 | 24 | Pause ticking") << "caption left to the first tick";
    const std::string totals[] = {"0.00", "0.01", "0.01", "0.01", "0.02", "0.02", "0.02", "0.03", "0.03", "0.03"};
    for (int second = 1; second <= 10; ++second) {
        const std::string time = (second < 10 ? "00:00:0" : "00:00:") + std::to_string(second);
        const std::string& total = totals[second - 1];
        EXPECT_EQ(shownAfter(1, Main),
                  "$" + total + " (Earnmeter) | " + time + " | $" + total + " | 24 | Pause ticking");
    }
    EXPECT_EQ(state.TotalEarned, Currency::FromUnits(333));
    EXPECT_EQ(trayFlags, (std::vector<bool>{true, false, true, false, true, false, true, false, true, false}));
    EXPECT_EQ(shown(Advanced), "Earnmeter | 00:00:00 | $0.00 | 24 | Start") << "only the ticking window is refreshed";
}

TEST_F(RunTimerTest, WageChangedMidRunRepricesTheWholeCountAtTheNextTick)
{
    ASSERT_TRUE(start(Main, "10"));
    clock.advanceSeconds(180);
    timer.EditWageEntry(Main, "20");
    timer.LeaveWageEntry(Main);
    EXPECT_EQ(state.TotalEarned, Currency::FromUnits(5000)) << "the total follows only at a tick";
    EXPECT_EQ(shownAfter(1, Main), "$1.01 (Earnmeter) | 00:03:01 | $1.01 | 24 | Pause ticking");
    EXPECT_EQ(state.TotalEarned, Currency::FromUnits(10056));
}

TEST_F(RunTimerTest, TotalOfAThousandShrinksTheFontAndCountAndTotalAreHeldAtTheirLargest)
{
    state.ElapsedSeconds = 35998;
    ASSERT_TRUE(start(Main, "100"));
    EXPECT_EQ(shownAfter(1, Main), "$999.97 (Earnmeter) | 09:59:59 | $999.97 | 24 | Pause ticking");
    EXPECT_EQ(shownAfter(1, Main), "$1000.00 (Earnmeter) | 10:00:00 | $1000.00 | 20 | Pause ticking");
    state.ElapsedSeconds = std::numeric_limits<std::int32_t>::max() - 1;
    ASSERT_TRUE(start(Main, "900000000000000"));
    EXPECT_EQ(shownAfter(3, Main),
              "$922337203685477.58 (Earnmeter) | 596523:14:07 | $922337203685477.58 | 20 | Pause ticking");
}

// A run continuing a saved count writes its checkpoint at the first tick, then every 300 counted seconds.
TEST_F(RunTimerTest, RestoredCountIsCheckpointedAtItsFirstTickAndPausedTimeIsNotCounted)
{
    std::vector<std::int32_t> checkpoints;
    timer.checkpointDue.subscribe([&] { checkpoints.push_back(state.ElapsedSeconds); });
    state.ElapsedSeconds = 299;
    timer.ShowCount();
    EXPECT_EQ(timer.view(Main).elapsedText + " " + timer.view(Advanced).elapsedText, "00:04:59 00:04:59");
    ASSERT_TRUE(start(Main, "36"));
    EXPECT_EQ(shownAfter(1, Main), "$3.00 (Earnmeter) | 00:05:00 | $3.00 | 24 | Pause ticking");
    EXPECT_EQ(checkpoints, (std::vector<std::int32_t>{300}));
    clock.advanceSeconds(150);
    timer.Pause(Main);
    clock.advanceSeconds(1000);
    ASSERT_TRUE(timer.Start(Main));
    EXPECT_EQ(state.ElapsedSeconds, 450);
    clock.advanceSeconds(150);
    EXPECT_EQ(checkpoints, (std::vector<std::int32_t>{300, 600}));
}

TEST_F(RunTimerTest, PausedTotalBlinksInBothWindowsAndStaysHiddenUntilTheNextTick)
{
    ASSERT_TRUE(start(Main, "36"));
    clock.advanceSeconds(5);
    timer.Pause(Main);
    EXPECT_EQ(shown(Main), "PAUSED (Earnmeter) | 00:00:05 | $0.05 | 24 | struck Start blinking") << "a second later";
    EXPECT_TRUE(timer.view(Advanced).caption == "PAUSED (Earnmeter)" && timer.view(Advanced).elapsedStruck);
    for (const std::string phase : {"", "$0.05", "", "$0.05", ""}) {
        clock.advanceSeconds(1);
        EXPECT_EQ(timer.view(Main).totalText + "|" + timer.view(Advanced).totalText, phase + "|" + phase);
    }
    ASSERT_TRUE(timer.Start(Main));
    EXPECT_EQ(shown(Main), "PAUSED (Earnmeter) | 00:00:05 |  | 24 | Pause ticking") << "the next tick rewrites it";
    EXPECT_EQ(shown(Advanced), "Earnmeter | 00:00:00 |  | 24 | Start");
    EXPECT_EQ(shownAfter(1, Main), "$0.06 (Earnmeter) | 00:00:06 | $0.06 | 24 | Pause ticking");
}

TEST_F(RunTimerTest, ResetAsksAndOnlyAYesClearsBothWindowsWhetherRunningOrPaused)
{
    ASSERT_TRUE(start(Main, "3600"));
    clock.advanceSeconds(1000);
    prompt.queueAnswer(Answer::No);
    timer.Reset();
    const Message& question = prompt.lastAsked();
    EXPECT_EQ(question.text + " / " + question.caption, "Do you want to reset the timer to zero? / Reset Earnmeter");
    EXPECT_EQ(std::pair(question.buttons, question.icon),
              std::pair(Message::Buttons::YesNo, Message::Icon::Information));
    EXPECT_EQ(shownAfter(1, Main), "$1001.00 (Earnmeter) | 00:16:41 | $1001.00 | 20 | Pause ticking");
    prompt.queueAnswer(Answer::Yes);
    timer.Reset();
    EXPECT_EQ(state.TotalEarned, Currency{});
    EXPECT_EQ(shown(Main), "Earnmeter | 00:00:00 | $0.00 | 20 | Start") << "the small font stays until the next tick";
    EXPECT_EQ(shown(Advanced), "Earnmeter | 00:00:00 | $0.00 | 24 | Start");
    ASSERT_TRUE(timer.Start(Main));
    clock.advanceSeconds(5);
    timer.Pause(Main);
    clock.advanceSeconds(1);
    prompt.queueAnswer(Answer::Yes);
    timer.Reset();
    EXPECT_EQ(shownAfter(3, Main), "Earnmeter | 00:00:00 | $0.00 | 24 | Start") << "no blink, no strikethrough";
    EXPECT_EQ(shown(Advanced), "Earnmeter | 00:00:00 | $0.00 | 24 | Start");
}

TEST_F(RunTimerTest, StartAndLeavingTheBoxRefuseAWageBeyondRangeAndKeepTheOldRate)
{
    timer.EditWageEntry(Main, "15");
    timer.LeaveWageEntry(Main);
    for (const std::string& typed :
         {"1e400"s, "99999999999999999999"s, "922337203685477.5808"s, std::string(1000, '9')}) {
        EXPECT_FALSE(start(Main, typed)) << typed;
        timer.EditWageEntry(Main, typed);
        timer.LeaveWageEntry(Main);
        EXPECT_EQ(std::pair(state.HourlyWage.units, box(Main)), std::pair(std::int64_t{150000}, "15.00"s));
    }
    EXPECT_EQ(prompt.asked().size(), 8u);
    EXPECT_EQ(prompt.lastAsked().buttons, Message::Buttons::Ok);
    const std::string& notice = prompt.lastAsked().text;
    EXPECT_TRUE(notice.size() < 400 && notice.find("999...") != std::string::npos) << "a long text quoted in part";
    EXPECT_EQ(shownAfter(3, Main), "Earnmeter! | 00:00:00 | $0.00 | 24 | Start");
}

TEST_F(RunTimerTest, SwitchingModesCarriesTheRunBothWaysAndHandsPauseOverEvenBeforeTheFirstTick)
{
    timer.EnterAdvanced();
    EXPECT_EQ(shown(Advanced), "Earnmeter! | 00:00:00 | $0.00 | 24 | Start") << "idle: Pause stays as it was";
    timer.LeaveAdvanced();
    ASSERT_TRUE(start(Main, "36"));
    timer.EnterAdvanced();
    EXPECT_TRUE(state.AdvancedMode);
    EXPECT_EQ(shown(Advanced), "Earnmeter | 00:00:00 | $0.00 | 24 | Pause ticking");
    EXPECT_EQ(shownAfter(6, Advanced), "$0.06 (Earnmeter) | 00:00:06 | $0.06 | 24 | Pause ticking");
    wageTypes.SelectDream(); // a reference wage gives way to the main box's on leaving
    timer.LeaveAdvanced();
    EXPECT_FALSE(state.AdvancedMode);
    EXPECT_EQ(shownAfter(1, Main), "$0.07 (Earnmeter) | 00:00:07 | $0.07 | 24 | Pause ticking");
}

TEST_F(RunTimerTest, PauseCarriesAcrossModeSwitchesAndTheAdvancedWindowCaptionsItsOwnWay)
{
    const WindowView& mainView = timer.view(Main);
    const WindowView& advancedView = timer.view(Advanced);
    ASSERT_TRUE(start(Main, "36"));
    clock.advanceSeconds(3);
    timer.Pause(Main);
    timer.EnterAdvanced();
    EXPECT_TRUE(advancedView.startEnabled && !advancedView.pauseEnabled && advancedView.elapsedStruck);
    EXPECT_EQ(advancedView.elapsedText + " " + advancedView.totalText, "00:00:03 $0.03");
    clock.advanceSeconds(10);
    ASSERT_TRUE(timer.Start(Advanced));
    clock.advanceSeconds(2);
    timer.Pause(Advanced);
    EXPECT_EQ(shown(Advanced), "Earnmeter (PAUSED) | 00:00:05 | $0.05 | 24 | struck Start blinking");
    timer.LeaveAdvanced();
    EXPECT_EQ(mainView.caption, "Earnmeter (PAUSED)");
    EXPECT_EQ(mainView.elapsedText, "00:00:05");
    EXPECT_TRUE(mainView.startEnabled && !mainView.pauseEnabled && mainView.elapsedStruck && !mainTick.enabled());
    ASSERT_TRUE(timer.Start(Main));
    EXPECT_EQ(shownAfter(1, Main), "$0.06 (Earnmeter) | 00:00:06 | $0.06 | 24 | Pause ticking");
}

// The advanced window starts from My Wage, hourly, at the rate in force. Its box holds an amount per
// period, never the rate; one beyond range, though its hourly rate would fit, is put back and told once.
TEST_F(RunTimerTest, AdvancedWindowConvertsTheAmountPerPeriodAndPutsARefusedOneBack)
{
    wageTypes.setPeriod("Monthly");
    wageTypes.SelectDream();
    timer.EditWageEntry(Main, "12.34567");
    timer.LeaveWageEntry(Main);
    timer.EnterAdvanced();
    EXPECT_EQ(box(Advanced) + " " + wageTypes.period(), "12.35 Hourly");
    EXPECT_EQ(wageTypes.selected(), WageType::MyWage);
    wageTypes.setPeriod("Annually");
    EXPECT_FALSE(start(Advanced, "2e15"));
    EXPECT_EQ(shown(Advanced), "Earnmeter! | 00:00:00 | $0.00 | 24 | Start");
    EXPECT_EQ(std::pair(state.HourlyWage.units, box(Advanced)), std::pair(std::int64_t{123457}, "12.35"s));
    timer.LeaveWageEntry(Advanced);
    EXPECT_EQ(prompt.asked().size(), 1u) << "not again when the box is left";
    timer.EditWageEntry(Advanced, "50000");
    timer.LeaveWageEntry(Advanced);
    EXPECT_EQ(std::pair(state.HourlyWage.units, box(Advanced)), std::pair(std::int64_t{123457}, "50000.00"s));
    wageTypes.SelectDream();
    ASSERT_TRUE(wageTypes.ConvertPeriod("50000.00")); // choosing My Wage again
    EXPECT_EQ(wageTypes.currentText(), "24.04");
    timer.LeaveAdvanced();
    EXPECT_EQ(std::pair(state.HourlyWage.units, box(Main)), std::pair(std::int64_t{240385}, "24.04"s));
}

// Start takes a reference wage as configured now, though the label shows it as it was chosen.
using WageTypesTest = RunTimerTest;
TEST_F(WageTypesTest, ReferenceWagesTakeEffectAtOnceAndStartUsesTheirCurrentRateOverTheBox)
{
    state.DreamWage = Currency::FromUnits(455000);
    state.MinimumWage = Currency::FromUnits(72500);
    wageTypes.SelectMinimum();
    wageTypes.setPeriod("Weekly");
    EXPECT_TRUE(wageTypes.ApplyAtStart("1000"));
    EXPECT_EQ(std::pair(state.HourlyWage, wageTypes.currentText()), std::pair(state.MinimumWage, "7.25"s));
    wageTypes.SelectDream();
    state.DreamWage = Currency::FromUnits(12345000);
    EXPECT_TRUE(wageTypes.ApplyAtStart(""));
    EXPECT_EQ(std::pair(state.HourlyWage, wageTypes.currentText()), std::pair(state.DreamWage, "45.50"s));
    wageTypes.ConvertPeriod("0"); // choosing My Wage again
    EXPECT_TRUE(wageTypes.ApplyAtStart("1000"));
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(250000));
}
