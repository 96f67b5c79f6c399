#pragma once

#include "engine/Currency.h"

#include <cstdint>

// The values every window, the tray and the files share. The program owns one
// and hands it to whoever needs it.
struct RunState
{
    Currency HourlyWage;
    Currency TotalEarned;
    std::int32_t ElapsedSeconds = 0;
    Currency DreamWage;
    Currency MinimumWage;
    bool AdvancedMode = false;
    bool MinimizeOnStartup = false;
    bool StartInAdvancedMode = false;
    bool SavePositionOnExit = false;
};

// The total for a whole count at a rate: the rate divided by 3600 first, then
// multiplied by the count in double precision, then rounded half to even at the
// fourth decimal. A total beyond the money range is held at its largest amount.
Currency TotalEarnedFor(Currency hourlyWage, std::int32_t elapsedSeconds);
