#pragma once

#include "engine/Clock.h"
#include "engine/Date.h"
#include "storage/HistoryExport.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>

// The command line's view of the history: the day totals of History.sqlite as
// CSV, read without touching the file, whether or not the program is running.


// The range from the texts of --from and --to, or what is wrong with them.
std::variant<HistoryRange, std::string> historyRange(const std::optional<std::string>& from,
                                                     const std::optional<std::string>& to);

// Writes the CSV to `out` and returns 0; with no history yet, the header alone.
// A file that cannot be read is told on `err`, with its path, and gives 1.
int printHistory(const std::string& historyPath, const HistoryRange& range, const Clock& clock, std::ostream& out,
                 std::ostream& err);
