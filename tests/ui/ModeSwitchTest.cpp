#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

using ModeSwitchTest = WindowFixture;

TEST_F(ModeSwitchTest, SwitchWhileRunningCarriesTheCountIntoTheOtherWindowAndBack)
{
    startMain("15");
    tick(3);
    switchMode();
    EXPECT_FALSE(mainWindow().isVisible());
    EXPECT_TRUE(advancedWindow().isVisible());
    EXPECT_FALSE(mainTick.enabled());
    EXPECT_TRUE(advancedTick.enabled());
    EXPECT_FALSE(enabled(advancedWindow(), "cmdStart"));
    EXPECT_TRUE(enabled(advancedWindow(), "cmdPause"));
    EXPECT_EQ(wageText(advancedWindow()), "15.00");
    EXPECT_EQ(label(advancedWindow(), "lblCurrent"), "15.00");

    tick(2);
    EXPECT_EQ(label(advancedWindow(), "lblSeconds"), "00:00:05");
    EXPECT_EQ(caption(advancedWindow()), "$0.02 (Earnmeter)");
    EXPECT_EQ(label(mainWindow(), "lblSeconds"), "00:00:03");

    switchMode();
    EXPECT_TRUE(mainWindow().isVisible());
    EXPECT_FALSE(advancedWindow().isVisible());
    EXPECT_FALSE(control<QCheckBox>(mainWindow(), "chkAdvanced").isChecked());
    EXPECT_FALSE(advancedTick.enabled());
    tick();
    EXPECT_EQ(label(mainWindow(), "lblSeconds"), "00:00:06");
}

TEST_F(ModeSwitchTest, SwitchWhilePausedKeepsBothWindowsPausedAndBlinking)
{
    startMain("15");
    tick(2);
    click(mainWindow(), "cmdPause");
    switchMode();
    EXPECT_TRUE(enabled(advancedWindow(), "cmdStart"));
    EXPECT_FALSE(enabled(advancedWindow(), "cmdPause"));
    tick();
    EXPECT_EQ(state().ElapsedSeconds, 2);
    EXPECT_EQ(label(advancedWindow(), "lblTotal"), "");

    click(advancedWindow(), "cmdStart");
    tick();
    click(advancedWindow(), "cmdPause");
    switchMode();
    EXPECT_TRUE(enabled(mainWindow(), "cmdStart"));
    EXPECT_FALSE(enabled(mainWindow(), "cmdPause"));
    EXPECT_FALSE(mainTick.enabled() || advancedTick.enabled());
    EXPECT_EQ(state().ElapsedSeconds, 3);
}

TEST_F(ModeSwitchTest, SwitchWhileIdleWithoutCountLeavesPauseDisabled)
{
    switchMode();
    EXPECT_TRUE(advancedWindow().isVisible());
    EXPECT_TRUE(enabled(advancedWindow(), "cmdStart"));
    EXPECT_FALSE(enabled(advancedWindow(), "cmdPause"));
    EXPECT_FALSE(advancedTick.enabled());
}

// Within the first second of a run the count is still 0, yet the timer runs:
// the window taking the run over must still offer Pause.
TEST_F(ModeSwitchTest, SwitchInTheFirstSecondOfARunKeepsPauseAvailable)
{
    startMain("15");
    switchMode();
    ASSERT_TRUE(advancedTick.enabled());
    EXPECT_FALSE(enabled(advancedWindow(), "cmdStart"));
    EXPECT_TRUE(enabled(advancedWindow(), "cmdPause")) << "a running meter that cannot be paused";
}

TEST_F(ModeSwitchTest, LeavingWithMyWageShowsTheConvertedRateButKeepsItsFourDecimals)
{
    switchMode();
    typeWage(advancedWindow(), "50000");
    control<QComboBox>(advancedWindow(), "cboPeriod").setCurrentText("Annually");
    click(advancedWindow(), "cmdPeriodOK");
    switchMode();
    EXPECT_EQ(wageText(mainWindow()), "24.04");
    EXPECT_EQ(hourlyWage(), "24.0385");
}

TEST_F(ModeSwitchTest, LeavingWithDreamWageTakesTheRateFromTheMainEntryAgain)
{
    state().DreamWage = CurrencyFromText("45.5").value;
    typeWage(mainWindow(), "15");
    press(mainWindow(), Qt::Key_Tab);
    switchMode();
    choose(advancedWindow(), "optMaxWage");
    ASSERT_EQ(hourlyWage(), "45.5");
    switchMode();
    EXPECT_EQ(hourlyWage(), "15");
    EXPECT_EQ(wageText(mainWindow()), "15.00");
}

} // namespace
