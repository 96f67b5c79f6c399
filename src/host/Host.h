#pragma once

#include "engine/Clipboard.h"
#include "engine/Prompt.h"
#include "engine/RunTimer.h"
#include "engine/Settings.h"
#include "engine/Ticker.h"
#include "engine/WageTypes.h"
#include "help/Links.h"
#include "help/SupportEmail.h"
#include "host/MeterControl.h"
#include "host/TrayHost.h"
#include "storage/ConfigFile.h"
#include "storage/StateFiles.h"
#include "ui/common/Commands.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class AboutWindow;
class AdvancedWindow;
class MainWindow;
class OptionsDialog;
class WindowPlacement;

// What the host reaches the world through; tests hand in fakes.
struct HostServices
{
    Prompt& prompt;
    Clipboard& clipboard;
    ShellOpen& shell;
    const ProgramFacts& facts;
    FileSystem& files;
    Ticker& runTick;
    Ticker& blink;
    std::string dataFolder;    // where the settings and state files live
    std::string programFolder; // where the executable and Readme.html lie
    TrayHost::TrayFactory makeTray;
    std::function<void()> quit; // ends the process; nothing runs after it
};

// The program's hidden host: it owns the settings, the run, both working
// windows and the tray, runs start-up and shutdown, and carries out the shared
// commands. The files only report what they found; the host decides what the
// user is told.
class Host final : public QObject, public Commands
{
    Q_OBJECT

public:
    explicit Host(HostServices services);
    ~Host() override;

    // The start-up sequence; false when the program is to end right away.
    bool start();
    void ExitProgram(bool save);
    // The session ends or the process is told to stop: keep the count, ask nothing.
    void saveCountAtSessionEnd();

    const Settings& settings() const { return m_settings; }
    RunTimer& runTimer() { return m_timer; }
    MainWindow& mainWindow() { return *m_main; }
    // Built on first use: most runs never leave the simple window.
    AdvancedWindow& advancedWindow();
    TrayHost& trayHost() { return m_trayHost; }
    // The meter as the command line and D-Bus reach it.
    MeterControl& control() { return m_control; }
    OptionsDialog& options();
    QWidget& liveWindow();
    void showLiveWindow();

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
    bool readSettings();
    bool recreateSettings(const std::string& reason);
    void tellAboutSettings(const ConfigRead& read);
    std::int32_t readStateFiles();
    bool askToContinue(std::int32_t elapsedSeconds);
    void showFirstWindow();
    bool saveSettings(const Settings& settings);
    void switchWindows();
    void checkpoint(std::int32_t elapsedSeconds);
    void tell(const std::string& text, Message::Icon icon = Message::Icon::Exclamation);
    TrayHost::Actions trayActions();

    HostServices m_services;
    Settings m_settings;
    WageTypes m_wageTypes;
    RunTimer m_timer;
    MeterControl m_control;
    ConfigFile m_config;
    StateFiles m_stateFiles;
    Links m_links;
    SupportEmail m_support;
    TrayHost m_trayHost;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<AdvancedWindow> m_advanced;
    std::unique_ptr<WindowPlacement> m_placement;
    std::unique_ptr<OptionsDialog> m_options;
    std::unique_ptr<AboutWindow> m_about;
    bool m_countIsTheUsers = false;   // start-up has passed the continue question
    bool m_checkpointFailing = false; // told once; quiet until a write works again
    bool m_exiting = false;
    bool m_endRequested = false; // the session ended before start-up was through
};
