#pragma once

#include "engine/Currency.h"
#include "engine/HistoryTotals.h"
#include "engine/Money.h"
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

// The day as the status tells it: today's figure and, where the preferences set
// them, the time left of the working day and the daily goal.
struct DayFigures
{
    TodayFigure today;
    std::optional<std::int64_t> endsIn; // seconds, while the meter runs within the working day
    std::optional<Currency> goal;
    std::optional<bool> away; // whether the user is away while the meter counts; unset when nothing watches

    friend bool operator==(const DayFigures&, const DayFigures&) = default;
};

// "Today $253.18 in 6:02:11", or "Today (without the history) $12.00 in 0:20:00";
// `money` is the amount as the caller words money.
std::string todayText(const TodayFigure& today, const std::string& money);

// What follows today's figure: "ends in 1:23:00", "62 % of today's goal $240.00",
// joined by ", "; empty when neither is set. `goal` is the goal as the caller words money.
std::string dayProgressText(const DayFigures& day, const std::string& goal);

// How much of the goal today has earned, in whole per cent, never below 0.
int goalPercent(Currency earned, Currency goal);

// One line: "Running 01:02:03 $37.23 ($36.00/hr)", and with the day's figures
// ", today $253.18 in 6:02:11, ends in 1:23:00, 62 % of today's goal $240.00" after it;
// the amounts as `money` writes them.
std::string statusLine(const MeterStatus& status, const std::optional<DayFigures>& day = {},
                       const MoneyFormat& money = dollarMoney());

// One JSON object on one line. Besides the figures it carries the text, tooltip
// and class that panel modules read, so a panel needs no filter in between;
// with the day's figures also today, todaySeconds, todayText and todayComplete,
// and dayEndsIn, goal and goalPercent where they are set. Only the texts follow
// `money`: the amounts themselves are always "." and four decimals.
std::string statusJson(const MeterStatus& status, const std::optional<DayFigures>& day = {},
                       const MoneyFormat& money = dollarMoney());

// "Idle", "Running" or "Paused".
std::string phaseName(Phase phase);

// An amount with "." and exactly four decimals: "37.2300", "-0.5000".
std::string fourDecimals(Currency amount);
