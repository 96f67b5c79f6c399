#pragma once

#include <functional>

// A once-a-second timer that can be switched on and off. Switching on a ticker
// that already runs keeps its phase, as a window timer does. Each tick says how
// many seconds it stands for: one, or more when it comes late (the program was
// stopped or the machine overloaded), as the time that passed since the ticker
// was switched on tells. The program uses a precise 1000 ms timer on the
// monotonic clock, which stands still while the machine sleeps; tests fire
// ticks by hand.
class Ticker
{
public:
    using Handler = std::function<void(int seconds)>;

    virtual ~Ticker() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    virtual void onTick(Handler handler) = 0;
};
