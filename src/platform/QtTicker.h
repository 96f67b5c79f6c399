#pragma once

#include "engine/Ticker.h"

#include <QTimer>

// A precise 1000 ms timer: a long run keeps pace with the wall clock instead of
// drifting by the few milliseconds a coarse timer may add each second.
class QtTicker final : public Ticker
{
public:
    QtTicker();
    void setEnabled(bool enabled) override;
    bool enabled() const override { return m_timer.isActive(); }
    void onTick(std::function<void()> handler) override;

private:
    QTimer m_timer;
    std::function<void()> m_handler;
};
