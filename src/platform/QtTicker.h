#pragma once

#include "engine/Ticker.h"

#include <QTimer>

#include <chrono>
#include <functional>
#include <cstdint>

// A precise 1000 ms timer: a long run keeps pace with the wall clock instead of
// drifting by the few milliseconds a coarse timer may add each second. A tick
// stands for the whole seconds passed on the monotonic clock since it was
// switched on and not yet told, so a tick held up (the program stopped, the
// machine overloaded) loses none; the monotonic clock stands still while the
// machine sleeps, so a suspend adds nothing.
class QtTicker final : public Ticker
{
public:
    using MonotonicClock = std::function<std::chrono::steady_clock::time_point()>;

    explicit QtTicker(MonotonicClock clock = [] { return std::chrono::steady_clock::now(); });
    void setEnabled(bool enabled) override;
    bool enabled() const override { return m_timer.isActive(); }
    void onTick(Handler handler) override;
    // What the timer's timeout does; tests call it in its place.
    void timedOut();

private:
    MonotonicClock m_clock;
    QTimer m_timer;
    Handler m_handler;
    std::chrono::steady_clock::time_point m_since;
    std::int64_t m_told = 0; // the seconds since m_since already handed on
};
