#pragma once

#include "engine/Clock.h"
#include "engine/Currency.h"
#include "engine/HistoryRecord.h"
#include "engine/HistorySink.h"
#include "engine/HistoryTotals.h"
#include "engine/Notifier.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Turns the seconds a run counts into history records: one record per stretch
// of counting at one wage on one local date. A new record begins when the date,
// the wage or the UTC offset changes, when the clock went back or leapt ahead
// between two counted seconds, and after close().
//
// Records reach the store at close(), at flush() and, while counting, at the
// first counted second a minute or more after the last write (or after the
// stretch began), so a power cut
// loses at most a minute and a run does not wake the disk every second. A
// failed write keeps everything in memory for the next one.
class HistoryRecorder final
{
public:
    // Seconds between two writes while counting.
    static constexpr std::int64_t WriteInterval = 60;
    // A counted second further than this from the one before is a new stretch:
    // the machine was suspended or the clock was set forward in between.
    static constexpr std::int64_t LongestTickGap = 60;

    // The sink may be null until the store is open (see attach()).
    HistoryRecorder(const Clock& clock, HistorySink* sink);
    HistoryRecorder(const HistoryRecorder&) = delete;
    HistoryRecorder& operator=(const HistoryRecorder&) = delete;

    // Where records go from now on; null keeps them in memory (no store this run).
    void attach(HistorySink* sink) { m_sink = sink; }

    // Seconds the run counted up to now, at the wage in force for them: one, or
    // more after a late tick.
    void counted(Currency hourlyWage, std::int64_t seconds = 1);
    // The run paused, was reset or changed windows, or the program is ending:
    // the next counted second opens a new record. Writes what is not stored.
    void close();
    // Writes what is not stored; the open record stays open (checkpoint, exit).
    void flush();

    // Time away taken out: the open record closes, and what was never stored
    // loses the seconds counted in [from, to). The store's part is the keeper's.
    void takeAway(std::int64_t from, std::int64_t to);

    // Counted but not yet stored, per local date, oldest first.
    std::vector<DayTotal> unsavedDayTotals() const;
    bool allSaved() const;
    // How many writes have reached the store: what it holds changes with each.
    std::uint64_t writes() const { return m_writes; }
    // The earliest date any write of this run carried: for every date earlier
    // than this the store holds what it held before, but for time taken away,
    // which the keeper writes itself.
    Date oldestWritten() const { return m_oldestWritten; }

    // A write failed after the last one succeeded; told once until one succeeds.
    Notifier<std::string> writeFailed;

private:
    // A record with what of it the store already holds.
    struct Entry
    {
        HistoryRecord record;
        HistoryTotal saved;
        bool unsaved() const { return saved != HistoryTotal{record.seconds, record.earned}; }
    };

    bool continues(const HistoryRecord& record, const ClockReading& now, Currency wage) const;
    void open(const ClockReading& now, Currency wage, std::int64_t seconds);
    void extend(const ClockReading& now, std::int64_t seconds);
    void closeOpen();
    bool writeDue(const ClockReading& now) const;
    void write(std::int64_t at);
    std::vector<HistoryRecord> unsavedRecords() const;
    void markSaved(const std::vector<HistoryRecord>& written, bool openIncluded);

    const Clock& m_clock;
    HistorySink* m_sink;
    std::vector<Entry> m_closed; // closed, with changes not yet stored
    std::optional<Entry> m_open;
    std::optional<std::int64_t> m_lastWrite; // unset until this stretch counts its first second
    bool m_failing = false;
    std::uint64_t m_writes = 0;
    Date m_oldestWritten = Date::last();
};
