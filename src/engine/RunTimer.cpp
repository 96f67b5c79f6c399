#include "engine/RunTimer.h"

#include "engine/Formats.h"
#include "engine/Version.h"
#include "engine/WageEntry.h"

#include <limits>

namespace {

const std::string ProductName = Version::ProductName;
const std::string PausedInMain = "PAUSED (" + ProductName + ")";
const std::string PausedInAdvanced = ProductName + " (PAUSED)";
constexpr Currency SmallFontFrom = Currency::FromUnits(1000 * Currency::UnitsPerDollar);

std::string DollarText(Currency amount)
{
    return "$" + FormatMoney(amount);
}

} // namespace

RunTimer::RunTimer(RunState& state, Prompt& prompt, WageTypes& wageTypes, Tickers tickers)
    : m_state(state), m_prompt(prompt), m_wageTypes(wageTypes), m_mainTick(tickers.mainTick),
      m_advancedTick(tickers.advancedTick), m_blink(tickers.blink)
{
    m_advanced.advancedChecked = true;
    m_mainTick.onTick([this] { Tick(WindowId::Main); });
    m_advancedTick.onTick([this] { Tick(WindowId::Advanced); });
    m_blink.onTick([this] { Blink(); });
}

const WindowView& RunTimer::view(WindowId window) const
{
    return window == WindowId::Main ? m_main : m_advanced;
}

WindowView& RunTimer::mutableView(WindowId window)
{
    return window == WindowId::Main ? m_main : m_advanced;
}

Ticker& RunTimer::tickerOf(WindowId window)
{
    return window == WindowId::Main ? m_mainTick : m_advancedTick;
}

bool RunTimer::ticking(WindowId window) const
{
    return (window == WindowId::Main ? m_mainTick : m_advancedTick).enabled();
}

void RunTimer::notifyBoth()
{
    viewChanged.notify(WindowId::Main);
    viewChanged.notify(WindowId::Advanced);
}

void RunTimer::EditWageEntry(WindowId window, std::string text)
{
    mutableView(window).wageEntry = std::move(text);
}

void RunTimer::refuseWage(WindowId window)
{
    const std::string refused = view(window).wageEntry;
    mutableView(window).wageEntry = FormatWageEntry(CurrencyText(m_state.HourlyWage));
    viewChanged.notify(window);
    m_prompt.ask(WageRefusedMessage(refused));
}

void RunTimer::LeaveWageEntry(WindowId window)
{
    WindowView& v = mutableView(window);
    const std::optional<Currency> wage = ReadWageLeniently(v.wageEntry);
    if (!wage) {
        refuseWage(window);
        return;
    }
    // Only the simple window's box is the rate; the advanced one is an amount per period.
    if (window == WindowId::Main)
        m_state.HourlyWage = *wage;
    v.wageEntry = FormatWageEntry(v.wageEntry);
    viewChanged.notify(window);
}

bool RunTimer::Start(WindowId window)
{
    WindowView& own = mutableView(window);
    WindowView& other = mutableView(window == WindowId::Main ? WindowId::Advanced : WindowId::Main);
    if (window == WindowId::Main) {
        const std::optional<Currency> wage = ReadWageForStart(own.wageEntry);
        if (!wage) {
            refuseWage(window);
            return false;
        }
        m_state.HourlyWage = *wage;
    } else if (!m_wageTypes.ApplyAtStart(own.wageEntry)) {
        // The wage types have told the user; the box goes back as leaving it would put it.
        own.wageEntry = FormatWageEntry(CurrencyText(m_state.HourlyWage));
        viewChanged.notify(window);
        return false;
    }
    tickerOf(window).setEnabled(true);
    own.pauseEnabled = true;
    own.startEnabled = false;
    own.elapsedStruck = false;
    other.elapsedStruck = false;
    other.caption = ProductName;
    m_blink.setEnabled(false);
    own.wageEntry = FormatWageEntry(own.wageEntry);
    notifyBoth();
    return true;
}

void RunTimer::Pause(WindowId window)
{
    const std::string& caption = window == WindowId::Main ? PausedInMain : PausedInAdvanced;
    WindowView& own = mutableView(window);
    tickerOf(window).setEnabled(false);
    own.pauseEnabled = false;
    own.startEnabled = true;
    for (WindowView* v : {&m_main, &m_advanced}) {
        v->caption = caption;
        v->elapsedStruck = true;
    }
    m_blink.setEnabled(true);
    notifyBoth();
}

