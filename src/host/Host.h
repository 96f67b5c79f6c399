#pragma once

#include "engine/Clipboard.h"
#include "engine/Prompt.h"
#include "engine/RunState.h"
#include "engine/RunTimer.h"
#include "engine/Ticker.h"
#include "engine/WageTypes.h"
#include "ui/common/Commands.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class AdvancedWindow;
class MainWindow;

// What the host reaches the world through; tests hand in fakes.
struct HostServices
{
    Prompt& prompt;
    Clipboard& clipboard;
    Ticker& mainTick;
    Ticker& advancedTick;
    Ticker& blink;
    QString dataFolder;
    std::function<void()> quit;
};

// The program's hidden host: it owns the run state and both working windows,
// runs start-up and shutdown, and carries out the commands of menus and tray.
class Host final : public QObject, public Commands
{
    Q_OBJECT

public:
    explicit Host(HostServices services);
    ~Host() override;

    // The start-up sequence; false when the program is to end right away.
    bool start();
    void ExitProgram(bool save);

    RunState& state() { return m_state; }
    RunTimer& runTimer() { return m_timer; }
    MainWindow& mainWindow() { return *m_main; }
    AdvancedWindow& advancedWindow() { return *m_advanced; }
    QWidget& liveWindow();
    void showLiveWindow();

    // Commands
    void resetTimer() override;
    void showOptions() override;
    void requestExit() override;
    void copyElapsed() override;
    void copyWage() override;
    void sendSupportEmail(QWidget* owner) override;
    void openWebPage() override;
    void openDonatePage() override;
    void openReadme() override;
    void showAbout() override;
    void closeWindow(QWidget* window) override;

private:
    void switchWindows();

    HostServices m_services;
    RunState m_state;
    WageTypes m_wageTypes;
    RunTimer m_timer;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<AdvancedWindow> m_advanced;
    bool m_exiting = false;
};
