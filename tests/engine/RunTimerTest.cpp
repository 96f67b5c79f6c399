#include "engine/RunTimer.h"

#include "RowName.h"
#include "RunTimerFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using RunTimerTest = RunTimerFixture;

// --- Counting ---

TEST_F(RunTimerTest, TenSecondRunShowsTimeTotalAndCaptionEverySecond)
{
    ASSERT_TRUE(start(WindowId::Main, "12"));
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(120000));
    EXPECT_EQ(mainView().wageEntry, "12.00");
    EXPECT_EQ(mainView().caption, "Earnmeter!") << "Start leaves its own caption to the first tick";

    const std::vector<std::string> totals = {"$0.00", "$0.01", "$0.01", "$0.01", "$0.02",
                                             "$0.02", "$0.02", "$0.03", "$0.03", "$0.03"};
    for (int second = 1; second <= 10; ++second) {
        clock.advanceSeconds(1);
        SCOPED_TRACE(second);
        EXPECT_EQ(state.ElapsedSeconds, second);
        EXPECT_EQ(mainView().elapsedText, "00:00:" + std::string(second < 10 ? "0" : "") + std::to_string(second));
        EXPECT_EQ(mainView().totalText, totals[second - 1]);
        EXPECT_EQ(mainView().caption, totals[second - 1] + " (Earnmeter)");
        EXPECT_EQ(mainView().totalPointSize, 24);
    }
    EXPECT_EQ(state.TotalEarned, Currency::FromUnits(333));
    EXPECT_EQ(trayFlags, (std::vector<bool>{true, false, true, false, true, false, true, false, true, false}));
    // Only the ticking window is refreshed.
    EXPECT_EQ(advancedView().elapsedText, "00:00:00");
    EXPECT_EQ(advancedView().totalText, "$0.00");
    EXPECT_EQ(advancedView().caption, "Earnmeter");
}

TEST_F(RunTimerTest, NothingCountsBeforeStart)
{
    clock.advanceSeconds(60);
    EXPECT_EQ(state.ElapsedSeconds, 0);
    EXPECT_TRUE(trayFlags.empty());
    EXPECT_EQ(mainView().caption, "Earnmeter!");
}

TEST_F(RunTimerTest, StartWhileRunningRereadsTheWageAndStillCountsOnceASecond)
{
    ASSERT_TRUE(start(WindowId::Main, "10"));
    clock.advanceSeconds(180);
    ASSERT_TRUE(start(WindowId::Main, "20"));
    clock.advanceSeconds(1);
    EXPECT_EQ(state.ElapsedSeconds, 181);
    EXPECT_EQ(state.TotalEarned, Currency::FromUnits(10056));
}

TEST_F(RunTimerTest, WageChangedMidRunRepricesTheWholeCountAtTheNextTick)
{
    ASSERT_TRUE(start(WindowId::Main, "10"));
    clock.advanceSeconds(180);
    ASSERT_EQ(mainView().totalText, "$0.50");

    timer.EditWageEntry(WindowId::Main, "20");
    timer.LeaveWageEntry(WindowId::Main);
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(200000));
    EXPECT_EQ(state.TotalEarned, Currency::FromUnits(5000)) << "the total follows only at a tick";

    clock.advanceSeconds(1);
    EXPECT_EQ(state.TotalEarned, Currency::FromUnits(10056));
    EXPECT_EQ(mainView().totalText, "$1.01");
}

TEST_F(RunTimerTest, TotalReachingExactlyAThousandShrinksTheFont)
{
    restoreCount(35998);
    ASSERT_TRUE(start(WindowId::Main, "100"));
    clock.advanceSeconds(1);
    EXPECT_EQ(state.TotalEarned, Currency::FromUnits(9999722));
    EXPECT_EQ(mainView().totalText, "$999.97");
    EXPECT_EQ(mainView().totalPointSize, 24);
    clock.advanceSeconds(1);
    EXPECT_EQ(state.TotalEarned, Currency::FromUnits(10000000));
    EXPECT_EQ(mainView().totalText, "$1000.00");
    EXPECT_EQ(mainView().totalPointSize, 20);
}

