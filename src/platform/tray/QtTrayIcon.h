#pragma once

#include "platform/tray/TrayIcon.h"

#include <QSystemTrayIcon>

// The tray icon as Qt draws it: an XEMBED icon in the panel, or a
// StatusNotifierItem over D-Bus where the session has a watcher for one.
class QtTrayIcon final : public TrayIcon
{
public:
    QtTrayIcon() = default;
    QtTrayIcon(const QtTrayIcon&) = delete;
    QtTrayIcon& operator=(const QtTrayIcon&) = delete;

    void show(const QIcon& icon, const QString& tip) override;
    void setIcon(const QIcon& icon) override;
    void setToolTip(const QString& tip) override;
    void setMenu(QMenu* menu) override;
    void hide() override;
    bool available() const override;
    void onActivated(ActivationHandler handler) override;

private:
    QSystemTrayIcon m_icon;
};
