#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Where the desktop tells that the user is away: the time since their last
// input, read when asked, and the screen lock and the suspend, as they come.
class AwaySource
{
public:
    virtual ~AwaySource() = default;
    // Watches the desktop for idle times of the threshold (in seconds) and more;
    // called again whenever it changes.
    virtual void watch(std::int64_t thresholdSeconds) = 0;
    // Seconds since the user's last input; nothing where the desktop does not tell.
    virtual std::optional<std::int64_t> idleSeconds() = 0;
    // How it notices, in words for the Preferences window; empty when it cannot.
    virtual std::vector<std::string> ways() const = 0;

    // The screen was locked or the machine suspended (true), or the user is back (false).
    std::function<void(bool)> onAway;
};
