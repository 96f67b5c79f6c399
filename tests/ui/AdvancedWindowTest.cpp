#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include <tuple>

namespace {

class AdvancedWindowTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        config = "\"v2.5\",7.25,45.5,0,-1,-1\r\n"; // starts in advanced mode
        WindowFixture::SetUp();
    }
    QComboBox& periods() { return control<QComboBox>(advanced(), "cboPeriod"); }
    std::string entry() { return wageText(advanced()) + " " + label(advanced(), "lblCurrent") + " " + rate(); }
};

TEST_F(AdvancedWindowTest, OkConvertsTheAmountPerPeriodAndReferenceWagesTakeEffectAtOnce)
{
    for (const auto& [amount, period, shown] :
         {std::tuple{"2000", "Semi-Monthly", "2000.00 23.08 23.0769"}, {"-520", "Weekly", "-520.00 (13.00) -13"}}) {
        typeWage(advanced(), amount);
        periods().setCurrentText(period);
        click(advanced(), "cmdPeriodOK");
        EXPECT_EQ(entry(), shown);
    }
    typeWage(advanced(), "52000", Qt::Key_Tab); // from the wage box into the list, picked by typing
    ASSERT_TRUE(periods().hasFocus());
    QTest::keyClicks(&periods(), "Annually");
    choose(advanced(), "optMaxWage");
    EXPECT_EQ(entry(), "52000.00 45.50 45.5");
    choose(advanced(), "optMinWage");
    EXPECT_EQ(entry(), "52000.00 7.25 7.25");
    EXPECT_EQ(periods().currentText().toStdString(), "Annually");
    click(advanced(), "cmdStart");
    EXPECT_EQ(rate(), "7.25") << "Start with the minimum wage ignores the box and the period";
}

TEST_F(AdvancedWindowTest, EnterInTheWageBoxPressesStartWithThePeriodConversion)
{
    periods().setCurrentText("Weekly");
    typeWage(advanced(), "1000", Qt::Key_Return);
    EXPECT_TRUE(wageBox(advanced()).hasFocus()) << "Enter pressed Start, not OK";
    EXPECT_EQ(entry(), "1000.00 25.00 25");
    EXPECT_EQ(shows(advanced()), "Earnmeter! | 00:00:00 | $0.00 | Pause");
}

// An amount whose yearly product is beyond range is refused, yet OK has made My Wage the choice
// Start takes, so the window must show it chosen.
TEST_F(AdvancedWindowTest, ARefusedConversionShowsMyWageChosenAsStartWouldTakeIt)
{
    choose(advanced(), "optMaxWage");
    typeWage(advanced(), "100000000000000");
    periods().setCurrentText("Monthly");
    click(advanced(), "cmdPeriodOK");
    ASSERT_EQ(asked().size(), 1u);
    EXPECT_TRUE(control<QRadioButton>(advanced(), "optRegWage").isChecked());
}

// With 52000 Annually in force, a refused amount puts back 52000.00 Annually whichever way it was
// refused, the message names the most the chosen period allows, and the next OK gives 25.00 again.
TEST_F(AdvancedWindowTest, ARefusedAmountPutsBackTheAmountPerPeriodInForce)
{
    typeWage(advanced(), "52000");
    periods().setCurrentText("Annually");
    click(advanced(), "cmdPeriodOK");
    const std::string inForce = "52000.00 25.00 25";
    ASSERT_EQ(entry(), inForce);
    for (const auto& [typed, period, refusedBy, told] :
         {std::tuple{"1e400", "Annually", "Tab", "922,337,203,685,477.58 (Annually)"},
          {"500000000000000", "Weekly", "cmdPeriodOK", "17,737,253,917,028.41 (Weekly)"},
          {"40000000000000", "Semi-Monthly", "Enter", "38,430,716,820,228.23 (Semi-Monthly)"},
          {"1e400", "Monthly", "Enter", "76,861,433,640,456.46 (Monthly)"}}) {
        SCOPED_TRACE(std::string(typed) + " " + period + " " + refusedBy);
        prompt.answers.forgetAsked();
        periods().setCurrentText(period);
        typeWage(advanced(), typed);
        if (std::string(refusedBy) == "cmdPeriodOK")
            click(advanced(), refusedBy);
        else
            press(advanced(), std::string(refusedBy) == "Tab" ? Qt::Key_Tab : Qt::Key_Return);
        ASSERT_EQ(asked().size(), 1u);
        EXPECT_NE(asked()[0].find(std::string("at most ") + told), std::string::npos) << asked()[0];
        EXPECT_EQ(entry(), inForce);
        EXPECT_EQ(periods().currentText().toStdString(), "Annually");
        EXPECT_EQ(ticking(), "- -");
    }
    click(advanced(), "cmdPeriodOK");
    EXPECT_EQ(entry(), inForce);
}