TEST_F(RunTimerTest, CountStopsAtItsLargestValue)
{
    restoreCount(std::numeric_limits<std::int32_t>::max() - 1);
    ASSERT_TRUE(start(WindowId::Main, "0"));
    clock.advanceSeconds(3);
    EXPECT_EQ(state.ElapsedSeconds, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(mainView().elapsedText, "596523:14:07");
}

TEST_F(RunTimerTest, TotalBeyondTheMoneyRangeIsHeldAtTheLargestAmount)
{
    restoreCount(3689);
    ASSERT_TRUE(start(WindowId::Main, "900000000000000"));
    clock.advanceSeconds(1);
    EXPECT_EQ(state.TotalEarned, Currency::Max());
    EXPECT_EQ(mainView().totalText, "$922337203685477.58");
    EXPECT_EQ(mainView().totalPointSize, 20);
}

TEST_F(RunTimerTest, NegativeTotalBeyondTheMoneyRangeIsHeldAtTheSmallestAmount)
{
    restoreCount(3689);
    ASSERT_TRUE(start(WindowId::Main, "-900000000000000"));
    clock.advanceSeconds(1);
    EXPECT_EQ(state.TotalEarned, Currency::Min());
    EXPECT_EQ(mainView().totalText, "$(922337203685477.58)");
}

TEST_F(RunTimerTest, RestoredCountIsShownInBothWindowsAndPricedFromTheFirstTick)
{
    restoreCount(299);
    EXPECT_EQ(mainView().elapsedText, "00:04:59");
    EXPECT_EQ(advancedView().elapsedText, "00:04:59");
    EXPECT_EQ(state.TotalEarned, Currency{});
    ASSERT_TRUE(start(WindowId::Main, "36"));
    clock.advanceSeconds(1);
    EXPECT_EQ(mainView().totalText, "$3.00");
}

// --- Checkpoints ---

TEST_F(RunTimerTest, CheckpointEveryThreeHundredCountedSeconds)
{
    ASSERT_TRUE(start(WindowId::Main, "10"));
    clock.advanceSeconds(450);
    timer.Pause(WindowId::Main);
    clock.advanceSeconds(1000); // paused time is not counted
    ASSERT_TRUE(timer.Start(WindowId::Main));
    clock.advanceSeconds(150);
    EXPECT_EQ(checkpoints, (std::vector<std::int32_t>{300, 600}));
}

TEST_F(RunTimerTest, RunResumedAtTwoNinetyNineWritesAtItsFirstTick)
{
    restoreCount(299);
    ASSERT_TRUE(start(WindowId::Main, "10"));
    clock.advanceSeconds(1);
    EXPECT_EQ(checkpoints, (std::vector<std::int32_t>{300}));
}

// --- Pause, blink and resume ---

TEST_F(RunTimerTest, PauseAndResumeKeepTheCount)
{
    ASSERT_TRUE(start(WindowId::Main, "10"));
    clock.advanceSeconds(42);
    timer.Pause(WindowId::Main);
    clock.advanceSeconds(120);
    EXPECT_EQ(state.ElapsedSeconds, 42);
    EXPECT_EQ(mainView().elapsedText, "00:00:42");

    ASSERT_TRUE(timer.Start(WindowId::Main));
    EXPECT_EQ(state.ElapsedSeconds, 42);
    clock.advanceSeconds(1);
    EXPECT_EQ(state.ElapsedSeconds, 43);
}

TEST_F(RunTimerTest, PauseFromTheMainWindowCaptionsAndStrikesBothWindows)
{
    ASSERT_TRUE(start(WindowId::Main, "10"));
    clock.advanceSeconds(3);
    timer.Pause(WindowId::Main);
    for (const WindowView* view : {&mainView(), &advancedView()}) {
        EXPECT_EQ(view->caption, "PAUSED (Earnmeter)");
        EXPECT_TRUE(view->elapsedStruck);
    }
    EXPECT_TRUE(mainView().startEnabled);
    EXPECT_FALSE(mainView().pauseEnabled);
    EXPECT_FALSE(timer.ticking(WindowId::Main));
    EXPECT_TRUE(timer.blinking());

    ASSERT_TRUE(timer.Start(WindowId::Main));
    EXPECT_FALSE(mainView().elapsedStruck);
    EXPECT_FALSE(advancedView().elapsedStruck);
    EXPECT_EQ(advancedView().caption, "Earnmeter");
    EXPECT_EQ(mainView().caption, "PAUSED (Earnmeter)") << "the next tick rewrites it";
    EXPECT_FALSE(timer.blinking());
}

TEST_F(RunTimerTest, PausedTotalBlinksInBothWindowsOnAlternateSeconds)
{
    ASSERT_TRUE(start(WindowId::Main, "36"));
    clock.advanceSeconds(5);
    timer.Pause(WindowId::Main);
    EXPECT_EQ(mainView().totalText, "$0.05") << "the first blink comes a second after Pause";

    const std::vector<std::string> phases = {"", "$0.05", "", "$0.05"};
    for (const std::string& expected : phases) {
        clock.advanceSeconds(1);
        EXPECT_EQ(mainView().totalText, expected);
        EXPECT_EQ(advancedView().totalText, expected);
        EXPECT_EQ(mainView().caption, "PAUSED (Earnmeter)");
        EXPECT_EQ(mainView().totalPointSize, 24);
    }
}

TEST_F(RunTimerTest, TotalHiddenAtStartStaysHiddenUntilTheNextTick)
{
    ASSERT_TRUE(start(WindowId::Main, "36"));
    clock.advanceSeconds(5);
    timer.Pause(WindowId::Main);
    clock.advanceSeconds(1);
    ASSERT_EQ(mainView().totalText, "");

    ASSERT_TRUE(timer.Start(WindowId::Main));
    EXPECT_EQ(mainView().totalText, "");
    EXPECT_EQ(advancedView().totalText, "");
    clock.advanceSeconds(1);
    EXPECT_EQ(mainView().totalText, "$0.06");
    EXPECT_EQ(advancedView().totalText, "") << "a tick refreshes only its own window";
}

TEST_F(RunTimerTest, PauseWhileIdleBlinksTheZeroTotal)
{
    timer.Pause(WindowId::Main);
    EXPECT_EQ(mainView().caption, "PAUSED (Earnmeter)");
    clock.advanceSeconds(2);
    EXPECT_EQ(mainView().totalText, "$0.00");
    EXPECT_EQ(state.ElapsedSeconds, 0);
}

// --- Reset ---

TEST_F(RunTimerTest, ResetAsksBeforeItClears)
{
    timer.Reset();
    ASSERT_EQ(prompt.asked().size(), 1u);
    const Message& question = prompt.lastAsked();
    EXPECT_EQ(question.text, "Do you want to reset the timer to zero?");
    EXPECT_EQ(question.caption, "Reset Earnmeter");
    EXPECT_EQ(question.buttons, Message::Buttons::YesNo);
    EXPECT_EQ(question.icon, Message::Icon::Information);
}

TEST_F(RunTimerTest, ResetAnsweredYesReturnsBothWindowsToZero)
{
    ASSERT_TRUE(start(WindowId::Main, "3600"));
    clock.advanceSeconds(1000);
    prompt.queueAnswer(Answer::Yes);
    timer.Reset();

    EXPECT_EQ(state.ElapsedSeconds, 0);
    EXPECT_EQ(state.TotalEarned, Currency{});
    for (const WindowView* view : {&mainView(), &advancedView()}) {
        EXPECT_EQ(view->totalText, "$0.00");
        EXPECT_EQ(view->elapsedText, "00:00:00");
        EXPECT_EQ(view->caption, "Earnmeter");
        EXPECT_FALSE(view->elapsedStruck);
        EXPECT_TRUE(view->startEnabled);
        EXPECT_FALSE(view->pauseEnabled);
    }
    EXPECT_FALSE(anyTickerOn());
    // The wage stays, and so does the small font until the next tick.
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(36000000));
    EXPECT_EQ(mainView().wageEntry, "3600.00");
    EXPECT_EQ(mainView().totalPointSize, 20);
    clock.advanceSeconds(10);
    EXPECT_EQ(state.ElapsedSeconds, 0);
}

