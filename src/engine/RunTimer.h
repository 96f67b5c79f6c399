#pragma once

#include "engine/Currency.h"
#include "engine/Money.h"
#include "engine/Notifier.h"
#include "engine/Prompt.h"
#include "engine/RememberedWage.h"
#include "engine/Ticker.h"
#include "engine/WageTypes.h"

#include <array>
#include <cstdint>
#include <string>

enum class WindowId
{
    Main,
    Advanced
};

// Where a run stands. Start leads from Idle or Paused to Running, Pause from
// any phase to Paused, a confirmed Reset from any phase back to Idle.
enum class Phase
{
    Idle,
    Running,
    Paused
};

// Everything a working window shows of the run, computed afresh from the run
// whenever it is asked for. The windows only render it.
struct WindowView
{
    std::string caption;
    std::string elapsedText;
    std::string totalText;
    int totalPointSize = 24;
    bool elapsedStruck = false;
    bool startEnabled = true;
    bool pauseEnabled = false;
    bool advancedChecked = false;
    std::string wageEntry;
};

// The run: its phase, the one count of elapsed seconds, the rate in force and
// the total of the last tick, which window is live, and the blink of a paused
// total. One ticker counts for whichever window is live, so a mode switch
// costs no time; another blinks the total while paused.
class RunTimer final
{
public:
    struct Tickers
    {
        Ticker& run;
        Ticker& blink;
    };

    RunTimer(Prompt& prompt, WageTypes& wageTypes, Tickers tickers);
    RunTimer(const RunTimer&) = delete;
    RunTimer& operator=(const RunTimer&) = delete;

    WindowView view(WindowId window) const;
    Phase phase() const { return m_phase; }
    WindowId liveWindow() const { return m_live; }
    std::int32_t elapsedSeconds() const { return m_elapsedSeconds; }
    // As of the last tick: 0 until a run has counted, also over a restored count.
    Currency totalEarned() const { return m_totalEarned; }
    Currency hourlyWage() const { return m_hourlyWage; }

    // Start-up: the window that opens first, and the count carried over from the
    // last run, which both time labels show.
    void setLiveWindow(WindowId window);
    void restoreCount(std::int32_t elapsedSeconds);
    // The wage boxes as the last run left them. A box whose amount is too large
    // for its period is refused, as Start would refuse it, and shows 0.00.
    void restoreWage(const RememberedWage& wage);
    RememberedWage rememberedWage() const;

    // The user typed into a wage box; the box already shows the text.
    void editWageEntry(WindowId window, std::string text);
    // The user left a wage box: the simple window takes the wage at once.
    void leaveWageEntry(WindowId window);

    // False when the wage was refused and nothing started.
    bool start(WindowId window);
    // The rate Start in the window would put in force now; nothing when it would refuse the wage.
    std::optional<Currency> wageAtStart(WindowId window) const;
    void pause(WindowId window);
    // Asks first; a No leaves everything as it was.
    void reset();

    void enterAdvanced();
    void leaveAdvanced();

    // Seconds counted while the user was away come off the count; the run goes on.
    void takeAway(std::int64_t seconds);
    // The currency the totals and captions are written in, from the next view on.
    void setMoney(const MoneyFormat& money);
    // The program is ending: no tick counts and nothing blinks any more.
    void stop();

    // The advanced window's wage types: the period conversion of its box, or a
    // reference wage, takes effect at once.
    void convertPeriod();
    void chooseDream();
    void chooseMinimum();

    Notifier<WindowId> viewChanged;
    Notifier<int> ticked;                 // seconds were counted: one, or more for a late tick
    Notifier<std::int32_t> checkpointDue; // as the count passes each multiple of 300, with the count
    Notifier<> modeChanged;               // the other window has become the live one
    Notifier<> stretchEnded;              // counting stopped or moved: pause, reset, mode switch, stop

private:
    void tick(int seconds);
    void blink();
    void refuseWage(WindowId window, std::string refused);
    void changeRate(Currency rate);
    void showBoth();
    std::string totalCaption() const;
    static std::size_t slot(WindowId window) { return static_cast<std::size_t>(window); }

    Prompt& m_prompt;
    WageTypes& m_wageTypes;
    Ticker& m_runTick;
    Ticker& m_blink;
    const MoneyFormat* m_money = &dollarMoney();

    Phase m_phase = Phase::Idle;
    WindowId m_live = WindowId::Main;
    std::int32_t m_elapsedSeconds = 0;
    Currency m_hourlyWage;
    Currency m_totalEarned;
    bool m_totalHidden = false; // the blink's phase
    bool m_smallTotal = false;  // the last tick's total reached 1000
    // What really differs per window: its own caption and its own wage box.
    std::array<std::string, 2> m_captions{"Earnmeter!", "Earnmeter!"};
    std::array<std::string, 2> m_wageEntries{"0.00", "0.00"};
};
