#pragma once

#include <QSystemTrayIcon>

#include <optional>

// What a click on the tray icon tells the program: an event and its button,
// 1 for the left and 2 for the right.
struct TrayEvent
{
    enum class Kind
    {
        MouseDown,
        DoubleClick
    };

    static constexpr int LeftButton = 1;
    static constexpr int RightButton = 2;

    Kind kind;
    int button;

    bool operator==(const TrayEvent&) const = default;
};

// Qt reports a left click (Trigger) and a left double click on the icon, and
// a right click (Context) as a request for the menu. A middle click or a
// reason Qt cannot name means nothing to the program.
std::optional<TrayEvent> trayEventFor(QSystemTrayIcon::ActivationReason reason);
