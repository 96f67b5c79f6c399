#pragma once

#include "engine/HistoryRecord.h"

#include <span>
#include <string>

// Whether records reached the store, and if not, why (naming the file).
struct HistoryWriteResult
{
    bool ok = true;
    std::string reason;
};

// Where the recorder hands its records: the history file, or a stand-in in tests.
class HistorySink
{
public:
    virtual ~HistorySink() = default;

    // Stores every record in one step, all or none. Each record with id 0 is
    // added and gets its new id; one with an id replaces the stored one, and one
    // with an id and no seconds is taken out. On a
    // failure the records, ids included, are left exactly as they were given.
    virtual HistoryWriteResult write(std::span<HistoryRecord> records) = 0;
};
