#pragma once

#include "engine/MeterRemote.h"
#include "engine/Notifier.h"
#include "engine/RunTimer.h"

#include <functional>
#include <vector>

// The meter's commands from outside (a second launch, the command line,
// D-Bus) carried out on the live window as the tray menu's Open, Start and
// Pause do, and the figures they read. Until start-up has shown its first
// window every command is held: a window shown during the continue question,
// or on a first start that ends the program, would come too early.
class MeterControl final : public MeterRemote
{
public:
    struct Actions
    {
        std::function<void()> showLiveWindow;
        std::function<bool()> acceptsCommands; // false once exit has begun
        std::function<DayFigures()> day;
    };

    MeterControl(RunTimer& timer, Actions actions, const MoneyFormat& money = dollarMoney());
    MeterControl(const MeterControl&) = delete;
    MeterControl& operator=(const MeterControl&) = delete;

    void perform(RemoteCommand command) override;
    std::optional<Currency> wageToStartAt(RemoteCommand command) const override;
    MeterStatus status() const override;
    DayFigures day() const override;
    void onStatusChanged(std::function<void()> callback) override;
    const MoneyFormat& money() const override { return m_money; }

    // Another currency was chosen: watchers are sent the texts again.
    void moneyChanged() { m_changed.notify(); }
    // Start-up has shown its first window: the held commands run now, in order.
    void open();

private:
    void carryOut(RemoteCommand command);
    void noticeChange();

    RunTimer& m_timer;
    Actions m_actions;
    const MoneyFormat& m_money;
    bool m_open = false;
    std::vector<RemoteCommand> m_held;
    MeterStatus m_last;
    Notifier<> m_changed;
};
