#include "engine/Version.h"

std::string VersionText(int major, int minor, int revision)
{
    std::string text = std::to_string(major) + "." + std::to_string(minor);
    if (revision != 0)
        text += std::to_string(revision);
    return text;
}

std::string VersionText()
{
    return VersionText(Version::Major, Version::Minor, Version::Revision);
}
