#pragma once

#include "engine/Date.h"

#include <cstdint>

// What the wall clock says at one moment: the time itself and the local date and
// time of day the user sees then, under the time zone in force at that moment.
struct ClockReading
{
    std::int64_t epochSeconds = 0; // seconds since 1970-01-01 00:00:00 UTC
    Date localDate;
    int localSecondOfDay = 0; // 0 to 86399

    // How far local time is ahead of UTC at this moment, in seconds.
    std::int64_t utcOffset() const { return localDate.dayNumber() * 86400 + localSecondOfDay - epochSeconds; }

    friend bool operator==(const ClockReading&, const ClockReading&) = default;
};

// Where the history learns the date and time. The count itself never comes from
// here: a second is counted by a tick, whatever the clock says.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual ClockReading now() const = 0;
    // The local date at another moment, under the time zone in force then.
    virtual Date localDateAt(std::int64_t epochSeconds) const = 0;
};
