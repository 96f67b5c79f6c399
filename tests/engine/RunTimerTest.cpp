#include "engine/RunTimer.h"

#include "fakes/FakePrompt.h"
#include "fakes/ManualClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
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
        const WindowView v = timer.view(window);
        const bool ticks = runTick.enabled() && timer.liveWindow() == window;
        return v.caption + " | " + v.elapsedText + " | " + v.totalText + " | " + std::to_string(v.totalPointSize) +
               " |" + (v.elapsedStruck ? " struck" : "") + (v.startEnabled ? " Start" : "") +
               (v.pauseEnabled ? " Pause" : "") + (ticks ? " ticking" : "") + (blink.enabled() ? " blinking" : "");
    }
    std::string shownAfter(int seconds, WindowId window)
    {
        clock.advanceSeconds(seconds);
        return shown(window);
    }
    std::string box(WindowId window) const { return timer.view(window).wageEntry; }
    bool start(WindowId window, const std::string& wage)
    {
        timer.editWageEntry(window, wage);
        return timer.start(window);
    }
    void leaveBoxWith(WindowId window, const std::string& wage)
    {
        timer.editWageEntry(window, wage);
        timer.leaveWageEntry(window);
    }
    std::pair<std::int64_t, std::string> rateAndBox(WindowId window) const
    {
        return {timer.hourlyWage().units, box(window)};
    }

    Settings settings;
    FakePrompt prompt;
    WageTypes wageTypes{settings};
    ManualClock clock;
    ManualTicker& runTick = clock.addTicker();
    ManualTicker& blink = clock.addTicker();
    RunTimer timer{prompt, wageTypes, {runTick, blink}};
};

TEST_F(RunTimerTest, TenSecondRunShowsTimeTotalAndCaptionEverySecond)
{
    int ticks = 0;
    timer.ticked.subscribe([&ticks](int seconds) { ticks += seconds; });
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
    EXPECT_EQ(timer.totalEarned(), Currency::fromUnits(333));
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(timer.view(Advanced).caption, "Earnmeter") << "Start captions the other window plainly";
}

TEST_F(RunTimerTest, WageChangedMidRunRepricesTheWholeCountAtTheNextTick)
{
    ASSERT_TRUE(start(Main, "10"));
    clock.advanceSeconds(180);
    leaveBoxWith(Main, "20");
    EXPECT_EQ(timer.totalEarned(), Currency::fromUnits(5000)) << "the total follows only at a tick";
    EXPECT_EQ(shownAfter(1, Main), "$1.01 (Earnmeter) | 00:03:01 | $1.01 | 24 | Pause ticking");
    EXPECT_EQ(timer.totalEarned(), Currency::fromUnits(10056));
}

TEST_F(RunTimerTest, TotalOfAThousandShrinksTheFontAndCountAndTotalAreHeldAtTheirLargest)
{
    timer.restoreCount(35998);
    ASSERT_TRUE(start(Main, "100"));
    EXPECT_EQ(shownAfter(1, Main), "$999.97 (Earnmeter) | 09:59:59 | $999.97 | 24 | Pause ticking");
    EXPECT_EQ(shownAfter(1, Main), "$1000.00 (Earnmeter) | 10:00:00 | $1000.00 | 20 | Pause ticking");
    timer.restoreCount(std::numeric_limits<std::int32_t>::max() - 1);
    ASSERT_TRUE(start(Main, "900000000000000"));
    EXPECT_EQ(shownAfter(3, Main),
              "$922337203685477.58 (Earnmeter) | 596523:14:07 | $922337203685477.58 | 20 | Pause ticking");
}

