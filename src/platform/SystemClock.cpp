#include "platform/SystemClock.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace {

ClockReading utcReading(std::int64_t epochSeconds)
{
    constexpr std::int64_t day = 86400;
    const std::int64_t days = epochSeconds / day - (epochSeconds % day < 0 ? 1 : 0);
    return {epochSeconds, Date::fromDayNumber(days), static_cast<int>(epochSeconds - days * day)};
}

} // namespace

ClockReading SystemClock::now() const
{
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return readingAt(std::chrono::duration_cast<std::chrono::seconds>(since).count());
}

ClockReading SystemClock::readingAt(std::int64_t epochSeconds)
{
    // localtime_r need not look at the zone again; tzset() does, so a zone the
    // user changes while the program runs is the one the next reading uses.
    ::tzset();
    const auto moment = static_cast<std::time_t>(epochSeconds);
    std::tm local{};
    if (::localtime_r(&moment, &local) == nullptr)
        return utcReading(epochSeconds);
    const std::optional<Date> date = Date::fromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    if (!date)
        return utcReading(epochSeconds);
    // A leap second (tm_sec 60) counts as the last second of its minute.
    const int second = local.tm_hour * 3600 + local.tm_min * 60 + std::min(local.tm_sec, 59);
    return {epochSeconds, *date, second};
}
