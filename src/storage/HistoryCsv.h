#pragma once

#include "engine/HistoryTotals.h"

#include <string>
#include <vector>

// The day totals as a spreadsheet reads them: the header "date,seconds,hours,earned",
// then one line per day, in the order given (oldest first), each ended by LF:
// "2026-03-29,5400,1.5000,18.75". Hours have four decimals and earned two, each
// rounded half away from zero from the exact value; "." whatever the locale.
std::string historyCsv(const std::vector<DayTotal>& days);
