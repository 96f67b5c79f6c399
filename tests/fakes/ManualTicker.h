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
    void onTick(Handler handler) override { m_handler = std::move(handler); }

    // One timer event, standing for `seconds` (more for a late one): runs the handler if the ticker is on.
    void fire(int seconds = 1)
    {
        if (m_enabled && m_handler)
            m_handler(seconds);
    }

private:
    Handler m_handler;
    bool m_enabled = false;
};
