#pragma once

#include "engine/AwaySource.h"

// The desktop's word on the user's absence, as a test sets it.
class FakeAwaySource final : public AwaySource
{
public:
    void watch(std::int64_t thresholdSeconds) override { watched = thresholdSeconds; }
    std::optional<std::int64_t> idleSeconds() override { return idle; }
    std::vector<std::string> ways() const override { return {"a test's idle time"}; }

    // The lock or the suspend begins (true) or ends.
    void away(bool on) { onAway(on); }

    std::optional<std::int64_t> idle = 0;
    std::int64_t watched = 0;
};
