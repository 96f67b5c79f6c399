#pragma once

#include "engine/Clock.h"

#include <string>

// Where a damaged file was put, or why it could not be.
struct AsideResult
{
    bool ok = false;
    std::string path; // the damaged file's new name
    std::string reason;
};

// Keeps a damaged database by renaming it to "<name>.damaged-YYYYMMDD-HHMMSS"
// (the local time of `when`) with its companions: the write-ahead log (-wal),
// its index (-shm) and a rollback journal (-journal) keep their suffixes after
// the new name, so the set still opens together. An existing name is never
// replaced: "-2", "-3"... follow the time until a free one is found. Nothing is
// deleted. On a failure some files may already have moved; the caller must then
// not start a new database in their place, lest a stale log be replayed into it.
AsideResult putDamagedFileAside(const std::string& path, const ClockReading& when);