// A run continuing a saved count writes its checkpoint at the first tick, then every 300 counted seconds.
TEST_F(RunTimerTest, RestoredCountIsCheckpointedAtItsFirstTickAndPausedTimeIsNotCounted)
{
    std::vector<std::int32_t> checkpoints;
    timer.checkpointDue.subscribe([&](std::int32_t count) { checkpoints.push_back(count); });
    timer.restoreCount(299);
    EXPECT_EQ(timer.view(Main).elapsedText + " " + timer.view(Advanced).elapsedText, "00:04:59 00:04:59");
    ASSERT_TRUE(start(Main, "36"));
    EXPECT_EQ(shownAfter(1, Main), "$3.00 (Earnmeter) | 00:05:00 | $3.00 | 24 | Pause ticking");
    EXPECT_EQ(checkpoints, (std::vector<std::int32_t>{300}));
    clock.advanceSeconds(150);
    timer.pause(Main);
    clock.advanceSeconds(1000);
    ASSERT_TRUE(timer.start(Main));
    EXPECT_EQ(timer.elapsedSeconds(), 450);
    clock.advanceSeconds(150);
    EXPECT_EQ(checkpoints, (std::vector<std::int32_t>{300, 600}));
}

// A tick held up (the program stopped, the machine overloaded) counts every second it stands for,
// and the checkpoint it passes over is written all the same.
TEST_F(RunTimerTest, ALateTickCountsEverySecondThatPassedAndWritesTheCheckpointItPassed)
{
    std::vector<std::int32_t> checkpoints;
    int ticked = 0;
    timer.checkpointDue.subscribe([&](std::int32_t count) { checkpoints.push_back(count); });
    timer.ticked.subscribe([&](int seconds) { ticked += seconds; });
    timer.restoreCount(297);
    ASSERT_TRUE(start(Main, "36"));
    runTick.fire(1);
    runTick.fire(5);
    EXPECT_EQ(shown(Main), "$3.03 (Earnmeter) | 00:05:03 | $3.03 | 24 | Pause ticking");
    EXPECT_EQ(checkpoints, std::vector<std::int32_t>{303});
    EXPECT_EQ(ticked, 6) << "the history hears of every second";
}

TEST_F(RunTimerTest, PausedTotalBlinksInBothWindowsAndStaysHiddenUntilTheNextTick)
{
    ASSERT_TRUE(start(Main, "36"));
    clock.advanceSeconds(5);
    timer.pause(Main);
    EXPECT_EQ(shown(Main), "PAUSED (Earnmeter) | 00:00:05 | $0.05 | 24 | struck Start blinking") << "a second later";
    EXPECT_TRUE(timer.view(Advanced).caption == "PAUSED (Earnmeter)" && timer.view(Advanced).elapsedStruck);
    for (const std::string phase : {"", "$0.05", "", "$0.05", ""}) {
        clock.advanceSeconds(1);
        EXPECT_EQ(timer.view(Main).totalText + "|" + timer.view(Advanced).totalText, phase + "|" + phase);
    }
    ASSERT_TRUE(timer.start(Main));
    EXPECT_EQ(shown(Main), "PAUSED (Earnmeter) | 00:00:05 |  | 24 | Pause ticking") << "the next tick rewrites it";
    EXPECT_EQ(timer.view(Advanced).caption, "Earnmeter");
    EXPECT_EQ(shownAfter(1, Main), "$0.06 (Earnmeter) | 00:00:06 | $0.06 | 24 | Pause ticking");
}

TEST_F(RunTimerTest, ResetAsksAndOnlyAYesClearsBothWindowsWhetherRunningOrPaused)
{
    ASSERT_TRUE(start(Main, "3600"));
    clock.advanceSeconds(1000);
    prompt.queueAnswer(Answer::No);
    timer.reset();
    const Message& question = prompt.lastAsked();
    EXPECT_EQ(question.text + " / " + question.caption, "Do you want to reset the timer to zero? / Reset Earnmeter");
    EXPECT_EQ(std::pair(question.buttons, question.icon),
              std::pair(Message::Buttons::YesNo, Message::Icon::Information));
    EXPECT_EQ(shownAfter(1, Main), "$1001.00 (Earnmeter) | 00:16:41 | $1001.00 | 20 | Pause ticking");
    prompt.queueAnswer(Answer::Yes);
    timer.reset();
    EXPECT_EQ(timer.totalEarned(), Currency{});
    EXPECT_EQ(shown(Main), "Earnmeter | 00:00:00 | $0.00 | 20 | Start") << "the small font stays until the next tick";
    EXPECT_EQ(shown(Advanced), "Earnmeter | 00:00:00 | $0.00 | 20 | Start");
    ASSERT_TRUE(timer.start(Main));
    clock.advanceSeconds(5);
    timer.pause(Main);
    clock.advanceSeconds(1);
    prompt.queueAnswer(Answer::Yes);
    timer.reset();
    EXPECT_EQ(shownAfter(3, Main), "Earnmeter | 00:00:00 | $0.00 | 24 | Start") << "no blink, no strikethrough";
    EXPECT_EQ(shown(Advanced), "Earnmeter | 00:00:00 | $0.00 | 24 | Start");
}

