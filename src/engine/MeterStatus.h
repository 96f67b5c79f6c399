#pragma once

#include "engine/Currency.h"
#include "engine/HistoryTotals.h"
#include "engine/RunTimer.h"

#include <cstdint>
#include <optional>
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

// What today earned: the history's seconds of the local date, each priced at
// the wage it was counted at, and the stretch now counting. Without the history
// (none, or one that cannot be read) it is what this run counted alone.
struct TodayFigure
{
    HistoryTotal total;
    bool complete = true;

    friend bool operator==(const TodayFigure&, const TodayFigure&) = default;
};

// "Today $253.18 in 6:02:11", or "Today (without the history) $12.00 in 0:20:00";
// `money` is the amount as the caller words money.
std::string todayText(const TodayFigure& today, const std::string& money);

// One line: "Running 01:02:03 $37.23 ($36.00/hr)", and with today's figure
// ", today $253.18 in 6:02:11" after it.
std::string statusLine(const MeterStatus& status, const std::optional<TodayFigure>& today = {});

// One JSON object on one line. Besides the figures it carries the text, tooltip
// and class that panel modules read, so a panel needs no filter in between;
// with today's figure also today, todaySeconds, todayText and todayComplete.
std::string statusJson(const MeterStatus& status, const std::optional<TodayFigure>& today = {});

// "Idle", "Running" or "Paused".
std::string phaseName(Phase phase);

// An amount with "." and exactly four decimals: "37.2300", "-0.5000".
std::string fourDecimals(Currency amount);
