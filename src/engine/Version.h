#pragma once

#include <string>

// The program's version information, shown in captions, files and mail.
namespace Version {
inline constexpr const char* ProductName = "Earnmeter";
inline constexpr const char* FileDescription = "Earnmeter: How much money did you make today?";
inline constexpr int Major = 2;
inline constexpr int Minor = 5;
inline constexpr int Revision = 0;
} // namespace Version

// "2.5" for this build; a revision is appended with no separator: 2, 5, 3 gives "2.53".
std::string VersionText(int major, int minor, int revision);
std::string VersionText();
