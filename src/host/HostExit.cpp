#include "host/Host.h"

#include "host/Messages.h"
#include "host/WindowPlacement.h"

#include <string>
#include <utility>

// The ends of a run: the user's exit, with its save question, and the
// session's end, which asks nothing.

void Host::requestExit()
{
    if (m_timer.elapsedSeconds() == 0) {
        ExitProgram(false);
        return;
    }
    const Answer answer = m_prompt.ask(Messages::saveQuestion());
    if (answer == Answer::Yes)
        ExitProgram(true);
    else if (answer == Answer::No)
        ExitProgram(false);
}

void Host::ExitProgram(bool save)
{
    // From the answer on nothing counts, so only the count chosen is written.
    m_exiting = true;
    m_timer.stop();
    m_windows->restoreMinimized();
    const WriteResult saved = saveWindowPlaces();
    const WriteResult prev = m_stateFiles.WritePrev(save ? m_timer.elapsedSeconds() : 0);
    const WriteResult wage = m_wage.keep();
    for (const WriteResult* result : {&saved, &prev, &wage})
        if (!result->ok)
            tell(result->reason);
    m_trayHost.remove();
    m_services.quit();
}

WriteResult Host::saveWindowPlaces()
{
    WindowPlacement& placement = m_windows->placement();
    if (!m_settings.SavePositionOnExit)
        placement.apply(WindowPositions{});
    // A window system that keeps window positions to itself (Wayland) would have
    // numbers it never honoured saved: the file keeps the places it last held.
    const bool placesKnown = m_services.desktop.reportsWindowPositions || !m_settings.SavePositionOnExit;
    return placesKnown ? m_stateFiles.WriteSaved(placement.current()) : WriteResult::done();
}

void Host::endSession()
{
    if (m_exiting)
        return;
    m_exiting = true;
    m_timer.stop();
    if (!m_countIsTheUsers) {
        m_endRequested = true;
        return;
    }
    saveCountQuietly();
}

void Host::commitData()
{
    if (!m_exiting && m_countIsTheUsers)
        saveCountQuietly();
}

// No box: as the session ends there is no one to answer it, and it would hold the end up.
void Host::saveCountQuietly()
{
    const WriteResult prev = m_stateFiles.WritePrev(m_timer.elapsedSeconds());
    const WriteResult wage = m_wage.keep();
    // One line for whatever was lost.
    std::string lost;
    const std::pair<const char*, const WriteResult*> saves[] = {{"the elapsed time was not saved in ", &prev},
                                                                {"the wage was not saved in ", &wage}};
    const std::string_view files[] = {StateFiles::PrevFileName, StateFiles::WageFileName};
    for (std::size_t i = 0; i < std::size(saves); ++i)
        if (!saves[i].second->ok)
            lost += std::string(lost.empty() ? "" : "; ") + saves[i].first +
                    pathInFolder(m_services.dataFolder, files[i]) + ": " + saves[i].second->cause;
    if (!lost.empty())
        m_services.warn("earnmeter: " + lost);
}
