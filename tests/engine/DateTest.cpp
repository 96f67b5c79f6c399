#include "engine/Date.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

Date D(const char* text)
{
    return Date::parse(text).value();
}

TEST(Date, ParsesOnlyWholeDatesThatExist)
{
    for (const char* text : {"2026-03-29", "2024-02-29", "2000-02-29", "0001-01-01", "9999-12-31"})
        EXPECT_EQ(Date::parse(text).value_or(Date()).text(), text);
    for (const char* text : {"2026-02-30", "2023-02-29", "1900-02-29", "2026-04-31", "2026-13-01", "2026-00-10",
                             "2026-01-00", "0000-01-01", "2026-2-3", "2026-02-03 ", " 2026-02-03", "2026-02-031",
                             "2026/02/03", "20260203", "+026-02-03", "2026-02-0x", ""})
        EXPECT_FALSE(Date::parse(text)) << '"' << text << '"';
}

TEST(Date, CountsDaysFrom1970AndBack)
{
    const std::pair<const char*, std::int64_t> rows[] = {{"1970-01-01", 0},       {"1969-12-31", -1},
                                                         {"2000-03-01", 11017},   {"2026-03-29", 20541},
                                                         {"0001-01-01", -719162}, {"9999-12-31", 2932896}};
    for (const auto& [text, days] : rows) {
        EXPECT_EQ(D(text).dayNumber(), days) << text;
        EXPECT_EQ(Date::fromDayNumber(days), D(text)) << text;
    }
    EXPECT_EQ(Date(), D("1970-01-01"));
    EXPECT_EQ(Date::fromDayNumber(-800000), Date::first());
    EXPECT_EQ(Date::fromDayNumber(INT64_MAX), Date::last());
}

TEST(Date, StepsAcrossMonthsLeapDaysAndYearsAndStopsAtTheEnds)
{
    EXPECT_EQ(D("2026-01-31").addDays(1), D("2026-02-01"));
    EXPECT_EQ(D("2024-02-28").addDays(1), D("2024-02-29"));
    EXPECT_EQ(D("2023-02-28").addDays(1), D("2023-03-01"));
    EXPECT_EQ(D("2026-12-31").addDays(1), D("2027-01-01"));
    EXPECT_EQ(D("2026-03-01").addDays(-1), D("2026-02-28"));
    EXPECT_EQ(D("2026-03-29").addDays(-365), D("2025-03-29"));
    EXPECT_EQ(D("9999-12-30").addDays(INT64_MAX), Date::last());
    EXPECT_EQ(D("0001-01-02").addDays(INT64_MIN), Date::first());
}

TEST(Date, KnowsTheWeekdayAndTheStartOfItsWeekMonthAndYear)
{
    EXPECT_EQ(D("1970-01-01").weekday(), Weekday::Thursday);
    EXPECT_EQ(D("2000-02-29").weekday(), Weekday::Tuesday);
    EXPECT_EQ(D("2026-03-29").weekday(), Weekday::Sunday);
    // A Sunday under a Monday, Sunday and Saturday week; a Thursday whose week began last year.
    EXPECT_EQ(D("2026-03-29").startOfWeek(Weekday::Monday), D("2026-03-23"));
    EXPECT_EQ(D("2026-03-29").startOfWeek(Weekday::Sunday), D("2026-03-29"));
    EXPECT_EQ(D("2026-03-29").startOfWeek(Weekday::Saturday), D("2026-03-28"));
    EXPECT_EQ(D("2026-01-01").startOfWeek(Weekday::Monday), D("2025-12-29"));
    EXPECT_EQ(D("0001-01-01").startOfWeek(Weekday::Sunday), Date::first());
    EXPECT_EQ(D("2024-02-29").startOfMonth(), D("2024-02-01"));
    EXPECT_EQ(D("2024-02-29").startOfYear(), D("2024-01-01"));
}

TEST(Date, SortsAsItsTextDoes)
{
    std::vector<std::string> texts = {"2026-03-29", "2025-12-31", "2026-04-01", "2026-03-30", "0999-01-01"};
    std::vector<Date> dates;
    for (const std::string& text : texts)
        dates.push_back(D(text.c_str()));
    std::sort(texts.begin(), texts.end());
    std::sort(dates.begin(), dates.end());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(dates[i].text(), texts[i]);
    EXPECT_EQ(Date::fromCivil(2026, 3, 29), D("2026-03-29"));
    EXPECT_FALSE(Date::fromCivil(2026, 2, 29));
    EXPECT_FALSE(Date::fromCivil(10000, 1, 1));
}

} // namespace
