#include "engine/RunTimer.h"

#include "engine/Earnings.h"
#include "engine/Formats.h"
#include "engine/Version.h"
#include "engine/WageEntry.h"

#include <algorithm>
#include <limits>

namespace {

const std::string ProductName = Version::ProductName;
constexpr Currency SmallFontFrom = Currency::fromUnits(1000 * Currency::UnitsPerDollar);

// A pause captions both windows the way the window it came from words it.
std::string pausedCaption(WindowId window)
{
    return window == WindowId::Main ? "PAUSED (" + ProductName + ")" : ProductName + " (PAUSED)";
}

WindowId otherWindow(WindowId window)
{
    return window == WindowId::Main ? WindowId::Advanced : WindowId::Main;
}

} // namespace

RunTimer::RunTimer(Prompt& prompt, WageTypes& wageTypes, Tickers tickers)
    : m_prompt(prompt), m_wageTypes(wageTypes), m_runTick(tickers.run), m_blink(tickers.blink)
{
    m_runTick.onTick([this](int seconds) { tick(seconds); });
    m_blink.onTick([this](int) { blink(); });
}

WindowView RunTimer::view(WindowId window) const
{
    WindowView view;
    view.caption = m_captions[slot(window)];
    view.elapsedText = FormatElapsed(m_elapsedSeconds);
    view.totalText = m_totalHidden ? std::string() : m_money->amount(m_totalEarned);
    view.totalPointSize = m_smallTotal ? 20 : 24;
    view.elapsedStruck = m_phase == Phase::Paused;
    view.startEnabled = m_phase != Phase::Running;
    view.pauseEnabled = m_phase == Phase::Running;
    view.advancedChecked = m_live == WindowId::Advanced;
    view.wageEntry = m_wageEntries[slot(window)];
    return view;
}

void RunTimer::setMoney(const MoneyFormat& money)
{
    m_money = &money;
    showBoth();
}

std::string RunTimer::totalCaption() const
{
    return m_money->amount(m_totalEarned) + " (" + ProductName + ")";
}

void RunTimer::showBoth()
{
    viewChanged.notify(WindowId::Main);
    viewChanged.notify(WindowId::Advanced);
}

void RunTimer::setLiveWindow(WindowId window)
{
    m_live = window;
    showBoth();
}

void RunTimer::restoreCount(std::int32_t elapsedSeconds)
{
    m_elapsedSeconds = elapsedSeconds;
    showBoth();
}

void RunTimer::restoreWage(const RememberedWage& wage)
{
    const auto fits = [this](const std::string& text, PayPeriod period) {
        const std::optional<Currency> amount =
            period == PayPeriod::Hourly ? readWageForStart(text) : readWageLeniently(text);
        return amount && hourlyRateFor(*amount, period, m_wageTypes.workingWeek()).ok();
    };
    const std::pair<WindowId, PayPeriod> boxes[] = {{WindowId::Main, PayPeriod::Hourly},
                                                    {WindowId::Advanced, wage.period}};
    for (const auto& [window, period] : boxes) {
        const std::string& text = window == WindowId::Main ? wage.mainEntry : wage.advancedEntry;
        m_wageEntries[slot(window)] = fits(text, period) ? text : "0.00";
        if (!fits(text, period))
            m_prompt.ask(wageRefusedMessage(text, period, m_wageTypes.workingWeek()));
    }
    m_wageTypes.restore(wage.type, wage.period, m_wageEntries[slot(WindowId::Advanced)]);
    showBoth();
}

RememberedWage RunTimer::rememberedWage() const
{
    return {m_wageEntries[slot(WindowId::Main)], m_wageTypes.selected(), m_wageEntries[slot(WindowId::Advanced)],
            m_wageTypes.period()};
}

void RunTimer::editWageEntry(WindowId window, std::string text)
{
    m_wageEntries[slot(window)] = std::move(text);
}

// The box goes back to the amount in force: the simple window's is the rate, the
// advanced window's the amount per period, and its period, the rate came from.
void RunTimer::refuseWage(WindowId window, std::string refused)
{
    const bool advanced = window == WindowId::Advanced;
    const PayPeriod period = advanced ? m_wageTypes.period() : PayPeriod::Hourly;
    m_wageEntries[slot(window)] = advanced ? m_wageTypes.amountInForce() : FormatWageEntry(m_hourlyWage);
    if (advanced)
        m_wageTypes.restorePeriodInForce();
    viewChanged.notify(window);
    m_prompt.ask(wageRefusedMessage(refused, period, m_wageTypes.workingWeek()));
}

void RunTimer::leaveWageEntry(WindowId window)
{
    std::string& entry = m_wageEntries[slot(window)];
    const std::optional<Currency> wage = readWageLeniently(entry);
    if (!wage) {
        refuseWage(window, entry);
        return;
    }
    // Only the simple window's box is the rate; the advanced one is an amount per period.
    if (window == WindowId::Main)
        m_hourlyWage = *wage;
    entry = FormatWageEntry(entry);
    viewChanged.notify(window);
}

