#include "engine/HistoryRecorder.h"

#include <algorithm>

namespace {

std::int32_t offsetOf(const ClockReading& reading)
{
    constexpr std::int64_t day = 86400;
    return static_cast<std::int32_t>(std::clamp(reading.utcOffset(), -day, day));
}

} // namespace

HistoryRecorder::HistoryRecorder(const Clock& clock, HistorySink* sink) : m_clock(clock), m_sink(sink) {}

void HistoryRecorder::counted(Currency hourlyWage, std::int64_t seconds)
{
    if (seconds <= 0)
        return;
    const ClockReading now = m_clock.now();
    if (m_open && !continues(m_open->record, now, hourlyWage))
        closeOpen();
    if (m_open)
        extend(now, seconds);
    else
        open(now, hourlyWage, seconds);

    if (!m_lastWrite)
        m_lastWrite = now.epochSeconds - seconds; // the stretch began when its first second did
    else if (writeDue(now))
        write(now.epochSeconds);
}

void HistoryRecorder::close()
{
    closeOpen();
    write(m_clock.now().epochSeconds);
    m_lastWrite.reset();
}

void HistoryRecorder::takeAway(std::int64_t from, std::int64_t to)
{
    closeOpen();
    m_lastWrite.reset();
    std::vector<Entry> kept;
    for (const Entry& entry : m_closed) {
        const std::vector<HistoryRecord> parts =
            entry.record.id == 0 ? withoutStretch(entry.record, from, to) : std::vector<HistoryRecord>{};
        if (parts.empty())
            kept.push_back(entry);
        for (const HistoryRecord& part : parts)
            if (part.seconds > 0)
                kept.push_back({part, {}});
    }
    m_closed = std::move(kept);
}

void HistoryRecorder::flush()
{
    write(m_clock.now().epochSeconds);
}

bool HistoryRecorder::continues(const HistoryRecord& record, const ClockReading& now, Currency wage) const
{
    const std::int64_t step = now.epochSeconds - record.endEpoch;
    return record.date == now.localDate && record.hourlyWage == wage && record.utcOffset == offsetOf(now) &&
           step >= 0 && step <= LongestTickGap;
}

void HistoryRecorder::open(const ClockReading& now, Currency wage, std::int64_t seconds)
{
    HistoryRecord record;
    record.date = now.localDate;
    // The counted seconds are those that just ended.
    record.startEpoch = now.epochSeconds - seconds;
    record.endEpoch = now.epochSeconds;
    record.seconds = seconds;
    record.hourlyWage = wage;
    record.earned = earnedFor(seconds, wage);
    record.utcOffset = offsetOf(now);
    m_open = Entry{record, {}};
}

void HistoryRecorder::extend(const ClockReading& now, std::int64_t seconds)
{
    HistoryRecord& record = m_open->record;
    record.endEpoch = now.epochSeconds;
    record.seconds += seconds;
    // Priced from the whole count each time, so rounding never accumulates.
    record.earned = earnedFor(record.seconds, record.hourlyWage);
}

void HistoryRecorder::closeOpen()
{
    if (m_open && m_open->unsaved())
        m_closed.push_back(*m_open);
    m_open.reset();
}

bool HistoryRecorder::writeDue(const ClockReading& now) const
{
    // A clock set back must not hold writes off until it catches up again.
    return now.epochSeconds - *m_lastWrite >= WriteInterval || now.epochSeconds < *m_lastWrite;
}

void HistoryRecorder::write(std::int64_t at)
{
    m_lastWrite = at;
    if (m_sink == nullptr)
        return;
    const bool openIncluded = m_open && m_open->unsaved();
    std::vector<HistoryRecord> records = unsavedRecords();
    if (records.empty())
        return;
    const HistoryWriteResult result = m_sink->write(records);
    if (!result.ok) {
        if (!m_failing)
            writeFailed.notify(result.reason);
        m_failing = true;
        return;
    }
    m_failing = false;
    ++m_writes;
    for (const HistoryRecord& record : records)
        m_oldestWritten = std::min(m_oldestWritten, record.date);
    markSaved(records, openIncluded);
}

std::vector<HistoryRecord> HistoryRecorder::unsavedRecords() const
{
    std::vector<HistoryRecord> records;
    for (const Entry& entry : m_closed)
        records.push_back(entry.record);
    if (m_open && m_open->unsaved())
        records.push_back(m_open->record);
    return records;
}

void HistoryRecorder::markSaved(const std::vector<HistoryRecord>& written, bool openIncluded)
{
    m_closed.clear();
    if (openIncluded) {
        // The open record comes last in what was written.
        m_open->record.id = written.back().id;
        m_open->saved = {m_open->record.seconds, m_open->record.earned};
    }
}

std::vector<DayTotal> HistoryRecorder::unsavedDayTotals() const
{
    std::vector<DayTotal> totals;
    const auto add = [&](const Entry& entry) {
        const std::int64_t seconds = entry.record.seconds - entry.saved.seconds;
        const Currency earned = Currency::fromUnits(entry.record.earned.units - entry.saved.earned.units);
        if (seconds != 0 || earned.units != 0)
            totals = mergedDayTotals(totals, {DayTotal{entry.record.date, seconds, earned}});
    };
    std::for_each(m_closed.begin(), m_closed.end(), add);
    if (m_open)
        add(*m_open);
    return totals;
}

bool HistoryRecorder::allSaved() const
{
    return m_closed.empty() && (!m_open || !m_open->unsaved());
}
