#include "engine/RunTimer.h"

#include "RunTimerFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ModeSwitchTest : public RunTimerFixture
{
protected:
    ModeSwitchTest()
    {
        state.DreamWage = Currency::FromUnits(455000);
        state.MinimumWage = Currency::FromUnits(72500);
        timer.modeChanged.subscribe([this] { ++modeChanges; });
    }

    void typeMainWage(const std::string& text)
    {
        timer.EditWageEntry(WindowId::Main, text);
        timer.LeaveWageEntry(WindowId::Main);
    }

    int modeChanges = 0;
};

TEST_F(ModeSwitchTest, EnteringWhileRunningCarriesTheCountIntoTheAdvancedWindow)
{
    ASSERT_TRUE(start(WindowId::Main, "36"));
    clock.advanceSeconds(5);
    timer.EnterAdvanced();

    EXPECT_TRUE(state.AdvancedMode);
    EXPECT_EQ(timer.liveWindow(), WindowId::Advanced);
    EXPECT_EQ(modeChanges, 1);
    EXPECT_FALSE(timer.ticking(WindowId::Main));
    EXPECT_TRUE(timer.ticking(WindowId::Advanced));
    EXPECT_FALSE(advancedView().startEnabled);
    EXPECT_TRUE(advancedView().pauseEnabled);

    clock.advanceSeconds(1);
    EXPECT_EQ(state.ElapsedSeconds, 6);
    EXPECT_EQ(advancedView().elapsedText, "00:00:06");
    EXPECT_EQ(advancedView().caption, "$0.06 (Earnmeter)");
    EXPECT_EQ(mainView().elapsedText, "00:00:05") << "the hidden window keeps what it showed";
}

TEST_F(ModeSwitchTest, EnteringFillsTheAdvancedWindowFromTheRateInForce)
{
    typeMainWage("12.34567");
    wageTypes.setPeriod("Monthly");
    timer.EnterAdvanced();
    EXPECT_EQ(advancedView().wageEntry, "12.35");
    EXPECT_EQ(wageTypes.period(), "Hourly");
    EXPECT_EQ(wageTypes.selected(), WageType::MyWage);
    EXPECT_EQ(wageTypes.currentText(), "12.35");
    EXPECT_TRUE(mainView().advancedChecked);
    EXPECT_TRUE(advancedView().advancedChecked);
}

TEST_F(ModeSwitchTest, EnteringWhilePausedKeepsThePauseAndTheBlink)
{
    ASSERT_TRUE(start(WindowId::Main, "36"));
    clock.advanceSeconds(3);
    timer.Pause(WindowId::Main);
    timer.EnterAdvanced();

    EXPECT_FALSE(timer.ticking(WindowId::Main));
    EXPECT_FALSE(timer.ticking(WindowId::Advanced));
    EXPECT_TRUE(advancedView().startEnabled);
    EXPECT_FALSE(advancedView().pauseEnabled);
    EXPECT_TRUE(advancedView().elapsedStruck);
    EXPECT_TRUE(timer.blinking());
    clock.advanceSeconds(10);
    EXPECT_EQ(state.ElapsedSeconds, 3);
}

TEST_F(ModeSwitchTest, EnteringWhileIdleLeavesTheAdvancedWindowReadyToStart)
{
    timer.EnterAdvanced();
    EXPECT_TRUE(advancedView().startEnabled);
    EXPECT_FALSE(advancedView().pauseEnabled);
    EXPECT_FALSE(anyTickerOn());
}

// At a count of 0 only Start's state is handed over; Pause keeps its own.
TEST_F(ModeSwitchTest, EnteringBeforeTheFirstTickStillHandsPauseOver)
{
    ASSERT_TRUE(start(WindowId::Main, "36"));
    timer.EnterAdvanced();
    EXPECT_TRUE(timer.ticking(WindowId::Advanced));
    EXPECT_FALSE(advancedView().startEnabled);
    EXPECT_TRUE(advancedView().pauseEnabled);
}

TEST_F(ModeSwitchTest, EnteringIdleAtCountZeroKeepsTheAdvancedPauseButtonAsItWas)
{
    timer.EnterAdvanced();
    EXPECT_TRUE(advancedView().startEnabled);
    EXPECT_FALSE(advancedView().pauseEnabled);
}

TEST_F(ModeSwitchTest, LeavingWhileRunningCarriesTheCountBackToTheMainWindow)
{
    typeMainWage("36");
    timer.EnterAdvanced();
    ASSERT_TRUE(timer.Start(WindowId::Advanced));
    clock.advanceSeconds(4);
    timer.LeaveAdvanced();

    EXPECT_FALSE(state.AdvancedMode);
    EXPECT_EQ(timer.liveWindow(), WindowId::Main);
    EXPECT_EQ(modeChanges, 2);
    EXPECT_TRUE(timer.ticking(WindowId::Main));
    EXPECT_FALSE(timer.ticking(WindowId::Advanced));
    EXPECT_FALSE(mainView().startEnabled);
    EXPECT_TRUE(mainView().pauseEnabled);
    EXPECT_FALSE(mainView().advancedChecked);
    EXPECT_FALSE(advancedView().advancedChecked);

    clock.advanceSeconds(1);
    EXPECT_EQ(state.ElapsedSeconds, 5);
    EXPECT_EQ(mainView().elapsedText, "00:00:05");
    EXPECT_EQ(advancedView().elapsedText, "00:00:04");
}

