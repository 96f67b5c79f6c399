#pragma once

#include "engine/Ticker.h"

#include <functional>
#include <utility>

// A ticker that ticks only when a test says so.
class ManualTicker final : public Ticker
{
public:
    void setEnabled(bool enabled) override { m_enabled = enabled; }
    bool enabled() const override { return m_enabled; }
    void onTick(std::function<void()> handler) override { m_handler = std::move(handler); }

    // One timer event: runs the handler if the ticker is on.
    void fire()
    {
        if (m_enabled && m_handler)
            m_handler();
    }

private:
    std::function<void()> m_handler;
    bool m_enabled = false;
};
