#pragma once

#include "platform/tray/TrayIcon.h"

#include <QIcon>
#include <QString>

#include <chrono>
#include <functional>

// What reached the panel; the test keeps it, so it outlives the tray that owns the fake.
struct TrayPanel
{
    bool available = true, shown = false;
    qint64 iconKey = 0;
    QString tip;
    QMenu* menu = nullptr;
    int iconSends = 0, tipSends = 0;
    std::chrono::milliseconds now{0}; // when the next click comes, moved on by hand
    TrayIcon::ActivationHandler activated;
    void click(QSystemTrayIcon::ActivationReason reason) { activated(reason, now); }
};

struct FakeTrayIcon final : TrayIcon
{
    explicit FakeTrayIcon(TrayPanel& panel) : panel(panel) {}

    void show(const QIcon& icon, const QString& tip) override
    {
        panel.shown = true, panel.iconKey = icon.cacheKey(), panel.tip = tip;
    }
    void setIcon(const QIcon& icon) override { panel.iconKey = icon.cacheKey(), ++panel.iconSends; }
    void setToolTip(const QString& tip) override { panel.tip = tip, ++panel.tipSends; }
    void setMenu(QMenu* menu) override { panel.menu = menu; }
    void hide() override { panel.shown = false; }
    bool available() const override { return panel.available; }
    void onActivated(ActivationHandler handler) override { panel.activated = std::move(handler); }

    TrayPanel& panel;
};
