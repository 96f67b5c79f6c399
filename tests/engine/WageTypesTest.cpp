#include "engine/WageTypes.h"

#include "RowName.h"
#include "fakes/FakePrompt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace {

class WageTypesFixture : public ::testing::Test
{
protected:
    WageTypesFixture()
    {
        state.DreamWage = Currency::FromUnits(455000);
        state.MinimumWage = Currency::FromUnits(72500);
        wageTypes.changed.subscribe([this] { ++changes; });
    }

    RunState state;
    FakePrompt prompt;
    WageTypes wageTypes{state, prompt};
    int changes = 0;
};

// --- The period conversion of a typed amount ---

struct ConversionRow
{
    std::string name;
    std::string amount;
    std::string period;
    std::int64_t rateUnits;
    std::string current;
    friend void PrintTo(const ConversionRow& row, std::ostream* os) { *os << row.name; }
};

class ConvertPeriodTest : public WageTypesFixture, public ::testing::WithParamInterface<ConversionRow>
{};

TEST_P(ConvertPeriodTest, PutsTheHourlyRateInForceAndShowsIt)
{
    const ConversionRow& row = GetParam();
    wageTypes.setPeriod(row.period);
    EXPECT_TRUE(wageTypes.ConvertPeriod(row.amount));
    EXPECT_EQ(state.HourlyWage.units, row.rateUnits);
    EXPECT_EQ(wageTypes.currentText(), row.current);
    EXPECT_EQ(wageTypes.selected(), WageType::MyWage);
    EXPECT_TRUE(prompt.asked().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertPeriodTest,
    ::testing::Values(ConversionRow{"Annually", "52000", "Annually", 250000, "25.00"},
                      ConversionRow{"AnnuallyAsTheBoxShowsIt", "52000.00", "Annually", 250000, "25.00"},
                      ConversionRow{"Weekly", "1000", "Weekly", 250000, "25.00"},
                      ConversionRow{"BiWeekly", "2000", "Bi-Weekly", 250000, "25.00"},
                      ConversionRow{"AnnuallyRounded", "50000", "Annually", 240385, "24.04"},
                      ConversionRow{"SemiMonthly", "2000", "Semi-Monthly", 230769, "23.08"},
                      ConversionRow{"Monthly", "4000", "Monthly", 230769, "23.08"},
                      ConversionRow{"Hourly", "12.5", "Hourly", 125000, "12.50"},
                      ConversionRow{"EmptyBox", "", "Hourly", 0, "0.00"},
                      ConversionRow{"Letters", "letters", "Weekly", 0, "0.00"},
                      ConversionRow{"DollarSignFirst", "$40", "Hourly", 0, "0.00"},
                      ConversionRow{"GroupingEndsTheNumber", "1,250.00", "Hourly", 10000, "1.00"},
                      ConversionRow{"BlankInsideIgnored", "1 000", "Weekly", 250000, "25.00"},
                      ConversionRow{"NegativeInParentheses", "-520", "Weekly", -130000, "(13.00)"}),
    RowName{});

// --- Amounts and products beyond the money range ---

struct RefusalRow
{
    std::string name;
    std::string amount;
    std::string period;
    friend void PrintTo(const RefusalRow& row, std::ostream* os) { *os << row.name; }
};

class ConvertPeriodRefusalTest : public WageTypesFixture, public ::testing::WithParamInterface<RefusalRow>
{};

TEST_P(ConvertPeriodRefusalTest, TellsTheUserAndKeepsTheRateInForce)
{
    wageTypes.setPeriod("Hourly");
    ASSERT_TRUE(wageTypes.ConvertPeriod("15"));
    wageTypes.setPeriod(GetParam().period);

    EXPECT_FALSE(wageTypes.ConvertPeriod(GetParam().amount));
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(150000));
    EXPECT_EQ(wageTypes.currentText(), "15.00");
    ASSERT_EQ(prompt.asked().size(), 1u);
    EXPECT_EQ(prompt.lastAsked().buttons, Message::Buttons::Ok);
}