TEST_F(ModeSwitchTest, LeavingWhilePausedLeavesBothWindowsPaused)
{
    typeMainWage("36");
    timer.EnterAdvanced();
    ASSERT_TRUE(timer.Start(WindowId::Advanced));
    clock.advanceSeconds(4);
    timer.Pause(WindowId::Advanced);
    timer.LeaveAdvanced();

    EXPECT_FALSE(timer.ticking(WindowId::Main));
    EXPECT_TRUE(mainView().startEnabled);
    EXPECT_FALSE(mainView().pauseEnabled);
    EXPECT_TRUE(mainView().elapsedStruck);
    EXPECT_EQ(mainView().caption, "Earnmeter (PAUSED)");
    ASSERT_TRUE(timer.Start(WindowId::Main));
    clock.advanceSeconds(1);
    EXPECT_EQ(state.ElapsedSeconds, 5);
}

TEST_F(ModeSwitchTest, PauseInTheAdvancedWindowCaptionsBothWindowsItsOwnWay)
{
    timer.EnterAdvanced();
    ASSERT_TRUE(timer.Start(WindowId::Advanced));
    EXPECT_EQ(mainView().caption, "Earnmeter");
    clock.advanceSeconds(2);
    timer.Pause(WindowId::Advanced);
    for (const WindowView* view : {&mainView(), &advancedView()}) {
        EXPECT_EQ(view->caption, "Earnmeter (PAUSED)");
        EXPECT_TRUE(view->elapsedStruck);
    }
    EXPECT_TRUE(timer.blinking());
    EXPECT_TRUE(advancedView().startEnabled);
    EXPECT_FALSE(advancedView().pauseEnabled);
    clock.advanceSeconds(1);
    EXPECT_EQ(advancedView().totalText, "");
    EXPECT_EQ(mainView().totalText, "");
}

TEST_F(ModeSwitchTest, LeavingWithMyWageHandsTheConvertedRateToTheMainBox)
{
    typeMainWage("15");
    timer.EnterAdvanced();
    wageTypes.setPeriod("Weekly");
    ASSERT_TRUE(wageTypes.ConvertPeriod("1000"));
    timer.LeaveAdvanced();
    EXPECT_EQ(mainView().wageEntry, "25.00");
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(250000));
}

TEST_F(ModeSwitchTest, LeavingWithMyWageKeepsTheUnroundedRateUntilTheMainBoxIsRead)
{
    timer.EnterAdvanced();
    wageTypes.setPeriod("Annually");
    ASSERT_TRUE(wageTypes.ConvertPeriod("50000"));
    timer.LeaveAdvanced();
    EXPECT_EQ(mainView().wageEntry, "24.04");
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(240385));
    ASSERT_TRUE(timer.Start(WindowId::Main));
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(240400));
}

TEST_F(ModeSwitchTest, LeavingWithDreamWageGoesBackToTheMainBoxRate)
{
    typeMainWage("15");
    timer.EnterAdvanced();
    wageTypes.SelectDream();
    ASSERT_EQ(state.HourlyWage, state.DreamWage);
    timer.LeaveAdvanced();
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(150000));
    EXPECT_EQ(mainView().wageEntry, "15.00");
}

TEST_F(ModeSwitchTest, DreamWageChosenWhileRunningRepricesTheWholeCount)
{
    typeMainWage("10");
    timer.EnterAdvanced();
    ASSERT_TRUE(timer.Start(WindowId::Advanced));
    clock.advanceSeconds(180);
    ASSERT_EQ(advancedView().totalText, "$0.50");
    wageTypes.SelectDream();
    clock.advanceSeconds(1);
    EXPECT_EQ(state.TotalEarned, TotalEarnedFor(state.DreamWage, 181));
    EXPECT_EQ(advancedView().totalText, "$2.29");
}

TEST_F(ModeSwitchTest, AdvancedStartConvertsTheTypedAmountAndTidiesTheBox)
{
    timer.EnterAdvanced();
    wageTypes.setPeriod("Annually");
    ASSERT_TRUE(start(WindowId::Advanced, "52000"));
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(250000));
    EXPECT_EQ(wageTypes.currentText(), "25.00");
    EXPECT_EQ(advancedView().wageEntry, "52000.00");
    EXPECT_TRUE(timer.ticking(WindowId::Advanced));
    EXPECT_FALSE(timer.ticking(WindowId::Main));
}

TEST_F(ModeSwitchTest, AdvancedStartWithMinimumWageIgnoresTheBox)
{
    timer.EnterAdvanced();
    wageTypes.SelectMinimum();
    wageTypes.setPeriod("Weekly");
    ASSERT_TRUE(start(WindowId::Advanced, "1000"));
    EXPECT_EQ(state.HourlyWage, state.MinimumWage);
    EXPECT_EQ(wageTypes.currentText(), "7.25");
}

// Start refuses an amount beyond range as leaving the box does: one notice,
// the old rate, the box back to that rate, nothing started.
TEST_F(ModeSwitchTest, AdvancedStartRefusingAnAmountPutsTheBoxBack)
{
    typeMainWage("15");
    timer.EnterAdvanced();
    EXPECT_FALSE(start(WindowId::Advanced, "1e400"));
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(150000));
    EXPECT_FALSE(anyTickerOn());
    EXPECT_TRUE(advancedView().startEnabled);
    EXPECT_EQ(prompt.asked().size(), 1u);
    EXPECT_EQ(advancedView().wageEntry, "15.00");

    // Leaving the box afterwards must not refuse the same text a second time.
    timer.LeaveWageEntry(WindowId::Advanced);
    EXPECT_EQ(prompt.asked().size(), 1u);
}

} // namespace
