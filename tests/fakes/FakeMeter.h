#pragma once

#include "engine/MeterRemote.h"
#include "engine/Notifier.h"

#include <vector>

// A meter whose figures a test sets by hand; it remembers the commands it got.
class FakeMeter final : public MeterRemote
{
public:
    void perform(RemoteCommand command) override { performed.push_back(command); }
    MeterStatus status() const override { return current; }
    void onStatusChanged(std::function<void()> callback) override { m_changed.subscribe(std::move(callback)); }

    void change(const MeterStatus& status)
    {
        current = status;
        m_changed.notify();
    }

    MeterStatus current;
    std::vector<RemoteCommand> performed;

private:
    Notifier<> m_changed;
};
