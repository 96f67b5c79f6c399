#pragma once

#include "platform/tray/TrayActivation.h"

#include <QSystemTrayIcon>

#include <chrono>
#include <optional>

// Turns the icon's activations, with the time each came, into the owner's
// events. Where Qt draws the icon (XEMBED) it tells a double click itself; a
// StatusNotifierItem panel (Plasma, XFCE, GNOME's AppIndicator extension)
// sends one activation per click, so a second left click within the
// desktop's double-click interval is taken as a double click.
class TrayClicks final
{
public:
    using Milliseconds = std::chrono::milliseconds;

    std::optional<TrayEvent> next(QSystemTrayIcon::ActivationReason reason, Milliseconds at, Milliseconds interval);

private:
    std::optional<Milliseconds> m_lastClick; // a single left click that a second may complete
};
