#include "WindowFixture.h"

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
    typeWage(advanced(), "-2000");
    periods().setCurrentText("Semi-Monthly");
    click(advanced(), "cmdPeriodOK");
    EXPECT_EQ(entry(), "-2000.00 (23.08) -23.0769");
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

// With 52000 Annually in force, a refused amount puts back 52000.00 Annually whichever way it was
// refused, and the message names the most the chosen period allows.
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
          {"1e400", "Monthly", "Enter", "76,861,433,640,456.46 (Monthly)"}}) {
        SCOPED_TRACE(std::string(typed) + " " + period + " " + refusedBy);
        prompt.forgetAsked();
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
    // OK makes My Wage the choice Start takes, even when its yearly product is beyond range.
    choose(advanced(), "optMaxWage");
    typeWage(advanced(), "100000000000000");
    periods().setCurrentText("Monthly");
    click(advanced(), "cmdPeriodOK");
    EXPECT_TRUE(control<QRadioButton>(advanced(), "optRegWage").isChecked());
}

using ModeSwitchTest = WindowFixture;

TEST_F(ModeSwitchTest, WhileRunningTheCountGoesOnInTheOtherWindowAlsoWhenItIsClosed)
{
    typeWage(simple(), "15", Qt::Key_Return);
    tick(3);
    switchMode();
    EXPECT_FALSE(simple().isVisible());
    EXPECT_TRUE(control<QCheckBox>(advanced(), "chkAdvanced").isChecked());
    EXPECT_EQ(ticking(), "advanced -");
    EXPECT_EQ(wageText(advanced()) + " " + label(advanced(), "lblCurrent"), "15.00 15.00");
    tick(2);
    EXPECT_EQ(shows(advanced()), "$0.02 (Earnmeter) | 00:00:05 | $0.02 | Pause");

    advanced().close();
    EXPECT_FALSE(advanced().isVisible() || simple().isVisible());
    tick();
    showLive();
    EXPECT_EQ(shows(advanced()), "$0.03 (Earnmeter) | 00:00:06 | $0.03 | Pause");

    switchMode();
    EXPECT_TRUE(simple().isVisible() && !advanced().isVisible());
    EXPECT_FALSE(control<QCheckBox>(simple(), "chkAdvanced").isChecked());
    tick();
    EXPECT_EQ(shows(simple()), "$0.03 (Earnmeter) | 00:00:07 | $0.03 | Pause");
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

} // namespace