TEST_F(RunTimerTest, StartAndLeavingTheBoxRefuseAWageBeyondRangeAndKeepTheOldRate)
{
    leaveBoxWith(Main, "15");
    for (const std::string& typed :
         {"1e400"s, "99999999999999999999"s, "922337203685477.5808"s, std::string(1000, '9')}) {
        EXPECT_FALSE(start(Main, typed)) << typed;
        leaveBoxWith(Main, typed);
        EXPECT_EQ(rateAndBox(Main), std::pair(std::int64_t{150000}, "15.00"s));
    }
    EXPECT_EQ(prompt.asked().size(), 8u);
    EXPECT_EQ(prompt.lastAsked().buttons, Message::Buttons::Ok);
    const std::string notice = filledText(prompt.lastAsked());
    EXPECT_TRUE(notice.size() < 400 && notice.find("999...") != std::string::npos) << "a long text quoted in part";
    EXPECT_EQ(shownAfter(3, Main), "Earnmeter! | 00:00:00 | $0.00 | 24 | Start");
}

TEST_F(RunTimerTest, SwitchingModesCarriesTheRunBothWaysAndHandsPauseOverEvenBeforeTheFirstTick)
{
    timer.enterAdvanced();
    EXPECT_EQ(shown(Advanced), "Earnmeter! | 00:00:00 | $0.00 | 24 | Start");
    timer.leaveAdvanced();
    ASSERT_TRUE(start(Main, "36"));
    timer.enterAdvanced();
    EXPECT_EQ(timer.liveWindow(), Advanced);
    EXPECT_EQ(shown(Advanced), "Earnmeter | 00:00:00 | $0.00 | 24 | Pause ticking");
    EXPECT_EQ(shownAfter(6, Advanced), "$0.06 (Earnmeter) | 00:00:06 | $0.06 | 24 | Pause ticking");
    timer.chooseDream(); // a reference wage gives way to the main box's on leaving
    timer.leaveAdvanced();
    EXPECT_EQ(timer.liveWindow(), Main);
    EXPECT_EQ(shownAfter(1, Main), "$0.07 (Earnmeter) | 00:00:07 | $0.07 | 24 | Pause ticking");
}

TEST_F(RunTimerTest, PauseCarriesAcrossModeSwitchesAndTheAdvancedWindowCaptionsItsOwnWay)
{
    ASSERT_TRUE(start(Main, "36"));
    clock.advanceSeconds(3);
    timer.pause(Main);
    timer.enterAdvanced();
    EXPECT_EQ(shown(Advanced), "PAUSED (Earnmeter) | 00:00:03 | $0.03 | 24 | struck Start blinking");
    clock.advanceSeconds(10);
    ASSERT_TRUE(timer.start(Advanced));
    clock.advanceSeconds(2);
    timer.pause(Advanced);
    EXPECT_EQ(shown(Advanced), "Earnmeter (PAUSED) | 00:00:05 | $0.05 | 24 | struck Start blinking");
    timer.leaveAdvanced();
    EXPECT_EQ(shown(Main), "Earnmeter (PAUSED) | 00:00:05 | $0.05 | 24 | struck Start blinking");
    ASSERT_TRUE(timer.start(Main));
    EXPECT_EQ(shownAfter(1, Main), "$0.06 (Earnmeter) | 00:00:06 | $0.06 | 24 | Pause ticking");
}

