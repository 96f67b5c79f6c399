#pragma once

#include "platform/DesktopTraits.h"

#include <QString>

#include <memory>

class AdvancedWindow;
class ChosenMoney;
class Commands;
class MainWindow;
class QLocale;
class QWidget;
class RunTimer;
class WageTypes;
class WindowPlacement;

// The two working windows and the hand-over between them: the simple window is
// there from the start, the advanced one is built on first use, and the one the
// run calls live is the one shown. Both show the same today text and currency.
class WindowHandover
{
public:
    struct Parts
    {
        RunTimer& timer;
        WageTypes& wageTypes;
        Commands& commands;
        const ChosenMoney& money;
        const QLocale& locale;
        const DesktopTraits& desktop;
    };

    explicit WindowHandover(Parts parts);
    ~WindowHandover();
    WindowHandover(const WindowHandover&) = delete;
    WindowHandover& operator=(const WindowHandover&) = delete;

    MainWindow& main() { return *m_main; }
    // Built on first use: most runs never leave the simple window.
    AdvancedWindow& advanced();
    QWidget& live();
    void showLive();
    // The run changed windows: the other one hides.
    void switchWindows();
    void showFirst(bool minimized);
    void close(QWidget* window, bool trayAvailable);
    // As exit begins: a minimized window shows, so its place can be kept.
    void restoreMinimized();
    WindowPlacement& placement() { return *m_placement; }
    void setTodayText(const QString& text);
    void showCurrencySymbol(const QString& symbol);

private:
    Parts m_parts;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<AdvancedWindow> m_advanced;
    std::unique_ptr<WindowPlacement> m_placement;
    QString m_todayText;
};
