#pragma once

#include "help/ShellOpen.h"

#include <string>
#include <vector>

// Remembers what would have been handed to the desktop.
struct RecordingShellOpen final : ShellOpen
{
    bool openAddress(const std::string& address) override { return addresses.push_back(address), true; }
    bool openFile(const std::string& path) override { return files.push_back(path), true; }

    std::vector<std::string> addresses, files;
};
