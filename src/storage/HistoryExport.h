#pragma once

#include "engine/Date.h"
#include "engine/HistoryTotals.h"
#include "storage/FileSystem.h"
#include "storage/HistoryOutcome.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The days asked for, both included; an unset end reaches as far as there are days.
struct HistoryRange
{
    std::optional<Date> from, to;
};

// Where day totals come from: the file alone (the command line) or the file and
// what the running meter has not written yet (the History window).
using DayTotalsReader = std::function<HistoryRead<std::vector<DayTotal>>(Date from, Date to)>;

// The day totals within the range as CSV, one line a day that has work in it:
// what --history prints and the History window exports, made in one place.
HistoryRead<std::string> historyExport(const DayTotalsReader& read, const HistoryRange& range);

// The same written to a file, replaced in one step; a failure names the file.
WriteResult exportHistoryTo(FileSystem& files, const std::string& path, const DayTotalsReader& read);
