#include "engine/HistoryFigures.h"

#include <algorithm>

namespace {

constexpr int DayBars = 30;
constexpr int WeekBars = 12;
constexpr int MonthBars = 12;

Date previousMonth(Date monthStart)
{
    return monthStart.addDays(-1).startOfMonth();
}

// The first day of the bar `back` bars before the one holding today.
Date barStart(Date today, Weekday firstDay, ChartSpan span, int back)
{
    switch (span) {
    case ChartSpan::Days:
        return today.addDays(-back);
    case ChartSpan::Weeks:
        return today.startOfWeek(firstDay).addDays(-7 * back);
    case ChartSpan::Months: {
        Date month = today.startOfMonth();
        for (int i = 0; i < back; ++i)
            month = previousMonth(month);
        return month;
    }
    }
    return today;
}

int barCount(ChartSpan span)
{
    return span == ChartSpan::Days ? DayBars : span == ChartSpan::Weeks ? WeekBars : MonthBars;
}

} // namespace

std::string hoursText(std::int64_t seconds)
{
    const auto two = [](std::int64_t n) {
        return (n < 10 ? "0" : "") + std::to_string(n);
    };
    return std::to_string(seconds / 3600) + ":" + two(seconds % 3600 / 60) + ":" + two(seconds % 60);
}

PeriodTotals periodTotals(const std::vector<DayTotal>& days, Date today, Weekday firstDay)
{
    return {totalWithin(days, today, today), totalWithin(days, today.startOfWeek(firstDay), today),
            totalWithin(days, today.startOfMonth(), today), totalWithin(days, today.startOfYear(), today),
            totalWithin(days, Date::first(), Date::last())};
}

Date chartStart(Date today, Weekday firstDay, ChartSpan span)
{
    return barStart(today, firstDay, span, barCount(span) - 1);
}

Date figuresStart(Date today, Weekday firstDay)
{
    Date start = std::min(today.startOfYear(), today.startOfWeek(firstDay));
    for (ChartSpan span : {ChartSpan::Days, ChartSpan::Weeks, ChartSpan::Months})
        start = std::min(start, chartStart(today, firstDay, span));
    return start;
}

std::vector<ChartBar> chartBars(const std::vector<DayTotal>& days, Date today, Weekday firstDay, ChartSpan span)
{
    std::vector<ChartBar> bars;
    for (int back = barCount(span) - 1; back >= 0; --back) {
        const Date first = barStart(today, firstDay, span, back);
        const Date last = back == 0 ? today : barStart(today, firstDay, span, back - 1).addDays(-1);
        bars.push_back({first, last, totalWithin(days, first, last)});
    }
    return bars;
}
