#pragma once

#include "storage/SqliteDatabase.h"

#include <string>

// What opening, reading or writing the history file came to. The reason names
// the file; the host decides what to tell the user.
struct HistoryOutcome
{
    enum class Status
    {
        Ok,
        Missing,    // there is no history file (or an empty one) to read
        Damaged,    // not a database, malformed, or not laid out as a history file
        Locked,     // another program holds the file
        Unreadable, // it cannot be opened or read: permissions, a folder, an I/O error
        Newer,      // written by a newer Earnmeter in a layout this one does not know; left untouched
        Unwritable, // a write failed: the disk is full, the file is read-only, an I/O error
    };

    Status status = Status::Ok;
    std::string reason;

    bool ok() const { return status == Status::Ok; }
    static HistoryOutcome fine() { return {}; }
};

// A value read from the history file, with how the reading went.
template <typename Value> struct HistoryRead
{
    Value value{};
    HistoryOutcome outcome;
};

// The outcome of a failed SQLite call on the file at `path`, worded for the user.
HistoryOutcome historyFailure(const SqliteError& error, const std::string& path, bool writing);
// The outcome for a file at `path` found damaged, and why.
HistoryOutcome historyDamaged(const std::string& path, const std::string& why);
