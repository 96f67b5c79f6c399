#pragma once

#include "engine/MeterRemote.h"
#include "engine/Notifier.h"

#include <vector>

// A meter whose figures a test sets by hand; it remembers the commands it got.
class FakeMeter final : public MeterRemote
{
public:
    void perform(RemoteCommand command) override { performed.push_back(command); }
    std::optional<Currency> wageToStartAt(RemoteCommand command) const override
    {
        const bool starts =
            command == RemoteCommand::Start || (command == RemoteCommand::Toggle && current.phase != Phase::Running);
        return starts ? std::optional(startingWage) : std::nullopt;
    }
    MeterStatus status() const override { return current; }
    DayFigures day() const override { return dayFigures; }
    void onStatusChanged(std::function<void()> callback) override { m_changed.subscribe(std::move(callback)); }

    void change(const MeterStatus& status)
    {
        current = status;
        m_changed.notify();
    }

    MeterStatus current;
    Currency startingWage; // what the box holds
    DayFigures dayFigures;
    std::vector<RemoteCommand> performed;

private:
    Notifier<> m_changed;
};
