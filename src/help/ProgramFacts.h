#pragma once

#include <optional>
#include <string>

// Pixels, kept as the window system reports them after scaling (1366.5 is possible).
struct ScreenSize
{
    float width = 0;
    float height = 0;
};

// What the support mail and the program information tell about this copy of the
// program. Asked afresh at each use, so a changed screen shows at once.
class ProgramFacts
{
public:
    virtual ~ProgramFacts() = default;

    virtual std::string folder() const = 0;
    virtual ScreenSize screen() const = 0;
    // The executable's last change in the user's date format; empty when unreadable.
    virtual std::optional<std::string> modifiedDate() const = 0;
};
