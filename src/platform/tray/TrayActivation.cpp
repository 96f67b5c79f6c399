#include "platform/tray/TrayActivation.h"

std::optional<TrayEvent> trayEventFor(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return TrayEvent{TrayEvent::Kind::MouseDown, TrayEvent::LeftButton};
    case QSystemTrayIcon::DoubleClick:
        return TrayEvent{TrayEvent::Kind::DoubleClick, TrayEvent::LeftButton};
    case QSystemTrayIcon::Context:
        return TrayEvent{TrayEvent::Kind::MouseDown, TrayEvent::RightButton};
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
    return std::nullopt;
}
