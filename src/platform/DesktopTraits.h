#pragma once

#include <QGuiApplication>

// What the window system lets a program do with its windows. Wayland tells a
// program neither where its windows stand nor whether the user minimized one,
// and offers no way to restore a minimized window from the program.
struct DesktopTraits
{
    bool reportsWindowPositions = true;
    bool restoresMinimizedWindows = true;

    static DesktopTraits ofThisSession()
    {
        const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
        return {!wayland, !wayland};
    }
};
