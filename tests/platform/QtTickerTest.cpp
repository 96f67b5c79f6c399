#include "platform/QtTicker.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace std::chrono_literals;

// Each tick hands on the whole seconds passed since the start (to the nearest)
// and not told yet: one for a timely tick, more for a late one, none for an
// early repeat; switching on again starts afresh.
TEST(QtTicker, HandsOnTheSecondsPassedOnTheMonotonicClock)
{
    std::chrono::steady_clock::time_point now{};
    QtTicker ticker([&now] { return now; });
    std::vector<int> told;
    ticker.onTick([&told](int seconds) { told.push_back(seconds); });
    ticker.setEnabled(true);
    for (const auto at : {1003ms, 1998ms, 2100ms, 5501ms, 5600ms, 6499ms}) {
        now = std::chrono::steady_clock::time_point{} + at;
        ticker.timedOut();
    }
    EXPECT_EQ(told, (std::vector<int>{1, 1, 4})) << "jitter is no second; a stall of 3.5 s gives 4";
    ticker.setEnabled(true);
    now += 1000ms;
    ticker.timedOut();
    EXPECT_EQ(told.back(), 1) << "switching on a running ticker keeps its phase";
    ticker.setEnabled(false);
    ticker.setEnabled(true);
    now += 1000ms;
    ticker.timedOut();
    EXPECT_EQ(told.back(), 1) << "a fresh start counts from itself";
    EXPECT_EQ(told.size(), 5u);
}

} // namespace
