#include "storage/HistoryKeeper.h"

#include <utility>

HistoryKeeper::HistoryKeeper(const Clock& clock, Teller tell, Opener open)
    : m_clock(clock), m_tell(std::move(tell)), m_open(std::move(open)), m_recorder(clock, nullptr)
{
    m_recorder.writeFailed.subscribe([this](const std::string& reason) {
        tellOnce(reason + " Earnmeter goes on counting; the history is kept in memory and written once it can be.");
    });
}

void HistoryKeeper::open()
{
    if (std::exchange(m_opened, true))
        return;
    HistoryOpenResult opened = m_open();
    m_store = std::move(opened.store);
    m_whole = m_store && opened.outcome.ok();
    m_opening = opened.outcome;
    m_recorder.attach(m_store.get());
    if (!opened.outcome.ok())
        tellOnce(m_store ? opened.outcome.reason
                         : opened.outcome.reason + " Earnmeter goes on counting without a history for this run.");
}

void HistoryKeeper::counted(Currency hourlyWage, std::int64_t seconds)
{
    open();
    m_recorder.counted(hourlyWage, seconds);
    changed.notify();
}

void HistoryKeeper::takeAway(const std::vector<std::pair<std::int64_t, std::int64_t>>& stretches)
{
    open();
    // Written first, so what the store holds is the whole count up to now.
    m_recorder.close();
    for (const auto& [from, to] : stretches) {
        m_recorder.takeAway(from, to);
        takeAwayStored(from, to);
    }
    m_storedDay.reset();
    m_storedBefore.reset();
    m_storedDays.reset();
    changed.notify();
}

void HistoryKeeper::takeAwayStored(std::int64_t from, std::int64_t to)
{
    if (!m_store)
        return;
    // A day on either side: a record's date is local, the stretch is UTC.
    const Date first = m_clock.localDateAt(from).addDays(-1), last = m_clock.localDateAt(to).addDays(1);
    HistoryRead<std::vector<HistoryRecord>> read = m_store->records(first, last);
    std::vector<HistoryRecord> changedRecords;
    for (const HistoryRecord& record : read.value)
        for (const HistoryRecord& part : withoutStretch(record, from, to))
            changedRecords.push_back(part);
    HistoryWriteResult written;
    if (read.outcome.ok() && !changedRecords.empty())
        written = m_store->write(changedRecords);
    if (!read.outcome.ok() || !written.ok)
        tellOnce(read.outcome.ok() ? written.reason : read.outcome.reason);
}

std::vector<DayTotal> HistoryKeeper::dayTotals(Date from, Date to)
{
    HistoryRead<std::vector<DayTotal>> read = readDayTotals(from, to);
    if (!read.outcome.ok() && m_store)
        tellOnce(read.outcome.reason);
    return std::move(read.value);
}

HistoryRead<std::vector<DayTotal>> HistoryKeeper::storedDayTotals(Date from, Date to)
{
    const bool asked = m_storedDays && m_storedDays->from == from && m_storedDays->to == to &&
                       m_storedDays->writes == m_recorder.writes() && m_storedDays->read.outcome.ok();
    if (!asked)
        m_storedDays = StoredDays{from, to, m_recorder.writes(), m_store->dayTotals(from, to)};
    return m_storedDays->read;
}

HistoryRead<std::vector<DayTotal>> HistoryKeeper::readDayTotals(Date from, Date to)
{
    open();
    HistoryRead<std::vector<DayTotal>> read;
    if (m_store)
        read = storedDayTotals(from, to);
    else
        read.outcome = m_opening.ok() ? HistoryOutcome{HistoryOutcome::Status::Missing, "No history"} : m_opening;
    std::vector<DayTotal> unsaved;
    for (const DayTotal& day : m_recorder.unsavedDayTotals())
        if (day.date >= from && day.date <= to)
            unsaved.push_back(day);
    read.value = mergedDayTotals(read.outcome.ok() ? read.value : std::vector<DayTotal>{}, unsaved);
    return read;
}

WriteResult HistoryKeeper::exportCsv(FileSystem& files, const std::string& path)
{
    return exportHistoryTo(files, path, [this](Date from, Date to) { return readDayTotals(from, to); });
}

TodayFigure HistoryKeeper::todayFigure()
{
    open();
    const Date date = today();
    if (m_store && (!m_storedDay || m_storedDay->date != date || m_storedDay->writes != m_recorder.writes())) {
        HistoryRead<HistoryTotal> read = m_store->total(date, date);
        m_storedDay = StoredTotal{date, m_recorder.writes(), read.value, read.outcome};
    }
    // A history started afresh beside a damaged one lacks what that one held.
    const bool stored = m_store && m_storedDay->outcome.ok();
    TodayFigure figure;
    figure.complete = m_whole && stored;
    if (stored)
        figure.total = m_storedDay->total;
    figure.total = figure.total + totalWithin(m_recorder.unsavedDayTotals(), date, date);
    return figure;
}

HistoryTotal HistoryKeeper::totalBefore(Date date)
{
    open();
    if (date <= Date::first())
        return {};
    const Date last = date.addDays(-1);
    const bool kept = m_storedBefore && m_storedBefore->date == date && m_storedBefore->outcome.ok() &&
                      (m_storedBefore->writes == m_recorder.writes() || m_recorder.oldestWritten() >= date);
    if (m_store && !kept) {
        // Day by day, as the export reads them, so that a damaged date is told here too.
        HistoryRead<std::vector<DayTotal>> read = m_store->dayTotals(Date::first(), last);
        m_storedBefore =
            StoredTotal{date, m_recorder.writes(), totalWithin(read.value, Date::first(), last), read.outcome};
        if (!read.outcome.ok())
            tellOnce(read.outcome.reason);
    }
    const bool stored = m_store && m_storedBefore->outcome.ok();
    const HistoryTotal unsaved = totalWithin(m_recorder.unsavedDayTotals(), Date::first(), last);
    return stored ? m_storedBefore->total + unsaved : unsaved;
}

std::optional<Date> HistoryKeeper::lastCountedDate()
{
    open();
    std::optional<Date> last;
    if (m_store)
        if (HistoryRead<std::optional<Date>> read = m_store->lastDate(); read.outcome.ok())
            last = read.value;
    for (const DayTotal& day : m_recorder.unsavedDayTotals())
        last = std::max(last.value_or(day.date), day.date);
    return last;
}

// Whatever goes wrong with the file, one box is enough for a run.
void HistoryKeeper::tellOnce(const std::string& text)
{
    if (!std::exchange(m_told, true))
        m_tell(text);
}
