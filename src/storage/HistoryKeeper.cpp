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
    m_recorder.attach(m_store.get());
    if (!opened.outcome.ok())
        tellOnce(m_store ? opened.outcome.reason
                         : opened.outcome.reason + " Earnmeter goes on counting without a history for this run.");
}

void HistoryKeeper::counted(Currency hourlyWage)
{
    open();
    m_recorder.counted(hourlyWage);
    changed.notify();
}

std::vector<DayTotal> HistoryKeeper::dayTotals(Date from, Date to)
{
    open();
    std::vector<DayTotal> stored;
    if (m_store) {
        HistoryRead<std::vector<DayTotal>> read = m_store->dayTotals(from, to);
        if (read.outcome.ok())
            stored = std::move(read.value);
        else
            tellOnce(read.outcome.reason);
    }
    std::vector<DayTotal> unsaved;
    for (const DayTotal& day : m_recorder.unsavedDayTotals())
        if (day.date >= from && day.date <= to)
            unsaved.push_back(day);
    return mergedDayTotals(stored, unsaved);
}

// Whatever goes wrong with the file, one box is enough for a run.
void HistoryKeeper::tellOnce(const std::string& text)
{
    if (!std::exchange(m_told, true))
        m_tell(text);
}
