#include "platform/tray/QtTrayIcon.h"

#include "platform/tray/ThemeNamedIcon.h"

#include <QIcon>
#include <QMenu>

#include <utility>

void QtTrayIcon::show(const QIcon& icon, const QString& tip)
{
    m_icon.setIcon(icon);
    m_icon.setToolTip(tip);
    // Shown even without a tray: on X11 Qt then watches for a panel that
    // starts later and docks the icon into it by itself.
    m_icon.show();
    // Only now: Qt warns of a tray icon shown while its icon reports empty.
    setIcon(icon);
}

void QtTrayIcon::setIcon(const QIcon& icon)
{
    m_icon.setIcon(themeNamedIcon(icon, QStringLiteral("earnmeter")).value_or(icon));
}

void QtTrayIcon::setToolTip(const QString& tip)
{
    m_icon.setToolTip(tip);
}

void QtTrayIcon::setMenu(QMenu* menu)
{
    m_icon.setContextMenu(menu);
}

void QtTrayIcon::hide()
{
    m_icon.hide();
}

bool QtTrayIcon::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::onActivated(ActivationHandler handler)
{
    QObject::connect(&m_icon, &QSystemTrayIcon::activated, &m_icon,
                     [handler = std::move(handler)](QSystemTrayIcon::ActivationReason reason) {
                         const auto now = std::chrono::steady_clock::now().time_since_epoch();
                         handler(reason, std::chrono::duration_cast<std::chrono::milliseconds>(now));
                     });
}
