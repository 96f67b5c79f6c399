#pragma once

#include "fakes/ManualTicker.h"

#include <cstdint>
#include <memory>
#include <vector>

// Time that passes only by hand. Each second every ticker that was on when the
// second began fires once, in the order the tickers were added; one switched on
// during a second first fires a whole second later, as a real timer would.
class ManualClock final
{
public:
    ManualTicker& addTicker() { return *m_tickers.emplace_back(std::make_unique<ManualTicker>()); }

    void advanceSeconds(std::int64_t seconds)
    {
        for (std::int64_t s = 0; s < seconds; ++s) {
            std::vector<ManualTicker*> due;
            for (const auto& ticker : m_tickers)
                if (ticker->enabled())
                    due.push_back(ticker.get());
            for (ManualTicker* ticker : due)
                ticker->fire();
        }
    }

private:
    std::vector<std::unique_ptr<ManualTicker>> m_tickers;
};