INSTANTIATE_TEST_SUITE_P(Rows, ConvertPeriodRefusalTest,
                         ::testing::Values(RefusalRow{"BeyondDoubleRange", "1e400", "Hourly"},
                                           RefusalRow{"AmountBeyondRangeThoughItsRateWouldFit", "2e15", "Annually"},
                                           RefusalRow{"WeeklyProductBeyondRange", "200000000000000", "Weekly"},
                                           RefusalRow{"SemiMonthlyProductBeyondRange", "400000000000000",
                                                      "Semi-Monthly"},
                                           RefusalRow{"MonthlyProductBeyondRange", "-800000000000000", "Monthly"}),
                         RowName{});

// --- The reference wages ---

TEST_F(WageTypesFixture, ChoosingAReferenceWagePutsItInForceAtOnce)
{
    wageTypes.SelectDream();
    EXPECT_EQ(state.HourlyWage, state.DreamWage);
    EXPECT_EQ(wageTypes.currentText(), "45.50");
    wageTypes.SelectMinimum();
    EXPECT_EQ(state.HourlyWage, state.MinimumWage);
    EXPECT_EQ(wageTypes.currentText(), "7.25");
    EXPECT_EQ(wageTypes.selected(), WageType::Minimum);
}

TEST_F(WageTypesFixture, StartWithAReferenceWageIgnoresTheBoxAndThePeriod)
{
    wageTypes.SelectMinimum();
    wageTypes.setPeriod("Weekly");
    EXPECT_TRUE(wageTypes.ApplyAtStart("1000"));
    EXPECT_EQ(state.HourlyWage, state.MinimumWage);
}

TEST_F(WageTypesFixture, StartUsesAChangedReferenceWageWhileTheLabelKeepsTheOldOne)
{
    wageTypes.SelectDream();
    state.DreamWage = Currency::FromUnits(600000); // the options dialog saved a new rate
    EXPECT_TRUE(wageTypes.ApplyAtStart(""));
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(600000));
    EXPECT_EQ(wageTypes.currentText(), "45.50");
}

TEST_F(WageTypesFixture, StartWithMyWageRunsTheConversion)
{
    wageTypes.SelectDream();
    wageTypes.ConvertPeriod("0"); // choosing My Wage again
    wageTypes.setPeriod("Weekly");
    EXPECT_TRUE(wageTypes.ApplyAtStart("1000"));
    EXPECT_EQ(state.HourlyWage, Currency::FromUnits(250000));
    EXPECT_EQ(wageTypes.currentText(), "25.00");
}

TEST_F(WageTypesFixture, EnteringAdvancedModeStartsFromMyWageHourlyAtTheRateInForce)
{
    wageTypes.SelectDream();
    wageTypes.setPeriod("Monthly");
    state.HourlyWage = Currency::FromUnits(123456);
    wageTypes.ResetForEntry();
    EXPECT_EQ(wageTypes.selected(), WageType::MyWage);
    EXPECT_EQ(wageTypes.period(), "Hourly");
    EXPECT_EQ(wageTypes.currentText(), "12.35");
}

TEST_F(WageTypesFixture, OptionCaptionsShowTheConfiguredRates)
{
    state.DreamWage = Currency::FromUnits(12345000);
    wageTypes.ShowConfiguredRates();
    EXPECT_EQ(wageTypes.dreamCaption(), "DREAM Wage  ($1,234.50)/hr");
    EXPECT_EQ(wageTypes.minimumCaption(), "Minimum Wage  ($7.25)/hr");
}

TEST_F(WageTypesFixture, EveryChangeIsAnnouncedSoTheWindowCanRedraw)
{
    wageTypes.ConvertPeriod("1");
    wageTypes.SelectDream();
    wageTypes.SelectMinimum();
    wageTypes.ResetForEntry();
    wageTypes.ShowConfiguredRates();
    EXPECT_EQ(changes, 5);
}

} // namespace
