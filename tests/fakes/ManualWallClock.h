#pragma once

#include "engine/Clock.h"

#include <cstdint>

// A wall clock set by hand. Time moves only when a test moves it: forward with
// the local time following (across midnight too), or the local time alone, as
// a daylight-saving change or a move to another time zone does.
class ManualWallClock final : public Clock
{
public:
    static constexpr std::int64_t Day = 86400;

    // Local time `utcOffset` seconds ahead of UTC on `date` at hh:mm:ss.
    static ClockReading at(Date date, int hours, int minutes, int seconds, std::int64_t utcOffset = 0)
    {
        const int secondOfDay = hours * 3600 + minutes * 60 + seconds;
        return {date.dayNumber() * Day + secondOfDay - utcOffset, date, secondOfDay};
    }

    explicit ManualWallClock(ClockReading start = {}) : m_now(start) {}

    ClockReading now() const override { return m_now; }
    // Under the offset in force now.
    Date localDateAt(std::int64_t epochSeconds) const override
    {
        const std::int64_t local = epochSeconds + m_now.utcOffset();
        return Date::fromDayNumber(local / Day - (local % Day < 0 ? 1 : 0));
    }
    void set(ClockReading reading) { m_now = reading; }

    void advance(std::int64_t seconds)
    {
        m_now.epochSeconds += seconds;
        shiftLocal(seconds);
    }

    // The local time moves, the moment does not.
    void shiftLocal(std::int64_t seconds)
    {
        const std::int64_t local = m_now.localDate.dayNumber() * Day + m_now.localSecondOfDay + seconds;
        const std::int64_t days = local / Day - (local % Day < 0 ? 1 : 0);
        m_now.localDate = Date::fromDayNumber(days);
        m_now.localSecondOfDay = static_cast<int>(local - days * Day);
    }

private:
    ClockReading m_now;
};
