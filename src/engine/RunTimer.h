#pragma once

#include "engine/Notifier.h"
#include "engine/Prompt.h"
#include "engine/RunState.h"
#include "engine/Ticker.h"
#include "engine/WageTypes.h"

#include <string>

enum class WindowId
{
    Main,
    Advanced
};

// Everything a working window shows of the run. The windows only render it.
struct WindowView
{
    std::string caption = "Earnmeter!";
    std::string elapsedText = "00:00:00";
    std::string totalText = "$0.00";
    int totalPointSize = 24;
    bool elapsedStruck = false;
    bool startEnabled = true;
    bool pauseEnabled = false;
    bool advancedChecked = false;
    std::string wageEntry = "0.00";
};

// Start, pause, the once-a-second count, the blink of a paused total, the reset
// and the hand-over between the simple and the advanced window. The state of a
// run (idle, running, paused) is what the two views and the three tickers show.
class RunTimer final
{
public:
    struct Tickers
    {
        Ticker& mainTick;
        Ticker& advancedTick;
        Ticker& blink;
    };

    RunTimer(RunState& state, Prompt& prompt, WageTypes& wageTypes, Tickers tickers);
    RunTimer(const RunTimer&) = delete;
    RunTimer& operator=(const RunTimer&) = delete;

    const WindowView& view(WindowId window) const;
    bool ticking(WindowId window) const;
    bool blinking() const { return m_blink.enabled(); }
    bool trayChecked() const { return m_trayChecked; }
    WindowId liveWindow() const { return m_state.AdvancedMode ? WindowId::Advanced : WindowId::Main; }

    // The user typed into a wage box; the box already shows the text.
    void EditWageEntry(WindowId window, std::string text);
    // The user left a wage box: the simple window takes the wage at once.
    void LeaveWageEntry(WindowId window);

    // False when the wage was refused and nothing started.
    bool Start(WindowId window);
    void Pause(WindowId window);
    void Tick(WindowId window);
    void Blink();
    // Asks first; a No leaves everything as it was.
    void Reset();

    void EnterAdvanced();
    void LeaveAdvanced();

    // Start-up: both time labels show the count carried over from the last run.
    void ShowCount();

    Notifier<WindowId> viewChanged;
    Notifier<bool> trayFlipped; // every tick, with the new state of the flag
    Notifier<> checkpointDue;   // every 300 counted seconds
    Notifier<> modeChanged;     // the other window has become the live one

private:
    WindowView& mutableView(WindowId window);
    Ticker& tickerOf(WindowId window);
    void refuseWage(WindowId window);
    void notifyBoth();
    static void showRunIn(WindowView& to, const WindowView& from);

    RunState& m_state;
    Prompt& m_prompt;
    WageTypes& m_wageTypes;
    Ticker& m_mainTick;
    Ticker& m_advancedTick;
    Ticker& m_blink;
    WindowView m_main;
    WindowView m_advanced;
    bool m_trayChecked = false;
};