TEST_F(RunTimerTest, ResetWhilePausedStopsTheBlinkAndTheStrikethrough)
{
    ASSERT_TRUE(start(WindowId::Main, "36"));
    clock.advanceSeconds(5);
    timer.Pause(WindowId::Main);
    clock.advanceSeconds(1);
    prompt.queueAnswer(Answer::Yes);
    timer.Reset();
    clock.advanceSeconds(3);
    EXPECT_EQ(mainView().totalText, "$0.00");
    EXPECT_EQ(advancedView().totalText, "$0.00");
    EXPECT_FALSE(mainView().elapsedStruck);
    EXPECT_FALSE(anyTickerOn());
}

TEST_F(RunTimerTest, ResetAnsweredNoLeavesTheRunGoing)
{
    ASSERT_TRUE(start(WindowId::Main, "36"));
    clock.advanceSeconds(7);
    prompt.queueAnswer(Answer::No);
    timer.Reset();
    EXPECT_EQ(state.ElapsedSeconds, 7);
    EXPECT_EQ(mainView().totalText, "$0.07");
    EXPECT_EQ(mainView().caption, "$0.07 (Earnmeter)");
    EXPECT_FALSE(mainView().startEnabled);
    EXPECT_TRUE(mainView().pauseEnabled);
    clock.advanceSeconds(1);
    EXPECT_EQ(state.ElapsedSeconds, 8);
}

// --- Reading the simple window's wage box ---

struct LenientStartRow
{
    std::string name;
    std::string typed;
    std::int64_t wageUnits;
    std::string shown;
    friend void PrintTo(const LenientStartRow& row, std::ostream* os) { *os << row.name; }
};

class StartReadsTheWageBoxTest : public RunTimerFixture, public ::testing::WithParamInterface<LenientStartRow>
{};

