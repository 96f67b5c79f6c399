#pragma once

#include <QSystemTrayIcon>

#include <chrono>
#include <functional>

class QMenu;

// The one icon the program keeps in the desktop's notification area. The
// program talks to Qt's tray icon; tests record what would reach the panel.
class TrayIcon
{
public:
    virtual ~TrayIcon() = default;

    virtual void show(const QIcon& icon, const QString& tip) = 0;
    virtual void setIcon(const QIcon& icon) = 0;
    virtual void setToolTip(const QString& tip) = 0;
    virtual void setMenu(QMenu* menu) = 0;
    virtual void hide() = 0;

    // Whether the desktop has a notification area to put the icon into.
    virtual bool available() const = 0;

    // Each activation comes with the time it was seen, on a steady clock.
    using ActivationHandler = std::function<void(QSystemTrayIcon::ActivationReason, std::chrono::milliseconds)>;
    virtual void onActivated(ActivationHandler handler) = 0;
};