void RunTimer::Tick(WindowId window)
{
    // The count stops at its largest value rather than wrap after 68 years.
    if (m_state.ElapsedSeconds < std::numeric_limits<std::int32_t>::max())
        ++m_state.ElapsedSeconds;
    WindowView& v = mutableView(window);
    v.elapsedText = FormatElapsed(m_state.ElapsedSeconds);
    m_state.TotalEarned = TotalEarnedFor(m_state.HourlyWage, m_state.ElapsedSeconds);
    v.totalPointSize = m_state.TotalEarned < SmallFontFrom ? 24 : 20;
    v.totalText = DollarText(m_state.TotalEarned);
    v.caption = v.totalText + " (" + ProductName + ")";
    viewChanged.notify(window);

    m_trayChecked = !m_trayChecked;
    trayFlipped.notify(m_trayChecked);
    if (m_state.ElapsedSeconds % 300 == 0)
        checkpointDue.notify();
}

void RunTimer::Blink()
{
    const std::string text = m_main.totalText.empty() ? DollarText(m_state.TotalEarned) : std::string();
    m_main.totalText = text;
    m_advanced.totalText = text;
    notifyBoth();
}

void RunTimer::Reset()
{
    const Message question{"Do you want to reset the timer to zero?", "Reset " + ProductName, Message::Buttons::YesNo,
                           Message::Icon::Information};
    if (m_prompt.ask(question) != Answer::Yes)
        return;
    m_state.TotalEarned = {};
    m_state.ElapsedSeconds = 0;
    m_mainTick.setEnabled(false);
    m_advancedTick.setEnabled(false);
    m_blink.setEnabled(false);
    for (WindowView* v : {&m_main, &m_advanced}) {
        v->startEnabled = true;
        v->pauseEnabled = false;
        v->totalText = "$0.00";
        v->elapsedText = "00:00:00";
        v->elapsedStruck = false;
        v->caption = ProductName;
    }
    notifyBoth();
}

void RunTimer::EnterAdvanced()
{
    m_advanced.wageEntry = FormatWageEntry(CurrencyText(m_state.HourlyWage));
    m_wageTypes.ResetForEntry();
    m_advanced.advancedChecked = true;
    m_main.advancedChecked = true;
    showRunIn(m_advanced, m_main);
    m_advancedTick.setEnabled(m_mainTick.enabled());
    m_mainTick.setEnabled(false);
    m_advanced.startEnabled = m_main.startEnabled;
    // A run started but not yet counted also hands its Pause over, or nothing could stop it.
    if (m_state.ElapsedSeconds > 0 || m_advancedTick.enabled())
        m_advanced.pauseEnabled = m_main.pauseEnabled;
    m_state.AdvancedMode = true;
    notifyBoth();
    modeChanged.notify();
}

void RunTimer::LeaveAdvanced()
{
    if (m_wageTypes.selected() == WageType::MyWage) {
        m_main.wageEntry = FormatWageEntry(CurrencyText(m_state.HourlyWage));
    } else if (const std::optional<Currency> wage = ReadWageLeniently(m_main.wageEntry)) {
        m_state.HourlyWage = *wage;
    }
    m_main.advancedChecked = false;
    m_advanced.advancedChecked = false;
    showRunIn(m_main, m_advanced);
    m_mainTick.setEnabled(m_advancedTick.enabled());
    m_advancedTick.setEnabled(false);
    m_main.startEnabled = m_advanced.startEnabled;
    if (m_state.ElapsedSeconds > 0 || m_mainTick.enabled())
        m_main.pauseEnabled = m_advanced.pauseEnabled;
    m_state.AdvancedMode = false;
    notifyBoth();
    modeChanged.notify();
}

void RunTimer::showRunIn(WindowView& to, const WindowView& from)
{
    // A window taking over a paused run would otherwise show the count it had
    // when it was last live, until the next tick that a pause never brings.
    to.elapsedText = from.elapsedText;
    to.totalText = from.totalText;
    to.totalPointSize = from.totalPointSize;
}

void RunTimer::ShowCount()
{
    m_main.elapsedText = FormatElapsed(m_state.ElapsedSeconds);
    m_advanced.elapsedText = m_main.elapsedText;
    notifyBoth();
}
