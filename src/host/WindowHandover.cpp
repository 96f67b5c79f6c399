#include "host/WindowHandover.h"

#include "engine/RunTimer.h"
#include "host/ChosenMoney.h"
#include "host/WindowPlacement.h"
#include "ui/advanced/AdvancedWindow.h"
#include "ui/main/MainWindow.h"

#include <QLocale>
#include <QTimer>

WindowHandover::WindowHandover(Parts parts) : m_parts(parts)
{
    m_main = std::make_unique<MainWindow>(m_parts.timer, m_parts.commands);
    m_main->setLocale(m_parts.locale);
    m_placement = std::make_unique<WindowPlacement>(*m_main);
}

WindowHandover::~WindowHandover() = default;

AdvancedWindow& WindowHandover::advanced()
{
    if (!m_advanced) {
        // It renders the run as the model holds it, whatever happened before it existed.
        m_advanced =
            std::make_unique<AdvancedWindow>(m_parts.timer, m_parts.wageTypes, m_parts.commands, m_main->hiddenMenu());
        m_advanced->setLocale(m_parts.locale);
        m_placement->attachAdvanced(*m_advanced);
        m_advanced->setTodayText(m_todayText);
        m_advanced->showCurrencySymbol(m_parts.money.symbol());
    }
    return *m_advanced;
}

QWidget& WindowHandover::live()
{
    if (m_parts.timer.liveWindow() == WindowId::Advanced)
        return advanced();
    return *m_main;
}

void WindowHandover::showLive()
{
    QWidget& window = live();
    // Where the program cannot restore a minimized window, nor even learn that
    // it is, a window shown afresh comes back in front.
    if (!m_parts.desktop.restoresMinimizedWindows && window.isVisible())
        window.hide();
    window.showNormal();
    window.raise();
    window.activateWindow();
}

void WindowHandover::switchWindows()
{
    QWidget* other =
        m_parts.timer.liveWindow() == WindowId::Advanced ? static_cast<QWidget*>(m_main.get()) : m_advanced.get();
    if (other)
        other->hide();
    showLive();
}

void WindowHandover::showFirst(bool minimized)
{
    QWidget& first = live();
    first.show();
    // Qt asks for a window's first map minimized in a way window managers
    // pass over (openbox, xfwm4 and i3 map it normal): minimized once mapped.
    if (minimized)
        QTimer::singleShot(0, &first, [&first] { first.showMinimized(); });
}

void WindowHandover::close(QWidget* window, bool trayAvailable)
{
    // With no tray to bring it back, a hidden window would be lost while the run
    // goes on; so would a minimized one where the desktop may have no task bar
    // and the program cannot restore it (Wayland): there it stays.
    if (trayAvailable)
        window->hide();
    else if (m_parts.desktop.restoresMinimizedWindows)
        window->showMinimized();
}

void WindowHandover::restoreMinimized()
{
    if (m_main->isMinimized())
        m_main->showNormal();
    else if (m_advanced && m_advanced->isMinimized())
        m_advanced->showNormal();
}

void WindowHandover::setTodayText(const QString& text)
{
    m_todayText = text;
    m_main->setTodayText(m_todayText);
    if (m_advanced)
        m_advanced->setTodayText(m_todayText);
}

void WindowHandover::showCurrencySymbol(const QString& symbol)
{
    m_main->showCurrencySymbol(symbol);
    if (m_advanced)
        m_advanced->showCurrencySymbol(symbol);
}
