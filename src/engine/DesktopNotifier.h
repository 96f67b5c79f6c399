#pragma once

#include <functional>
#include <string>

// A word on the desktop that waits for no answer (a notification bubble). Where
// the desktop has none, nothing is shown and nothing fails.
class DesktopNotifier
{
public:
    virtual ~DesktopNotifier() = default;
    // `action` names the one thing the user may do from it ("Start"), where the
    // desktop offers actions; `onAction` runs when they do.
    virtual void notify(const std::string& text, const std::string& action = {},
                        std::function<void()> onAction = {}) = 0;
};
