#pragma once

#include "platform/tray/TrayIcon.h"

#include <QIcon>
#include <QString>

#include <functional>
#include <utility>

// What reached the panel, kept by the test so that it outlives the tray that
// owns the fake.
struct TrayPanel
{
    bool available = true;
    bool shown = false;
    qint64 iconKey = 0;
    QString tip;
    QMenu* menu = nullptr;
    int iconSends = 0;
    int tipSends = 0;
    std::function<void(QSystemTrayIcon::ActivationReason)> click;
};

class FakeTrayIcon final : public TrayIcon
{
public:
    explicit FakeTrayIcon(TrayPanel& panel) : m_panel(panel) {}

    void show(const QIcon& icon, const QString& tip) override
    {
        m_panel.shown = true;
        m_panel.iconKey = icon.cacheKey();
        m_panel.tip = tip;
    }
    void setIcon(const QIcon& icon) override
    {
        m_panel.iconKey = icon.cacheKey();
        ++m_panel.iconSends;
    }
    void setToolTip(const QString& tip) override
    {
        m_panel.tip = tip;
        ++m_panel.tipSends;
    }
    void setMenu(QMenu* menu) override { m_panel.menu = menu; }
    void hide() override { m_panel.shown = false; }
    bool available() const override { return m_panel.available; }
    void onActivated(std::function<void(QSystemTrayIcon::ActivationReason)> handler) override
    {
        m_panel.click = std::move(handler);
    }

private:
    TrayPanel& m_panel;
};
