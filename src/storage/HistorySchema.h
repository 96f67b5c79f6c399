#pragma once

#include "storage/SqliteDatabase.h"

#include <cstdint>

// The history file's layouts, numbered in PRAGMA user_version.
//   1  records(id, date, start_epoch, end_epoch, seconds, hourly_wage, earned)
//   2  adds utc_offset, so a record's local times stay as they were counted after
//      a move to another time zone, and an index on date for the day totals.
// Dates are YYYY-MM-DD text, money whole ten-thousandths of a dollar.
namespace HistorySchema {

constexpr std::int64_t Current = 2;

// Lays out an empty database in the current layout, or brings a file of an older
// layout up to it; each in one transaction, so a failure leaves the file as it was.
// Returns an SQLite result code.
int createOrUpgrade(SqliteDatabase& database, std::int64_t version);

// Whether the file holds anything at all (a database SQLite just created holds nothing).
int isEmpty(SqliteDatabase& database, bool& empty);

} // namespace HistorySchema
