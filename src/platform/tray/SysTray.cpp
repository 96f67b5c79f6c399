#include "platform/tray/SysTray.h"

#include "platform/tray/QtTrayIcon.h"
#include "platform/tray/TrayTip.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QStyle>
#include <QStyleHints>

#include <utility>

namespace {
QIcon startIcon()
{
    const QIcon windowIcon = QApplication::windowIcon();
    if (!windowIcon.isNull())
        return windowIcon;
    // Without any icon the tray would show an empty, unclickable-looking slot.
    return QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
}
} // namespace

SysTray::SysTray(const QString& description, QObject* parent)
    : SysTray(std::make_unique<QtTrayIcon>(), description, parent)
{}

SysTray::SysTray(std::unique_ptr<TrayIcon> icon, const QString& description, QObject* parent)
    : QObject(parent), m_menu(std::make_unique<QMenu>()), m_icon(std::move(icon))
{
    createMenu();
    load(description);
}

SysTray::~SysTray()
{
    unload();
}

void SysTray::createMenu()
{
    m_menu->setObjectName(QStringLiteral("mnuPopup"));
    m_menu->setTitle(tr("&Popup"));
    // Queued: the owner's handler may take the tray down, menu included,
    // which must not happen while the menu is still delivering the click.
    connect(m_menu.get(), &QMenu::triggered, this, &SysTray::onItemTriggered, Qt::QueuedConnection);
}

void SysTray::load(const QString& description)
{
    const QIcon icon = startIcon();
    m_iconKey = icon.cacheKey();
    m_tip = trayTip(description);
    m_icon->setMenu(m_menu.get());
    m_icon->onActivated(
        [this](QSystemTrayIcon::ActivationReason reason, std::chrono::milliseconds at) { onActivated(reason, at); });
    m_icon->show(icon, m_tip);
    m_loaded = true;
}

void SysTray::unload()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    m_menu->hide();
    m_icon->hide();
}

void SysTray::setToolTip(const QString& tip)
{
    // The tray's limit holds for each line of a tip.
    QStringList lines = tip.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = trayTip(line);
    m_tip = lines.join(QLatin1Char('\n'));
    if (m_loaded)
        m_icon->setToolTip(m_tip);
}

void SysTray::setIcon(const QIcon& icon)
{
    if (icon.isNull() || icon.cacheKey() == m_iconKey)
        return;
    m_iconKey = icon.cacheKey();
    if (m_loaded)
        m_icon->setIcon(icon);
}

int SysTray::AddMenuItem(const QString& caption, const QString& key, bool isDefault)
{
    const int index = static_cast<int>(m_menu->actions().size());
    // A "-" caption is a separator line; a separator with text would show as a section heading.
    const bool separator = caption == QLatin1String("-");
    QAction* item = m_menu->addAction(separator ? QString() : caption);
    item->setObjectName(QStringLiteral("mnuSysTray%1").arg(index));
    item->setSeparator(separator);
    item->setData(key);
    if (isDefault)
        m_defaultIndex = index;
    applyDefaultItem();
    return index;
}

void SysTray::applyDefaultItem()
{
    const QList<QAction*> items = m_menu->actions();
    m_menu->setDefaultAction(m_defaultIndex < items.size() ? items.at(m_defaultIndex) : nullptr);
}

// One right click must give one menu, whoever draws it:
// - XEMBED tray (X11 panels; Qt draws the icon): Qt pops the context menu up
//   itself on the right button's press and only then reports Context, so the
//   owner's ShowMenu finds the menu open and leaves it alone.
// - StatusNotifierItem (Qt picks it when the session bus has a watcher): the
//   menu is exported over D-Bus and the panel draws it. Panels that import a
//   menu (Plasma) call ContextMenu, and so raise Context, only for items that
//   have none; any other panel would get Qt's menu from ShowMenu.
// The menu is therefore always the icon's context menu: that also keeps
// "open" reachable on panels that offer no double click. The bold default is
// Qt's own drawing; a panel drawing the exported menu may show it plain.
void SysTray::ShowMenu()
{
    if (!m_loaded || m_menu->isVisible() || m_menu->isEmpty())
        return;
    m_menu->popup(QCursor::pos());
}

void SysTray::onActivated(QSystemTrayIcon::ActivationReason reason, std::chrono::milliseconds at)
{
    // Asked each time: the user may change the interval while the program runs.
    const std::chrono::milliseconds interval(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    const std::optional<TrayEvent> event = m_clicks.next(reason, at, interval);
    if (!event)
        return;
    switch (event->kind) {
    case TrayEvent::Kind::MouseDown:
        emit SysTrayMouseDown(event->button);
        break;
    case TrayEvent::Kind::DoubleClick:
        emit SysTrayDoubleClick(event->button);
        break;
    }
}

void SysTray::onItemTriggered(QAction* item)
{
    const auto index = m_menu->actions().indexOf(item);
    if (index < 0)
        return;
    emit MenuClick(static_cast<int>(index), item->data().toString());
}

bool SysTray::available() const
{
    return m_loaded && m_icon->available();
}
