#pragma once

#include "platform/tray/TrayActivation.h"
#include "platform/tray/TrayClicks.h"
#include "platform/tray/TrayIcon.h"

#include <QObject>
#include <QString>

#include <memory>

class QAction;
class QIcon;
class QMenu;

// The program's icon in the notification area with its menu. It knows nothing
// of what the program does: the owner fills the menu, sets tip and icon and
// answers the events. The icon is in the tray from construction until
// unload() or destruction.
class SysTray final : public QObject
{
    Q_OBJECT

public:
    static constexpr int LeftButton = TrayEvent::LeftButton;
    static constexpr int RightButton = TrayEvent::RightButton;

    // Puts the icon into the tray with the application's window icon and
    // `description` as its tip.
    explicit SysTray(const QString& description, QObject* parent = nullptr);
    // The same on another tray, such as a test's stand-in.
    SysTray(std::unique_ptr<TrayIcon> icon, const QString& description, QObject* parent = nullptr);
    ~SysTray() override;

    // The tip is cut to what the tray keeps (trayTip).
    void setToolTip(const QString& tip);
    QString toolTip() const { return m_tip; }

    // An icon with the cache key of the one shown is not sent again, so the
    // owner may set the same icon on every tick. A null icon is ignored.
    void setIcon(const QIcon& icon);

    // Appends an item and returns its index: 0 for the first, then one more
    // each time. A caption of "-" makes a separator. The default item is shown
    // in bold; until an item is added as the default, that is item 0.
    int AddMenuItem(const QString& caption, const QString& key = QString(), bool isDefault = false);

    // Pops the menu up at the mouse unless it is already open. Returns at
    // once; the chosen item arrives later as MenuClick.
    void ShowMenu();

    // Takes the icon out of the tray. The object stays usable but sends nothing more.
    void unload();

    // Whether the desktop has a tray now. While it has none the owner should
    // minimize windows instead of hiding them. Asked when needed rather than
    // watched, so nothing wakes the program; Qt docks the icon into a panel
    // that starts later by itself.
    bool available() const;

signals:
    // Qt reports neither button releases nor hovering over a tray icon: a
    // press and a double click are all an owner hears of the mouse.
    void SysTrayMouseDown(int button);
    void SysTrayDoubleClick(int button);
    // Queued, so that the owner may unload or delete the tray from its handler.
    void MenuClick(int index, const QString& key);

private:
    void createMenu();
    void load(const QString& description);
    void onActivated(QSystemTrayIcon::ActivationReason reason, std::chrono::milliseconds at);
    void onItemTriggered(QAction* item);
    void applyDefaultItem();

    // The menu outlives the icon that refers to it.
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<TrayIcon> m_icon;
    QString m_tip;
    qint64 m_iconKey = 0;
    TrayClicks m_clicks;
    int m_defaultIndex = 0;
    bool m_loaded = false;
};
