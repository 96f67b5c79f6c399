#pragma once

#include "engine/Currency.h"
#include "engine/RunTimer.h"

#include <cstdint>
#include <string>

// The run's figures as the world outside the windows reads them: the command
// line, panel modules and D-Bus. Taken from the run's state, never from a
// label, since a hidden window may not refresh and a paused total blinks.
struct MeterStatus
{
    Phase phase = Phase::Idle;
    std::int32_t elapsedSeconds = 0;
    Currency total; // as of the last tick, as the windows show it
    Currency hourlyWage;
    bool advanced = false;

    static MeterStatus of(const RunTimer& timer);
    friend bool operator==(const MeterStatus&, const MeterStatus&) = default;
};

// One line: "Running 01:02:03 $37.23 ($36.00/hr)".
std::string statusLine(const MeterStatus& status);

// One JSON object on one line. Besides the figures it carries the text, tooltip
// and class that panel modules read, so a panel needs no filter in between.
std::string statusJson(const MeterStatus& status);

// "Idle", "Running" or "Paused".
std::string phaseName(Phase phase);

// An amount with "." and exactly four decimals: "37.2300", "-0.5000".
std::string fourDecimals(Currency amount);
