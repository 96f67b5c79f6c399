#include "engine/HistoryTotals.h"

#include <limits>

std::int64_t saturatingSum(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b < 0 ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
}

HistoryTotal operator+(HistoryTotal a, HistoryTotal b)
{
    return {saturatingSum(a.seconds, b.seconds), Currency::fromUnits(saturatingSum(a.earned.units, b.earned.units))};
}

std::vector<DayTotal> mergedDayTotals(const std::vector<DayTotal>& days, const std::vector<DayTotal>& more)
{
    std::vector<DayTotal> merged;
    merged.reserve(days.size() + more.size());
    auto a = days.begin();
    auto b = more.begin();
    while (a != days.end() || b != more.end()) {
        const bool takeA = b == more.end() || (a != days.end() && a->date <= b->date);
        const DayTotal& next = takeA ? *a++ : *b++;
        if (!merged.empty() && merged.back().date == next.date) {
            const HistoryTotal sum =
                HistoryTotal{merged.back().seconds, merged.back().earned} + HistoryTotal{next.seconds, next.earned};
            merged.back().seconds = sum.seconds;
            merged.back().earned = sum.earned;
        } else {
            merged.push_back(next);
        }
    }
    return merged;
}

HistoryTotal totalWithin(const std::vector<DayTotal>& days, Date from, Date to)
{
    HistoryTotal total;
    for (const DayTotal& day : days)
        if (day.date >= from && day.date <= to)
            total = total + HistoryTotal{day.seconds, day.earned};
    return total;
}
