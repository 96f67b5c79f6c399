#include "host/WageMemory.h"

#include "engine/RunTimer.h"

WageMemory::WageMemory(RunTimer& timer, StateFiles& stateFiles, const Preferences& preferences)
    : m_timer(timer), m_stateFiles(stateFiles), m_preferences(preferences)
{}

void WageMemory::restore()
{
    if (!m_preferences.rememberWage)
        return;
    const StateRead<RememberedWage> read = m_stateFiles.ReadWage();
    if (read.outcome != StateRead<RememberedWage>::Outcome::Read)
        return;
    m_timer.restoreWage(read.value);
    m_written = read.value;
}

WriteResult WageMemory::keep()
{
    const RememberedWage wage = m_timer.rememberedWage();
    if (!m_preferences.rememberWage || m_written == wage)
        return WriteResult::done();
    const WriteResult written = m_stateFiles.WriteWage(wage);
    if (written.ok)
        m_written = wage;
    return written;
}
