#pragma once

#include "engine/Date.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// A time of day to the minute, as the working day's preferences give it.
struct ClockTime
{
    int minutes = 0; // since midnight, 0 to 1439

    int seconds() const { return minutes * 60; }
    // "09:00".
    std::string text() const;
    // "9:00" or "09:00", hours 0 to 23 and two digits of minutes; nothing otherwise.
    static std::optional<ClockTime> parse(std::string_view text);

    friend constexpr auto operator<=>(ClockTime, ClockTime) = default;
};

struct TimeSpan
{
    ClockTime from, to;

    friend constexpr bool operator==(TimeSpan, TimeSpan) = default;
};

// The user's working day: on which days, from when to when, with which break,
// and whether the meter starts and pauses at its edges by itself. Without a
// start and an end there is no working day, and nothing of it happens.
struct WorkingDay
{
    std::array<bool, 7> workdays{true, true, true, true, true, false, false}; // Monday first
    std::optional<ClockTime> start, end;
    std::optional<TimeSpan> lunch;
    bool autoStart = false;
    bool autoPause = false;

    bool isSet() const { return start && end; }
    bool isWorkday(Weekday day) const { return workdays[static_cast<std::size_t>(day) - 1]; }
    // What makes the day impossible (an end before its start, a break outside
    // it), naming the preference at fault; nothing for a day that holds.
    struct Problem
    {
        std::string key, why;
        std::string value = {}; // what the %1 of `why` stands for, if it has one
    };
    std::optional<Problem> problem() const;

    friend bool operator==(const WorkingDay&, const WorkingDay&) = default;
};

// "Mon", "Tue" ... "Sun", as the preferences file writes the days.
std::string_view weekdayName(Weekday day);
