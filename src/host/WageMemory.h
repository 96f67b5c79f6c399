#pragma once

#include "engine/Preferences.h"
#include "engine/RememberedWage.h"
#include "storage/StateFiles.h"

#include <optional>

class RunTimer;

// The wage boxes carried from one run to the next in Wage.ewg, for as long as
// the preferences want them remembered.
class WageMemory final
{
public:
    WageMemory(RunTimer& timer, StateFiles& stateFiles, const Preferences& preferences);
    WageMemory(const WageMemory&) = delete;
    WageMemory& operator=(const WageMemory&) = delete;

    // Start-up: the boxes as the last run left them. A missing or damaged file is
    // passed over without a word, as a Saved.ewg is: a wage box is quickly typed again.
    void restore();
    // Exit, the session's end and the checkpoint: the boxes as shown, unless
    // that is what the file holds already.
    WriteResult keep();

private:
    RunTimer& m_timer;
    StateFiles& m_stateFiles;
    const Preferences& m_preferences;
    std::optional<RememberedWage> m_written; // what Wage.ewg holds, as far as this run knows
};