bool RunTimer::start(WindowId window)
{
    std::string& entry = m_wageEntries[slot(window)];
    if (window == WindowId::Main) {
        const std::optional<Currency> wage = readWageForStart(entry);
        if (!wage) {
            refuseWage(window, entry);
            return false;
        }
        m_hourlyWage = *wage;
    } else if (const std::optional<Currency> rate = m_wageTypes.rateAtStart(entry)) {
        m_hourlyWage = *rate;
    } else {
        refuseWage(window, entry);
        return false;
    }
    m_runTick.setEnabled(true);
    m_phase = Phase::Running;
    m_captions[slot(otherWindow(window))] = ProductName;
    m_blink.setEnabled(false);
    entry = FormatWageEntry(entry);
    showBoth();
    return true;
}

std::optional<Currency> RunTimer::wageAtStart(WindowId window) const
{
    const std::string& entry = m_wageEntries[slot(window)];
    return window == WindowId::Main ? readWageForStart(entry) : m_wageTypes.rateFor(entry);
}

void RunTimer::pause(WindowId window)
{
    m_runTick.setEnabled(false);
    m_phase = Phase::Paused;
    m_captions.fill(pausedCaption(window));
    m_blink.setEnabled(true);
    showBoth();
    stretchEnded.notify();
}

// A late tick counts every second it stands for, as if each had ticked.
void RunTimer::tick(int seconds)
{
    const std::int32_t before = m_elapsedSeconds;
    // The count stops at its largest value rather than wrap after 68 years.
    m_elapsedSeconds = static_cast<std::int32_t>(
        std::min<std::int64_t>(std::int64_t{before} + seconds, std::numeric_limits<std::int32_t>::max()));
    m_totalEarned = totalEarnedFor(m_hourlyWage, m_elapsedSeconds);
    m_smallTotal = m_totalEarned >= SmallFontFrom;
    m_totalHidden = false;
    m_captions[slot(m_live)] = totalCaption();
    // The history first: whoever renders the second also shows today's figure with it.
    ticked.notify(seconds);
    viewChanged.notify(m_live);
    if (m_elapsedSeconds / 300 != before / 300)
        checkpointDue.notify(m_elapsedSeconds);
}

void RunTimer::takeAway(std::int64_t seconds)
{
    if (seconds <= 0)
        return;
    m_elapsedSeconds = static_cast<std::int32_t>(std::max<std::int64_t>(0, m_elapsedSeconds - seconds));
    m_totalEarned = totalEarnedFor(m_hourlyWage, m_elapsedSeconds);
    m_smallTotal = m_totalEarned >= SmallFontFrom;
    if (m_phase == Phase::Running)
        m_captions[slot(m_live)] = totalCaption();
    showBoth();
}

void RunTimer::blink()
{
    m_totalHidden = !m_totalHidden;
    showBoth();
}

void RunTimer::reset()
{
    const Message question{"Do you want to reset the timer to zero?", "Reset " + ProductName, Message::Buttons::YesNo,
                           Message::Icon::Information};
    if (m_prompt.ask(question) != Answer::Yes)
        return;
    m_totalEarned = {};
    m_elapsedSeconds = 0;
    m_runTick.setEnabled(false);
    m_blink.setEnabled(false);
    m_phase = Phase::Idle;
    m_totalHidden = false;
    // The font a large total shrank stays until the next tick.
    m_captions.fill(ProductName);
    showBoth();
    stretchEnded.notify();
}

void RunTimer::stop()
{
    m_runTick.setEnabled(false);
    m_blink.setEnabled(false);
    stretchEnded.notify();
}

void RunTimer::enterAdvanced()
{
    m_wageEntries[slot(WindowId::Advanced)] = FormatWageEntry(m_hourlyWage);
    m_wageTypes.resetForEntry(m_hourlyWage);
    m_live = WindowId::Advanced;
    showBoth();
    stretchEnded.notify();
    modeChanged.notify();
}

void RunTimer::leaveAdvanced()
{
    std::string& mainEntry = m_wageEntries[slot(WindowId::Main)];
    if (m_wageTypes.selected() == WageType::MyWage)
        mainEntry = FormatWageEntry(m_hourlyWage);
    else if (const std::optional<Currency> wage = readWageLeniently(mainEntry))
        m_hourlyWage = *wage;
    m_live = WindowId::Main;
    showBoth();
    stretchEnded.notify();
    modeChanged.notify();
}

void RunTimer::convertPeriod()
{
    const std::string& entry = m_wageEntries[slot(WindowId::Advanced)];
    if (const std::optional<Currency> rate = m_wageTypes.convertPeriod(entry))
        changeRate(*rate);
    else
        refuseWage(WindowId::Advanced, entry);
}

void RunTimer::chooseDream()
{
    changeRate(m_wageTypes.selectDream());
}

void RunTimer::chooseMinimum()
{
    changeRate(m_wageTypes.selectMinimum());
}

// A new rate is news to whoever reads the figures from outside the windows.
void RunTimer::changeRate(Currency rate)
{
    m_hourlyWage = rate;
    viewChanged.notify(WindowId::Advanced);
}
