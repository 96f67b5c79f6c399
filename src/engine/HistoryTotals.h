#pragma once

#include "engine/Currency.h"
#include "engine/Date.h"

#include <cstdint>
#include <vector>

// Seconds counted and money earned over some stretch of days.
struct HistoryTotal
{
    std::int64_t seconds = 0;
    Currency earned;

    friend bool operator==(const HistoryTotal&, const HistoryTotal&) = default;
};

// The same for one local date.
struct DayTotal
{
    Date date;
    std::int64_t seconds = 0;
    Currency earned;

    friend bool operator==(const DayTotal&, const DayTotal&) = default;
};

// Sums are held at the edges of their range instead of wrapping: a day at the
// largest wage the entry accepts earns the whole Currency range on its own.
std::int64_t saturatingSum(std::int64_t a, std::int64_t b);
HistoryTotal operator+(HistoryTotal a, HistoryTotal b);

// Two lists of day totals, each oldest first, as one: days in both are added up.
// What a window shows while counting: the stored days plus those not yet written.
std::vector<DayTotal> mergedDayTotals(const std::vector<DayTotal>& days, const std::vector<DayTotal>& more);

// The total of the days from `from` to `to`, both included.
HistoryTotal totalWithin(const std::vector<DayTotal>& days, Date from, Date to);
