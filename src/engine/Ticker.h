#pragma once

#include <functional>

// A once-a-second timer that can be switched on and off. Switching on a ticker
// that already runs keeps its phase, as a window timer does. The program uses a
// precise 1000 ms timer; tests fire ticks by hand.
class Ticker
{
public:
    virtual ~Ticker() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    virtual void onTick(std::function<void()> handler) = 0;
};
