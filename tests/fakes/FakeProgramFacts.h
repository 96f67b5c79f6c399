#pragma once

#include "help/ProgramFacts.h"

// Facts a test sets and may change between uses.
struct FakeProgramFacts final : ProgramFacts
{
    std::string folder() const override { return programFolder; }
    ScreenSize screen() const override { return screenSize; }
    std::optional<std::string> modifiedDate() const override { return modified; }

    std::string programFolder = "/opt/Earn Meter";
    ScreenSize screenSize{1024, 768};
    std::optional<std::string> modified = "07/12/2024 09:30";
};
