#pragma once

#include "engine/Date.h"
#include "engine/HistoryTotals.h"

#include <cstdint>
#include <string>
#include <vector>

// What the History window shows, worked out from the day totals (stored and not
// yet stored, oldest first) as of one day and with the locale's first day of
// the week.

// "1:02:03": hours as many as there are, minutes and seconds of two digits.
std::string hoursText(std::int64_t seconds);

struct PeriodTotals
{
    HistoryTotal today, week, month, year, all;

    friend bool operator==(const PeriodTotals&, const PeriodTotals&) = default;
};

PeriodTotals periodTotals(const std::vector<DayTotal>& days, Date today, Weekday firstDay);

// The chart's bars: the last 30 days, the last 12 weeks or the last 12 months,
// oldest first, the last one holding today.
enum class ChartSpan
{
    Days,
    Weeks,
    Months
};

struct ChartBar
{
    Date first; // the stretch of days the bar stands for, both included
    Date last;
    HistoryTotal total;

    friend bool operator==(const ChartBar&, const ChartBar&) = default;
};

std::vector<ChartBar> chartBars(const std::vector<DayTotal>& days, Date today, Weekday firstDay, ChartSpan span);

// The earliest day any bar of a span reaches back to, so the window asks the
// store for no more than it shows.
Date chartStart(Date today, Weekday firstDay, ChartSpan span);

// The earliest day any figure but All time reaches back to, whatever the span
// (the first of the month eleven months back): the window reads the days from
// here on, and what lies before as one total.
Date figuresStart(Date today, Weekday firstDay);
