#pragma once

#include "engine/Preferences.h"
#include "engine/RunTimer.h"
#include "engine/Settings.h"
#include "engine/WageTypes.h"
#include "help/Links.h"
#include "help/SupportEmail.h"
#include "host/AwayHost.h"
#include "host/ChosenMoney.h"
#include "host/HostServices.h"
#include "host/MeterControl.h"
#include "host/PromptAfterTray.h"
#include "host/TrayHost.h"
#include "host/WageMemory.h"
#include "host/WindowHandover.h"
#include "host/WorkingDayHost.h"
#include "storage/ConfigFile.h"
#include "storage/HistoryKeeper.h"
#include "storage/PreferencesFile.h"
#include "storage/StateFiles.h"
#include "ui/common/Commands.h"
#include "ui/history/HistoryWindow.h"

#include <QObject>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class AboutWindow;
class AdvancedWindow;
class MainWindow;
class OptionsDialog;
class PreferencesDialog;

// The program's hidden host: it owns the settings, the run, both working
// windows and the tray, runs start-up and shutdown, and carries out the shared
// commands. The files only report what they found; the host decides what the
// user is told. Its parts are defined by concern: Host.cpp builds it and
// follows the run, HostStartup.cpp starts it, HostExit.cpp ends it,
// SettingsChanges.cpp takes edited options and preferences, and
// WindowCommands.cpp carries out the windows' commands.
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
    MainWindow& mainWindow() { return m_windows->main(); }
    // Built on first use: most runs never leave the simple window.
    AdvancedWindow& advancedWindow() { return m_windows->advanced(); }
    TrayHost& trayHost() { return m_trayHost; }
    WorkingDayHost& workingDay() { return m_workingDay; }
    AwayHost& awayTime() { return m_away; }
    HistoryKeeper& history() { return m_history; }
    HistoryWindow& historyWindow();
    // The meter as the command line and D-Bus reach it.
    MeterControl& control() { return m_control; }
    OptionsDialog& options();
    PreferencesDialog& preferencesDialog();
    QWidget& liveWindow() { return m_windows->live(); }
    void showLiveWindow() { m_windows->showLive(); }

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
    // Host.cpp: the parts' wiring and what each second of the run brings.
    void buildWindows();
    TrayHost::Actions trayActions();
    MeterControl::Actions remoteActions();
    HistoryKeeper::Teller historyTeller();
    AwayHost::Parts awayParts();
    void followTheRun();
    void counted(int seconds);
    void stretchEnded();
    void checkpoint(std::int32_t elapsedSeconds);
    void tellCheckpointFailed(const std::string& reason);
    void showToday();
    QString todayText(const DayFigures& day) const;
    DayFigures dayFigures();
    void tell(const std::string& text, Message::Icon icon = Message::Icon::Exclamation);

    // HostStartup.cpp
    void tellStartNotices();
    std::int32_t readFilesAndAsk();
    bool readSettings();
    bool recreateSettings(const std::string& reason);
    void tellAboutSettings(const ConfigRead& read);
    void readPreferences();
    std::int32_t readStateFiles();
    void readWindowPlaces(std::vector<WriteResult>& rewrites);
    std::int32_t readPrevCount(std::vector<WriteResult>& rewrites);
    bool askToContinue(std::int32_t elapsedSeconds);
    std::optional<Date> savedCountDate();
    void takeCount(std::int32_t elapsedSeconds);
    void openToTheWorld();
    void refreshLoginStart();

    // HostExit.cpp
    WriteResult saveWindowPlaces();
    void saveCountQuietly();

    // SettingsChanges.cpp
    bool saveSettings(const Settings& settings);
    std::optional<Preferences> savePreferences(Preferences preferences);
    void switchLoginStart(Preferences& preferences);
    void usePreferences(const Preferences& preferences);
    void showCurrency();

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
    std::unique_ptr<WindowHandover> m_windows; // built once the money is set
    std::unique_ptr<OptionsDialog> m_options;
    std::unique_ptr<PreferencesDialog> m_preferencesDialog;
    std::unique_ptr<AboutWindow> m_about;
    std::unique_ptr<HistoryWindow> m_historyWindow;
    std::vector<Message> m_startNotices;
    bool m_countIsTheUsers = false;   // start-up has passed the continue question
    bool m_checkpointFailing = false; // told once; quiet until a write works again
    bool m_exiting = false;           // Yes or No was chosen, or the session ends: nothing counts any more
    bool m_endRequested = false;      // the session ended before start-up was through
};
