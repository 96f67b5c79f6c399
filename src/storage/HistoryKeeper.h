#pragma once

#include "engine/Clock.h"
#include "engine/HistoryRecorder.h"
#include "engine/MeterStatus.h"
#include "engine/Notifier.h"
#include "storage/HistoryExport.h"
#include "storage/HistoryStore.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The history of what the user earned: the recorder the run feeds, and the
// store it writes to once that is open. Trouble with the file is told once,
// and the meter counts on without it. The window reads its figures here: what
// the store holds and what is not written yet, as one.
class HistoryKeeper final
{
public:
    using Opener = std::function<HistoryOpenResult()>;
    // Puts a notice before the user; called inside a tick, so it must not block there.
    using Teller = std::function<void(const std::string&)>;

    HistoryKeeper(const Clock& clock, Teller tell, Opener open);
    HistoryKeeper(const HistoryKeeper&) = delete;
    HistoryKeeper& operator=(const HistoryKeeper&) = delete;

    // Opened when first needed (the first counted second, or the figures asked
    // for), so that a meter left idle never loads the database; at most once.
    void open();

    void counted(Currency hourlyWage, std::int64_t seconds = 1);
    // Pause, reset, a mode switch, the end: the next second begins a new record.
    void close() { m_recorder.close(); }
    // The checkpoint: what is not written yet is written.
    void flush() { m_recorder.flush(); }

    // The seconds counted in each [from, to) come out of the history: records
    // trimmed or split there, nothing else touched. Told once when the file fails.
    void takeAway(const std::vector<std::pair<std::int64_t, std::int64_t>>& stretches);

    // Every day from `from` to `to` that has seconds, oldest first. The store is
    // asked again only after a write, for another range, or a new day.
    std::vector<DayTotal> dayTotals(Date from, Date to);
    // The same with how reading went: a history that could not be opened or read is a failure.
    HistoryRead<std::vector<DayTotal>> readDayTotals(Date from, Date to);
    // All the day totals as CSV in a file (Export CSV).
    WriteResult exportCsv(FileSystem& files, const std::string& path);
    Date today() const { return m_clock.now().localDate; }
    // What the Today row shows: the stored seconds of the local date and those
    // not written yet. The store is asked again only after a write or a new day.
    TodayFigure todayFigure();
    // Everything counted before `date` as one total: the History window's All
    // time beside the day totals it shows. The store is asked again only for
    // another date, or after a write that reached back before it.
    HistoryTotal totalBefore(Date date);
    // The last local date anything was counted on, if the history knows one.
    std::optional<Date> lastCountedDate();

    Notifier<> changed; // a second was counted: a window showing the history refreshes

private:
    void tellOnce(const std::string& text);
    void takeAwayStored(std::int64_t from, std::int64_t to);
    HistoryRead<std::vector<DayTotal>> storedDayTotals(Date from, Date to);

    const Clock& m_clock;
    Teller m_tell;
    Opener m_open;
    HistoryRecorder m_recorder;
    std::unique_ptr<HistoryStore> m_store;
    // A total the store gave for one date (today's, or all before it), as of
    // its writes() when it was asked.
    struct StoredTotal
    {
        Date date;
        std::uint64_t writes = 0;
        HistoryTotal total;
        HistoryOutcome outcome;
    };
    std::optional<StoredTotal> m_storedDay;
    std::optional<StoredTotal> m_storedBefore;
    // The store's day totals of one range, as of its writes() when it was asked:
    // a window open while the meter runs adds the unwritten seconds to them
    // rather than read the whole history again each second.
    struct StoredDays
    {
        Date from, to;
        std::uint64_t writes = 0;
        HistoryRead<std::vector<DayTotal>> read;
    };
    std::optional<StoredDays> m_storedDays;
    bool m_opened = false;
    bool m_whole = false;     // the store was opened as it was: nothing put aside, nothing missing
    HistoryOutcome m_opening; // how opening went
    bool m_told = false;
};
