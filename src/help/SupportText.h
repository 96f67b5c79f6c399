#pragma once

#include "help/ProgramFacts.h"

#include <optional>
#include <string>
#include <string_view>

// The texts of the support mail and of the program information, built from
// their inputs so that every byte can be checked.
namespace SupportText {
// A pixel count in its shortest form: 1024, not 1024.0; 1366.5 stays 1366.5.
std::string pixelCount(float pixels);

// The program folder made safe inside a mailto: body. Only what would cut the
// address short or be misread (& # % ? +, control characters and non-ASCII bytes)
// is percent-encoded; spaces stay, so an ordinary folder reads as typed.
std::string encodeFolder(std::string_view folder);

// "Regarding%20Earnmeter%20" and the version.
std::string EmailSubject();

// Two empty lines, then the support information, percent-encoded, no final line break.
std::string EmailBody(std::string_view folder, ScreenSize screen);

// "mailto:" address "?subject=" subject "&body=" body.
std::string mailTarget(std::string_view address, std::string_view subject, std::string_view body);

// Eight CR LF separated lines: path, modified date and screen resolution.
std::string ProgramInfo(std::string_view folder, const std::optional<std::string>& modified, ScreenSize screen);
} // namespace SupportText
