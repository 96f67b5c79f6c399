#pragma once

#include "help/ShellOpen.h"

#include <QUrl>

// Opens documents through the desktop's URL handlers (xdg-open and friends).
class QtShellOpen final : public ShellOpen
{
public:
    bool openAddress(const std::string& address) override;
    bool openFile(const std::string& path) override;

    // The URLs as the desktop receives them (their toEncoded() form).
    static QUrl addressUrl(const std::string& address);
    static QUrl fileUrl(const std::string& path);
};