// Whatever Start accepts, the box shows in a form both readings take again: leaving the box and
// starting once more after a pause tell nothing.
TEST_F(AdvancedWindowTest, TheLargestWagesStartAndReadBackInBothWindows)
{
    for (const auto& [inAdvanced, typed, shown] : {std::tuple{true, "922337203685477.5807", "922337203685477.58"},
                                                   {true, "-922337203685477.5808", "-922337203685477.58"},
                                                   {false, "922337203685477.5807", "922337203685477.58"},
                                                   {false, "-922337203685477.5808", "-922337203685477.58"}}) {
        if (inAdvanced != (host.runTimer().liveWindow() == WindowId::Advanced))
            switchMode();
        QMainWindow& window = &host.liveWindow() == &advanced() ? static_cast<QMainWindow&>(advanced()) : simple();
        SCOPED_TRACE(window.objectName().toStdString() + " " + typed);
        typeWage(window, typed, Qt::Key_Return);
        press(window, Qt::Key_Tab);
        click(window, "cmdPause");
        click(window, "cmdStart");
        EXPECT_EQ(wageText(window), shown);
        EXPECT_EQ(ticking(), inAdvanced ? "advanced -" : "main -");
        EXPECT_TRUE(asked().empty()) << asked().front();
        click(window, "cmdPause");
    }
}

using ModeSwitchTest = WindowFixture;

TEST_F(ModeSwitchTest, WhileRunningTheCountGoesOnInTheOtherWindowAlsoWhenItIsClosed)
{
    typeWage(simple(), "15", Qt::Key_Return);
    tick(3);
    switchMode();
    EXPECT_FALSE(simple().isVisible());
    EXPECT_EQ(ticking(), "advanced -");
    EXPECT_EQ(wageText(advanced()) + " " + label(advanced(), "lblCurrent"), "15.00 15.00");
    tick(2);
    EXPECT_EQ(shows(advanced()), "$0.02 (Earnmeter) | 00:00:05 | $0.02 | Pause");

    advanced().close();
    EXPECT_FALSE(advanced().isVisible() || simple().isVisible());
    tick();
    // Left alone while hidden, so the X server is not woken; up to date as it is shown.
    EXPECT_EQ(label(advanced(), "lblSeconds"), "00:00:05");
    showLive();
    EXPECT_EQ(shows(advanced()), "$0.03 (Earnmeter) | 00:00:06 | $0.03 | Pause");

    switchMode();
    EXPECT_TRUE(simple().isVisible() && !advanced().isVisible());
    EXPECT_FALSE(control<QCheckBox>(simple(), "chkAdvanced").isChecked());
    tick();
    EXPECT_EQ(shows(simple()), "$0.03 (Earnmeter) | 00:00:07 | $0.03 | Pause");
}

TEST_F(ModeSwitchTest, APausedRunIsStruckThroughInBothWindowsAndStaysPausedAcrossSwitches)
{
    typeWage(simple(), "15", Qt::Key_Return);
    tick(10);
    click(simple(), "cmdPause");
    tick();
    EXPECT_EQ(shows(simple()), "PAUSED (Earnmeter) | 00:00:10 |  | Start | struck");
    switchMode();
    EXPECT_TRUE(enabled(advanced(), "cmdStart") && !enabled(advanced(), "cmdPause"));
    click(advanced(), "cmdStart");
    tick();
    click(advanced(), "cmdPause");
    EXPECT_EQ(shows(advanced()), "Earnmeter (PAUSED) | 00:00:11 | $0.05 | Start | struck") << "the other way round";
    switchMode();
    EXPECT_TRUE(enabled(simple(), "cmdStart") && !enabled(simple(), "cmdPause"));
    EXPECT_EQ(ticking(), "- blink");
}

// Within the first second of a run the count is still 0, yet the timer runs.
TEST_F(ModeSwitchTest, WhileIdleOnlyStartIsOfferedButInTheFirstSecondOfARunPauseIs)
{
    switchMode();
    EXPECT_EQ(shows(advanced()), "Earnmeter! | 00:00:00 | $0.00 | Start");
    switchMode();
    typeWage(simple(), "15", Qt::Key_Return);
    switchMode();
    EXPECT_EQ(shows(advanced()), "Earnmeter | 00:00:00 | $0.00 | Pause") << "a running meter that cannot be paused";
}

TEST_F(ModeSwitchTest, LeavingShowsTheConvertedRateButKeepsItsFourDecimals)
{
    switchMode();
    typeWage(advanced(), "50000");
    control<QComboBox>(advanced(), "cboPeriod").setCurrentText("Annually");
    click(advanced(), "cmdPeriodOK");
    switchMode();
    EXPECT_EQ(wageText(simple()) + " " + rate(), "24.04 24.0385");
}

} // namespace
