#include "engine/HistoryRecord.h"

#include <algorithm>
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

// The record's seconds are taken as the last ones before its end, as they were
// counted; the part before the stretch keeps the record's id, the part after
// it is new. A part left with no seconds has none: the store takes it out.
std::vector<HistoryRecord> withoutStretch(const HistoryRecord& record, std::int64_t from, std::int64_t to)
{
    const std::int64_t counting = record.endEpoch - record.seconds;
    if (to <= counting || from >= record.endEpoch || from >= to)
        return {};
    HistoryRecord before = record, after = record;
    before.endEpoch = std::max(std::min(record.endEpoch, from), record.startEpoch);
    before.seconds = std::max<std::int64_t>(0, std::min(record.endEpoch, from) - counting);
    after.id = 0;
    after.startEpoch = std::max(counting, to);
    after.seconds = std::max<std::int64_t>(0, record.endEpoch - after.startEpoch);
    std::vector<HistoryRecord> parts{before};
    if (after.seconds > 0)
        parts.push_back(after);
    for (HistoryRecord& part : parts)
        part.earned = earnedFor(part.seconds, part.hourlyWage);
    if (before.seconds == 0 && after.seconds > 0) { // the part after takes the record's place
        parts.erase(parts.begin());
        parts.front().id = record.id;
    }
    return parts;
}
