#include "engine/HistoryRecord.h"

#include <limits>

namespace {

using Wide = unsigned __int128;

Wide magnitude(std::int64_t value)
{
    const auto bits = static_cast<std::uint64_t>(value);
    return value < 0 ? Wide(0 - bits) : Wide(bits);
}

} // namespace

Currency earnedFor(std::int64_t seconds, Currency hourlyWage)
{
    // Unsigned 128-bit magnitudes: the product of two 64-bit values always fits.
    const bool negative = (seconds < 0) != (hourlyWage.units < 0);
    const Wide product = magnitude(seconds) * magnitude(hourlyWage.units);
    Wide units = product / 3600;
    const Wide rest = product % 3600;
    if (rest > 1800 || (rest == 1800 && units % 2 == 1))
        ++units;
    const Wide limit = negative ? Wide(1) << 63 : Wide(std::numeric_limits<std::int64_t>::max());
    if (units >= limit)
        return negative ? Currency::min() : Currency::max();
    const auto value = static_cast<std::int64_t>(units);
    return Currency::fromUnits(negative ? -value : value);
}
