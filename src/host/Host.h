#pragma once

#include "engine/Clipboard.h"
#include "engine/Preferences.h"
#include "engine/Prompt.h"
#include "engine/RunTimer.h"
#include "engine/Settings.h"
#include "engine/Ticker.h"
#include "engine/WageTypes.h"
#include "help/Links.h"
#include "help/SupportEmail.h"
#include "platform/DesktopTraits.h"
#include "host/AwayHost.h"
#include "host/ChosenMoney.h"
#include "host/MeterControl.h"
#include "host/PromptAfterTray.h"
#include "host/TrayHost.h"
#include "host/WageMemory.h"
#include "host/WorkingDayHost.h"
#include "storage/ConfigFile.h"
#include "storage/HistoryKeeper.h"
#include "storage/LoginStart.h"
#include "storage/PreferencesFile.h"
#include "storage/StateFiles.h"
#include "ui/history/HistoryWindow.h"
#include "ui/common/Commands.h"

#include <QLocale>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class AboutWindow;
class AdvancedWindow;
class MainWindow;
class OptionsDialog;
class PreferencesDialog;
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
    const Clock& clock;        // the date and time the history files each second under
    DesktopNotifier& notifier; // what the working day tells
    LoginStart& loginStart;    // the desktop's start of the program at login
    AwaySource& away;          // what the desktop tells of the user's absence
    std::string dataFolder;    // where the settings and state files live
    std::string programFolder; // where the executable and Readme.html lie
    TrayHost::TrayFactory makeTray;
    std::function<void()> quit; // ends the process; nothing runs after it
    // What no one is there to be asked about, such as a failed save as the
    // session ends: standard error.
    std::function<void(const std::string&)> warn;
    HistoryKeeper::Opener openHistory; // the history file, opened once the first window shows
    HistoryWindow::ChooseFile chooseExportFile;
    DesktopTraits desktop = DesktopTraits::ofThisSession();
    // The desktop's: how money is written in a chosen currency, and how the wage
    // and amount boxes read and show numbers.
    QLocale locale = QLocale::system();
};

// The program's hidden host: it owns the settings, the run, both working
// windows and the tray, runs start-up and shutdown, and carries out the shared
// commands. The files only report what they found; the host decides what the
// user is told.
class Host final : public QObject, public Commands
{
    Q_OBJECT

public:
    // How long after start-up an idle meter first shows today's figure.
    static constexpr int TodayDelayMs = 3000;

    explicit Host(HostServices services);
    ~Host() override;

    // Only the copy that holds the data folder's lock: what a crashed copy left
    // half written goes, before start-up reads the files.
    void sweepStaleFiles();
    // Told in a box as start-up begins, once the tray icon is there (what the
    // program found before the host was built: the lock, the control channel).
    void tellAtStart(const Message& message) { m_startNotices.push_back(message); }
    // The start-up sequence; false when the program is to end right away.
    bool start();
    void ExitProgram(bool save);
    // The process is told to stop (the session ends): the count is kept, once,
    // and nothing asks; the caller ends the program.
    void endSession();
    // The desktop saves its data before a logout that may still be cancelled.
    void commitData();

    const Settings& settings() const { return m_settings; }
    const Preferences& preferences() const { return m_preferences; }
    RunTimer& runTimer() { return m_timer; }
    MainWindow& mainWindow() { return *m_main; }
    // Built on first use: most runs never leave the simple window.
    AdvancedWindow& advancedWindow();
    TrayHost& trayHost() { return m_trayHost; }
    WorkingDayHost& workingDay() { return m_workingDay; }
    AwayHost& awayTime() { return m_away; }
    HistoryKeeper& history() { return m_history; }
    HistoryWindow& historyWindow();
    // The meter as the command line and D-Bus reach it.
    MeterControl& control() { return m_control; }
    OptionsDialog& options();
    PreferencesDialog& preferencesDialog();
    QWidget& liveWindow();
    void showLiveWindow();

    void resetTimer() override;
    void showOptions() override;
    void showPreferences() override;
    void showHistory() override;
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
    void readPreferences();
    bool recreateSettings(const std::string& reason);
    void tellAboutSettings(const ConfigRead& read);
    std::int32_t readStateFiles();
    bool askToContinue(std::int32_t elapsedSeconds);
    std::optional<Date> savedCountDate();
    void showFirstWindow();
    bool saveSettings(const Settings& settings);
    std::optional<Preferences> savePreferences(Preferences preferences);
    void switchWindows();
    void checkpoint(std::int32_t elapsedSeconds);
    void showToday();
    DayFigures dayFigures();
    void followTheRun();
    void saveCountQuietly();
    void tell(const std::string& text, Message::Icon icon = Message::Icon::Exclamation);
    void showCurrency();
    TrayHost::Actions trayActions();

    HostServices m_services;
    PromptAfterTray m_prompt;
    Settings m_settings;
    ChosenMoney m_money;
    WageTypes m_wageTypes;
    RunTimer m_timer;
    MeterControl m_control;
    ConfigFile m_config;
    StateFiles m_stateFiles;
    PreferencesFile m_preferencesFile;
    Preferences m_preferences;
    WageMemory m_wage;
    WorkingDayHost m_workingDay;
    Links m_links;
    SupportEmail m_support;
    TrayHost m_trayHost;
    HistoryKeeper m_history;
    AwayHost m_away;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<AdvancedWindow> m_advanced;
    std::unique_ptr<WindowPlacement> m_placement;
    std::unique_ptr<OptionsDialog> m_options;
    std::unique_ptr<PreferencesDialog> m_preferencesDialog;
    std::unique_ptr<AboutWindow> m_about;
    std::unique_ptr<HistoryWindow> m_historyWindow;
    QString m_todayText;
    std::vector<Message> m_startNotices;
    bool m_countIsTheUsers = false;   // start-up has passed the continue question
    bool m_checkpointFailing = false; // told once; quiet until a write works again
    bool m_exiting = false;           // Yes or No was chosen, or the session ends: nothing counts any more
    bool m_endRequested = false;      // the session ended before start-up was through
};
