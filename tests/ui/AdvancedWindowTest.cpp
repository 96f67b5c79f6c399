#include "WindowFixture.h"

#include <QComboBox>

namespace {

class AdvancedWindowTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        state().DreamWage = CurrencyFromText("45.5").value;
        state().MinimumWage = CurrencyFromText("7.25").value;
        switchMode();
    }

    QWidget& window() { return advancedWindow(); }
    QComboBox& periods() { return control<QComboBox>(window(), "cboPeriod"); }

    // From the wage box the user tabs into the list and types the entry's name.
    void pickPeriod(const char* period)
    {
        QTest::mouseClick(&wageBox(window()), Qt::LeftButton);
        press(window(), Qt::Key_Tab);
        ASSERT_TRUE(periods().hasFocus());
        QTest::keyClicks(&periods(), period);
        ASSERT_EQ(periods().currentText().toStdString(), period);
    }
};

struct PeriodRow
{
    const char* name;
    const char* amount;
    const char* period;
    const char* entry;
    const char* current;
    const char* rate;
};

class PeriodConversion : public AdvancedWindowTest, public ::testing::WithParamInterface<PeriodRow>
{};

TEST_P(PeriodConversion, OkShowsTheHourlyRateAndKeepsTheAmountPerPeriod)
{
    typeWage(window(), GetParam().amount);
    pickPeriod(GetParam().period);
    click(window(), "cmdPeriodOK");
    EXPECT_EQ(label(window(), "lblCurrent"), GetParam().current);
    EXPECT_EQ(wageText(window()), GetParam().entry);
    EXPECT_EQ(hourlyWage(), GetParam().rate);
}

INSTANTIATE_TEST_SUITE_P(
    AdvancedWindow, PeriodConversion,
    ::testing::Values(PeriodRow{"AnnualPay", "52000", "Annually", "52000.00", "25.00", "25"},
                      PeriodRow{"SemiMonthlyPay", "2000", "Semi-Monthly", "2000.00", "23.08", "23.0769"},
                      PeriodRow{"NegativeWeeklyPayInParentheses", "-520", "Weekly", "-520.00", "(13.00)", "-13"},
                      PeriodRow{"BlankInsideTheNumber", "1 000", "Weekly", "1000.00", "25.00", "25"},
                      PeriodRow{"LettersReadAsZero", "abc", "Bi-Weekly", "0.00", "0.00", "0"}),
    RowName());

TEST_F(AdvancedWindowTest, ReferenceWagesTakeEffectAtOnceWithoutTouchingBoxOrPeriod)
{
    typeWage(window(), "52000");
    pickPeriod("Annually");
    choose(window(), "optMaxWage");
    EXPECT_EQ(hourlyWage(), "45.5");
    EXPECT_EQ(label(window(), "lblCurrent"), "45.50");
    choose(window(), "optMinWage");
    EXPECT_EQ(hourlyWage(), "7.25");
    EXPECT_EQ(label(window(), "lblCurrent"), "7.25");
    EXPECT_EQ(wageText(window()), "52000.00");
    EXPECT_EQ(periods().currentText().toStdString(), "Annually");
    EXPECT_FALSE(advancedTick.enabled());

    click(window(), "cmdStart");
    EXPECT_EQ(hourlyWage(), "7.25") << "Start with the minimum wage ignores the box and the period";
    EXPECT_TRUE(advancedTick.enabled());
}

TEST_F(AdvancedWindowTest, EnterInWageBoxPressesStartWithThePeriodConversion)
{
    pickPeriod("Weekly");
    typeWage(window(), "1000");
    press(window(), Qt::Key_Return);
    EXPECT_TRUE(wageBox(window()).hasFocus()) << "Enter pressed Start, not OK";
    EXPECT_EQ(wageText(window()), "1000.00");
    EXPECT_EQ(label(window(), "lblCurrent"), "25.00");
    EXPECT_EQ(hourlyWage(), "25");
    EXPECT_TRUE(advancedTick.enabled());
    EXPECT_FALSE(enabled(window(), "cmdStart"));
    EXPECT_TRUE(enabled(window(), "cmdPause"));
}

TEST_F(AdvancedWindowTest, PauseHereCaptionsBothWindowsTheOtherWayRound)
{
    typeWage(window(), "15");
    click(window(), "cmdStart");
    EXPECT_EQ(caption(mainWindow()), "Earnmeter");
    tick(10);
    EXPECT_EQ(caption(window()), "$0.04 (Earnmeter)");
    click(window(), "cmdPause");
    EXPECT_EQ(caption(window()), "Earnmeter (PAUSED)");
    EXPECT_EQ(caption(mainWindow()), "Earnmeter (PAUSED)");
    EXPECT_TRUE(struckThrough(window()));
    EXPECT_TRUE(struckThrough(mainWindow()));
    tick();
    EXPECT_EQ(label(window(), "lblTotal"), "");
    EXPECT_EQ(label(mainWindow(), "lblTotal"), "");
}

} // namespace
