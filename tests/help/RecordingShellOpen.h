#pragma once

#include "help/ShellOpen.h"

#include <string>
#include <vector>

// Remembers what would have been handed to the desktop.
class RecordingShellOpen final : public ShellOpen
{
public:
    bool openAddress(const std::string& address) override
    {
        addresses.push_back(address);
        return true;
    }

    bool openFile(const std::string& path) override
    {
        files.push_back(path);
        return true;
    }

    std::vector<std::string> addresses;
    std::vector<std::string> files;
};