// The advanced window starts from My Wage, hourly, at the rate in force. Its box holds an amount per
// period, never the rate; one beyond range, though its hourly rate would fit, is put back and told once.
TEST_F(RunTimerTest, AdvancedWindowConvertsTheAmountPerPeriodAndPutsARefusedOneBack)
{
    wageTypes.setPeriod(PayPeriod::Monthly);
    timer.chooseDream();
    leaveBoxWith(Main, "12.34567");
    timer.enterAdvanced();
    EXPECT_EQ(box(Advanced) + " " + std::string(displayName(wageTypes.period())), "12.35 Hourly");
    EXPECT_EQ(wageTypes.selected(), WageType::MyWage);
    wageTypes.setPeriod(PayPeriod::Annually);
    EXPECT_FALSE(start(Advanced, "2e15"));
    EXPECT_EQ(shown(Advanced), "Earnmeter! | 00:00:00 | $0.00 | 24 | Start");
    EXPECT_EQ(rateAndBox(Advanced), std::pair(std::int64_t{123457}, "12.35"s));
    timer.leaveWageEntry(Advanced);
    EXPECT_EQ(prompt.asked().size(), 1u) << "not again when the box is left";
    EXPECT_EQ(wageTypes.period(), PayPeriod::Hourly) << "the period in force came back with the amount";
    wageTypes.setPeriod(PayPeriod::Annually);
    leaveBoxWith(Advanced, "50000");
    EXPECT_EQ(rateAndBox(Advanced), std::pair(std::int64_t{123457}, "50000.00"s));
    timer.chooseDream();
    timer.convertPeriod(); // choosing My Wage again
    EXPECT_EQ(wageTypes.currentText(), "24.04");
    timer.leaveAdvanced();
    EXPECT_EQ(rateAndBox(Main), std::pair(std::int64_t{240385}, "24.04"s));
}

// What the user typed last gives way to the amount and period the rate in force came from.
TEST_F(RunTimerTest, ARefusedAmountPerPeriodGivesWayToTheAmountInForceAndIsToldWithThePeriodsLimit)
{
    timer.enterAdvanced();
    wageTypes.setPeriod(PayPeriod::Annually);
    leaveBoxWith(Advanced, "52000");
    timer.convertPeriod();
    const auto inForce = std::pair(std::int64_t{250000}, "52000.00"s);
    leaveBoxWith(Advanced, "1e400");
    EXPECT_EQ(rateAndBox(Advanced), inForce);
    leaveBoxWith(Advanced, "500000000000000");
    wageTypes.setPeriod(PayPeriod::Weekly);
    timer.convertPeriod();
    EXPECT_EQ(rateAndBox(Advanced), inForce);
    EXPECT_EQ(wageTypes.period(), PayPeriod::Annually);
    timer.convertPeriod();
    EXPECT_EQ(rateAndBox(Advanced), inForce);
    ASSERT_EQ(prompt.asked().size(), 2u);
    EXPECT_NE(filledText(prompt.asked()[0]).find("at most 922,337,203,685,477.58 (Annually)"), std::string::npos);
    EXPECT_NE(filledText(prompt.asked()[1]).find("at most 17,737,253,917,028.41 (Weekly)"), std::string::npos);
}

// Start takes a reference wage as configured now, though the label shows it as it was chosen.
using WageTypesTest = RunTimerTest;
TEST_F(WageTypesTest, ReferenceWagesTakeEffectAtOnceAndStartUsesTheirCurrentRateOverTheBox)
{
    settings.DreamWage = Currency::fromUnits(455000);
    settings.MinimumWage = Currency::fromUnits(72500);
    timer.chooseMinimum();
    wageTypes.setPeriod(PayPeriod::Weekly);
    EXPECT_EQ(std::pair(wageTypes.rateAtStart("1000"), wageTypes.currentText()),
              std::pair(std::optional(settings.MinimumWage), "7.25"s));
    timer.chooseDream();
    settings.DreamWage = Currency::fromUnits(12345000);
    EXPECT_EQ(std::pair(wageTypes.rateAtStart(""), wageTypes.currentText()),
              std::pair(std::optional(settings.DreamWage), "45.50"s));
    ASSERT_TRUE(wageTypes.convertPeriod("0")); // choosing My Wage again
    EXPECT_EQ(wageTypes.rateAtStart("1000"), Currency::fromUnits(250000));
}
