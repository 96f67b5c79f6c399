#pragma once

#include "help/ProgramFacts.h"

class QString;

// The facts as the running program finds them: its own folder and executable,
// and the primary screen.
class QtProgramFacts final : public ProgramFacts
{
public:
    std::string folder() const override;
    ScreenSize screen() const override;
    std::optional<std::string> modifiedDate() const override;

    // A file's last change in the user's short date and time format.
    static std::optional<std::string> fileModifiedDate(const QString& path);
};