TEST_P(StartReadsTheWageBoxTest, StartsWithTheNumberItCanRead)
{
    ASSERT_TRUE(start(WindowId::Main, GetParam().typed));
    EXPECT_EQ(state.HourlyWage.units, GetParam().wageUnits);
    EXPECT_EQ(mainView().wageEntry, GetParam().shown);
    EXPECT_TRUE(timer.ticking(WindowId::Main));
    EXPECT_TRUE(prompt.asked().empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, StartReadsTheWageBoxTest,
                         ::testing::Values(LenientStartRow{"PlainNumber", "12", 120000, "12.00"},
                                           LenientStartRow{"LettersStartAtZero", "abc", 0, "0.00"},
                                           LenientStartRow{"UnitAfterNumber", "12.5/hr", 125000, "12.50"},
                                           LenientStartRow{"BlanksAround", "  15  ", 150000, "15.00"},
                                           LenientStartRow{"Exponent", "1e3", 10000000, "1000.00"},
                                           LenientStartRow{"Negative", "-3", -30000, "-3.00"},
                                           LenientStartRow{"FiveDecimals", "12.34567", 123457, "12.35"}),
                         RowName{});

struct RefusedStartRow
{
    std::string name;
    std::string typed;
    friend void PrintTo(const RefusedStartRow& row, std::ostream* os) { *os << row.name; }
};

class StartRefusesAWageBeyondRangeTest : public RunTimerFixture, public ::testing::WithParamInterface<RefusedStartRow>
{};

TEST_P(StartRefusesAWageBeyondRangeTest, TellsTheUserAndStartsNothing)
{
    timer.EditWageEntry(WindowId::Main, "15");
    timer.LeaveWageEntry(WindowId::Main);

    EXPECT_FALSE(start(WindowId::Main, GetParam().typed));
    ASSERT_EQ(prompt.asked().size(), 1u);
    EXPECT_EQ(prompt.lastAsked().buttons, Message::Buttons::Ok);
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(150000));
    EXPECT_EQ(mainView().wageEntry, "15.00");
    EXPECT_TRUE(mainView().startEnabled);
    EXPECT_FALSE(mainView().pauseEnabled);
    EXPECT_EQ(mainView().caption, "Earnmeter!");
    clock.advanceSeconds(3);
    EXPECT_FALSE(anyTickerOn());
    EXPECT_EQ(state.ElapsedSeconds, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, StartRefusesAWageBeyondRangeTest,
                         ::testing::Values(RefusedStartRow{"BeyondDoubleRange", "1e400"},
                                           RefusedStartRow{"NegativeBeyondDoubleRange", "-1e400"},
                                           RefusedStartRow{"TwentyDigits", "99999999999999999999"},
                                           RefusedStartRow{"OneUnitBeyondRange", "922337203685477.5808"},
                                           RefusedStartRow{"ThousandDigits", std::string(1000, '9')}),
                         RowName{});

TEST_F(RunTimerTest, RefusedWageWhileRunningKeepsTheRunAtTheOldRate)
{
    ASSERT_TRUE(start(WindowId::Main, "36"));
    clock.advanceSeconds(2);
    EXPECT_FALSE(start(WindowId::Main, "1e400"));
    clock.advanceSeconds(1);
    EXPECT_EQ(state.ElapsedSeconds, 3);
    EXPECT_EQ(mainView().totalText, "$0.03");
    EXPECT_EQ(mainView().wageEntry, "36.00");
}

TEST_F(RunTimerTest, LeavingTheWageBoxSetsTheRateAndShowsTwoDecimals)
{
    timer.EditWageEntry(WindowId::Main, "12.34567");
    timer.LeaveWageEntry(WindowId::Main);
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(123457));
    EXPECT_EQ(mainView().wageEntry, "12.35");
    // Start reads what the box now shows.
    ASSERT_TRUE(timer.Start(WindowId::Main));
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(123500));
}

TEST_F(RunTimerTest, LeavingTheWageBoxWithAWageBeyondRangeRestoresTheOldOne)
{
    timer.EditWageEntry(WindowId::Main, "7.25");
    timer.LeaveWageEntry(WindowId::Main);
    timer.EditWageEntry(WindowId::Main, "1e400");
    timer.LeaveWageEntry(WindowId::Main);
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(72500));
    EXPECT_EQ(mainView().wageEntry, "7.25");
    EXPECT_EQ(prompt.asked().size(), 1u);
}

TEST_F(RunTimerTest, LeavingTheAdvancedWageBoxOnlyTidiesTheAmount)
{
    timer.EditWageEntry(WindowId::Main, "15");
    timer.LeaveWageEntry(WindowId::Main);
    timer.EnterAdvanced();
    timer.EditWageEntry(WindowId::Advanced, "52000");
    timer.LeaveWageEntry(WindowId::Advanced);
    EXPECT_EQ(advancedView().wageEntry, "52000.00");
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(150000));
}

} // namespace
