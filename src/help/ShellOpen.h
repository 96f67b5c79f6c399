#pragma once

#include <string>

// Hands a document to the desktop, which opens it in the user's default program
// without the caller waiting. The result says whether the desktop took it; the
// help commands ignore it, as a missing browser or file is not worth a message.
class ShellOpen
{
public:
    virtual ~ShellOpen() = default;

    // A web or mailto: address, percent-encoded exactly as it should reach the program.
    virtual bool openAddress(const std::string& address) = 0;
    // A file on this machine by its plain UTF-8 path.
    virtual bool openFile(const std::string& path) = 0;
};
