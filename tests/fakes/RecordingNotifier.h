#pragma once

#include "engine/DesktopNotifier.h"

#include <vector>

// Keeps what would have been shown, with its action; a test may choose it.
class RecordingNotifier final : public DesktopNotifier
{
public:
    struct Shown
    {
        std::string text, action;
        std::function<void()> onAction;
    };

    void notify(const std::string& text, const std::string& action, std::function<void()> onAction) override
    {
        shown.push_back({text, action, std::move(onAction)});
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> all;
        for (const Shown& s : shown)
            all.push_back(s.action.empty() ? s.text : s.text + " [" + s.action + "]");
        return all;
    }

    std::vector<Shown> shown;
};
