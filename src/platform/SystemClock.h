#pragma once

#include "engine/Clock.h"

#include <cstdint>

// The system's wall clock under the time zone in force (TZ, else /etc/localtime).
class SystemClock final : public Clock
{
public:
    ClockReading now() const override;
    Date localDateAt(std::int64_t epochSeconds) const override { return readingAt(epochSeconds).localDate; }

    // The reading at a given moment; now() is this at the current time.
    // Where the time zone cannot place the moment, the UTC date and time stand in.
    static ClockReading readingAt(std::int64_t epochSeconds);
};
