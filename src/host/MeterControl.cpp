#include "host/MeterControl.h"

MeterControl::MeterControl(RunTimer& timer, Actions actions, const MoneyFormat& money)
    : m_timer(timer), m_actions(std::move(actions)), m_money(money), m_last(MeterStatus::of(timer))
{
    m_timer.viewChanged.subscribe([this](WindowId) { noticeChange(); });
}

void MeterControl::perform(RemoteCommand command)
{
    if (!m_actions.acceptsCommands())
        return;
    if (m_open)
        carryOut(command);
    else
        m_held.push_back(command);
}

void MeterControl::open()
{
    m_open = true;
    // Moved out first: a command may run a modal box, inside which more may arrive.
    const std::vector<RemoteCommand> held = std::move(m_held);
    m_held.clear();
    for (const RemoteCommand command : held)
        perform(command);
}

void MeterControl::carryOut(RemoteCommand command)
{
    const WindowId live = m_timer.liveWindow();
    switch (command) {
    case RemoteCommand::Show:
        m_actions.showLiveWindow();
        break;
    case RemoteCommand::Start:
        m_timer.start(live);
        break;
    case RemoteCommand::Pause:
        m_timer.pause(live);
        break;
    case RemoteCommand::Toggle:
        if (m_timer.phase() == Phase::Running)
            m_timer.pause(live);
        else
            m_timer.start(live);
        break;
    }
}

std::optional<Currency> MeterControl::wageToStartAt(RemoteCommand command) const
{
    const bool starts =
        command == RemoteCommand::Start || (command == RemoteCommand::Toggle && m_timer.phase() != Phase::Running);
    if (!starts || !m_actions.acceptsCommands())
        return std::nullopt;
    return m_timer.wageAtStart(m_timer.liveWindow());
}

MeterStatus MeterControl::status() const
{
    return MeterStatus::of(m_timer);
}

DayFigures MeterControl::day() const
{
    return m_actions.day();
}

void MeterControl::onStatusChanged(std::function<void()> callback)
{
    m_changed.subscribe(std::move(callback));
}

// Every change of a window's view is seen here; only a change of the figures
// (not the blink of a paused total) is passed on.
void MeterControl::noticeChange()
{
    const MeterStatus now = status();
    if (now == m_last)
        return;
    m_last = now;
    m_changed.notify();
}
