#include "host/Host.h"

#include "engine/ClipboardCopies.h"
#include "engine/Formats.h"
#include "host/DayWords.h"
#include "host/Messages.h"
#include "host/WindowPlacement.h"
#include "ui/about/AboutWindow.h"
#include "ui/advanced/AdvancedWindow.h"
#include "ui/common/Modality.h"
#include "ui/main/MainWindow.h"
#include "ui/options/OptionsDialog.h"
#include "ui/preferences/PreferencesDialog.h"

#include <QDate>
#include <QLocale>
#include <QTimer>

#include <cctype>
#include <utility>
#include <vector>

namespace {

// "Friday, 4 December 2026", as the user's locale writes a long date.
std::string longDate(Date date)
{
    return QLocale::system().toString(QDate(date.year(), date.month(), date.day()), QLocale::LongFormat).toStdString();
}

} // namespace

Host::Host(HostServices services)
    : m_services(std::move(services)), m_prompt(m_services.prompt, m_services.locale, [this] { m_trayHost.create(); }),
      m_money(m_services.locale), m_wageTypes(m_settings),
      m_timer(m_prompt, m_wageTypes, {m_services.runTick, m_services.blink}),
      m_control(m_timer,
                {[this] { showLiveWindow(); }, [this] { return !m_exiting; },
                 [this] {
                     return dayFigures();
                 }},
                m_money),
      m_config(m_services.files, m_services.dataFolder), m_stateFiles(m_services.files, m_services.dataFolder),
      m_preferencesFile(m_services.files, m_services.dataFolder), m_wage(m_timer, m_stateFiles, m_preferences),
      m_workingDay(m_timer, m_services.clock, m_services.notifier, m_preferences, m_money),
      m_links(m_services.shell, m_services.programFolder), m_support(m_services.shell, m_services.facts),
      m_trayHost(m_services.makeTray, trayActions(), m_money),
      m_history(
          m_services.clock,
          // Told from the event loop, not from inside the tick that found it.
          [this](const std::string& text) { QTimer::singleShot(0, this, [this, text] { tell(text); }); },
          m_services.openHistory),
      m_away(
          {m_timer, m_history, m_prompt, m_services.notifier, m_services.clock, m_preferences, m_services.away, [this] {
               m_trayHost.setEarnings(m_timer.totalEarned());
               showToday();
           }})
{
    m_wageTypes.setMoney(m_money);
    m_timer.setMoney(m_money);
    m_main = std::make_unique<MainWindow>(m_timer, *this);
    m_main->setLocale(m_services.locale);
    m_placement = std::make_unique<WindowPlacement>(*m_main);
    followTheRun();
}

void Host::followTheRun()
{
    m_timer.modeChanged.subscribe([this] { switchWindows(); });
    m_timer.ticked.subscribe([this](int seconds) {
        m_history.counted(m_timer.hourlyWage(), seconds);
        // One tip a second, with both its lines.
        m_trayHost.setEarnings(m_timer.totalEarned());
        showToday();
        m_workingDay.counted(m_history.todayFigure());
        m_away.counted(seconds);
    });
    m_timer.stretchEnded.subscribe([this] {
        m_history.close();
        m_away.stoppedCounting();
        // The countdown is shown only while counting.
        if (m_countIsTheUsers)
            showToday();
    });
    m_timer.checkpointDue.subscribe([this](std::int32_t elapsedSeconds) {
        checkpoint(elapsedSeconds);
        m_history.flush();
    });
}

Host::~Host() = default;

TrayHost::Actions Host::trayActions()
{
    // Start and pause reach the live window: the simple window's buttons would
    // count twice while the advanced one runs.
    return {[this] { showLiveWindow(); },
            [this] { m_timer.start(m_timer.liveWindow()); },
            [this] { m_timer.pause(m_timer.liveWindow()); },
            [this] { requestExit(); },
            [this] { showAbout(); },
            [this] {
                m_support.SendSupportEmail();
            }};
}

bool Host::start()
{
    for (const Message& notice : std::exchange(m_startNotices, {}))
        m_prompt.ask(notice);
    if (!readSettings())
        return false;
    readPreferences();
    const std::int32_t saved = readStateFiles();
    m_wage.restore();
    const bool keep = askToContinue(saved);
    if (m_endRequested) {
        // The count in memory is not the user's yet: the files stay as they are.
        m_trayHost.remove();
        return false;
    }
    m_countIsTheUsers = true;
    m_timer.restoreCount(keep ? saved : 0);
    m_wageTypes.showConfiguredRates();
    showFirstWindow();
    // Once the window is on its way: the tray's bus and X round trips need not delay it.
    m_trayHost.create();
    m_control.open();
    m_workingDay.begin();
    // The entry names this binary: one moved or upgraded keeps it right.
    if (m_preferences.startAtLogin)
        QTimer::singleShot(0, this, [this] {
            if (const WriteResult switched = m_services.loginStart.set(true); !switched.ok)
                m_services.warn("earnmeter: the start at login was not brought up to date: " + switched.reason);
        });
    // Today's figure opens the history, which an idle meter's start need not wait for.
    QTimer::singleShot(TodayDelayMs, this, [this] { showToday(); });
    return true;
}

void Host::sweepStaleFiles()
{
    for (std::string_view name : {ConfigFile::FileName, StateFiles::SavedFileName, StateFiles::PrevFileName,
                                  StateFiles::WageFileName, PreferencesFile::FileName})
        m_services.files.sweepTemporaries(pathInFolder(m_services.dataFolder, name));
}

// Only a missing file is a first start. One that is there but cannot be read is
// told, and the program goes on with the defaults, leaving the file as it is.
bool Host::readSettings()
{
    const ConfigRead read = m_config.read();
    if (read.outcome == ConfigRead::Outcome::Missing)
        return recreateSettings(read.problem);
    tellAboutSettings(read);
    m_settings = read.outcome == ConfigRead::Outcome::Unreadable ? Settings::defaults() : read.settings;
    m_timer.setLiveWindow(m_settings.StartInAdvancedMode ? WindowId::Advanced : WindowId::Main);
    return true;
}

// A first start writes the defaults, says so and ends.
bool Host::recreateSettings(const std::string& reason)
{
    m_prompt.ask(Messages::configOpenFailed(reason));
    m_prompt.ask(Messages::configRecreated());
    if (const WriteResult written = m_config.write(Settings::defaults()); !written.ok)
        tell(written.reason, Message::Icon::None);
    m_trayHost.remove();
    return false;
}

void Host::tellAboutSettings(const ConfigRead& read)
{
    switch (read.outcome) {
    case ConfigRead::Outcome::EmptyFile:
        m_prompt.ask(Messages::endOfFile(ConfigFile::FileName));
        break;
    case ConfigRead::Outcome::Damaged:
        m_prompt.ask(Messages::configDamaged(read.problem, read.kept));
        break;
    case ConfigRead::Outcome::Unreadable:
        m_prompt.ask(Messages::configOpenFailed(read.problem));
        break;
    case ConfigRead::Outcome::Updated:
        if (read.rewrite.ok)
            m_prompt.ask(Messages::updated());
        else
            tell(read.rewrite.reason);
        break;
    default:
        break;
    }
}

// A file that cannot be used is told once and left as it is: the program never
// writes it but when the user changes a preference.
void Host::readPreferences()
{
    const PreferencesRead read = m_preferencesFile.read();
    m_preferences = read.preferences;
    m_money.choose(m_preferences.currency);
    m_main->showCurrencySymbol(m_money.symbol());
    m_wageTypes.setWorkingWeek(m_preferences.workingWeek);
    m_away.preferencesChanged();
    if (read.outcome == PreferencesRead::Outcome::Unreadable)
        m_prompt.ask(Messages::preferencesUnreadable(read.reason));
    else if (!read.problems.empty())
        m_prompt.ask(Messages::preferencesProblems(read.problems));
}

// The windows go where Saved.ewg says and the count Prev.ewg holds is returned.
// An empty file is told; an unusable one is written afresh without a word,
// unless that write fails. A Prev.ewg that is there but cannot be read is told
// and left alone: its count is the user's, whatever the program can see of it.
std::int32_t Host::readStateFiles()
{
    using Outcome = StateRead<std::int32_t>::Outcome;
    std::vector<WriteResult> rewrites;
    const StateRead<WindowPositions> saved = m_stateFiles.ReadSaved();
    if (saved.outcome == StateRead<WindowPositions>::Outcome::Read)
        m_placement->apply(saved.value);
    else if (saved.outcome == StateRead<WindowPositions>::Outcome::EmptyFile)
        m_prompt.ask(Messages::endOfFile(StateFiles::SavedFileName));
    else
        rewrites.push_back(m_stateFiles.WriteSaved(m_placement->current()));
    const StateRead<std::int32_t> prev = m_stateFiles.ReadPrev();
    if (prev.outcome == Outcome::Unreadable)
        m_prompt.ask(Messages::openFailed(prev.problem));
    else if (prev.outcome == Outcome::EmptyFile)
        m_prompt.ask(Messages::endOfFile(StateFiles::PrevFileName));
    else if (prev.outcome == Outcome::Unusable)
        rewrites.push_back(m_stateFiles.WritePrev(0));
    for (const WriteResult& rewrite : rewrites)
        if (!rewrite.ok)
            tell(rewrite.reason);
    return prev.outcome == Outcome::Read ? prev.value : 0;
}

// A count from an earlier day is offered with its date, or taken or left as the
// preferences say; one from today is asked about as it always was.
bool Host::askToContinue(std::int32_t elapsedSeconds)
{
    if (elapsedSeconds <= 0)
        return false;
    const std::optional<Date> countedOn = savedCountDate();
    const bool earlier = countedOn && *countedOn < m_services.clock.now().localDate;
    if (earlier && m_preferences.newDay != NewDay::Ask)
        return m_preferences.newDay == NewDay::Continue;
    const std::string day = earlier ? longDate(*countedOn) : std::string();
    return m_prompt.ask(Messages::continueQuestion(elapsedSeconds, day)) == Answer::Yes;
}

// The history knows when the count was last counted; without one, Prev.ewg's
// time of writing stands in.
std::optional<Date> Host::savedCountDate()
{
    if (const std::optional<Date> last = m_history.lastCountedDate())
        return last;
    if (const std::optional<std::int64_t> written = m_stateFiles.PrevWrittenAt())
        return m_services.clock.localDateAt(*written);
    return std::nullopt;
}

void Host::showFirstWindow()
{
    QWidget& first = liveWindow();
    first.show();
    // Qt asks for a window's first map minimized in a way window managers
    // pass over (openbox, xfwm4 and i3 map it normal): minimized once mapped.
    if (m_settings.MinimizeOnStartup)
        QTimer::singleShot(0, &first, [&first] { first.showMinimized(); });
}

OptionsDialog& Host::options()
{
    if (!m_options)
        m_options = std::make_unique<OptionsDialog>(
            m_settings, m_prompt, [this](const Settings& edited) { return saveSettings(edited); }, m_services.locale);
    m_options->showCurrencySymbol(m_money.symbol());
    return *m_options;
}

// The options confirmed: written first, in force only once they are on disk.
bool Host::saveSettings(const Settings& settings)
{
    if (const WriteResult written = m_config.write(settings); !written.ok) {
        tell(written.reason, Message::Icon::None);
        return false;
    }
    m_settings = settings;
    m_wageTypes.showConfiguredRates();
    return true;
}

PreferencesDialog& Host::preferencesDialog()
{
    if (!m_preferencesDialog)
        m_preferencesDialog = std::make_unique<PreferencesDialog>(
            m_preferences, m_prompt, [this](const Preferences& edited) { return savePreferences(edited); },
            m_services.locale);
    m_preferencesDialog->showCurrencySymbol(m_money.symbol());
    return *m_preferencesDialog;
}

// As with the options: in force only once they are on disk. Earnmeter.conf is
// written here alone, never at exit. A login start that cannot be set is told,
// and the switch keeps its state.
std::optional<Preferences> Host::savePreferences(Preferences preferences)
{
    if (preferences.startAtLogin != m_preferences.startAtLogin) {
        if (const WriteResult switched = m_services.loginStart.set(preferences.startAtLogin); !switched.ok) {
            tell(tr("Earnmeter's start at login could not be changed: %1.")
                     .arg(QString::fromStdString(switched.reason))
                     .toStdString());
            preferences.startAtLogin = m_preferences.startAtLogin;
        }
    }
    if (const WriteResult written = m_preferencesFile.write(preferences); !written.ok) {
        tell(written.reason);
        return std::nullopt;
    }
    const bool newCurrency = preferences.currency != m_preferences.currency;
    m_preferences = preferences;
    m_wageTypes.setWorkingWeek(m_preferences.workingWeek);
    m_workingDay.preferencesChanged();
    m_away.preferencesChanged();
    if (newCurrency)
        showCurrency();
    return preferences;
}

AdvancedWindow& Host::advancedWindow()
{
    if (!m_advanced) {
        // It renders the run as the model holds it, whatever happened before it existed.
        m_advanced = std::make_unique<AdvancedWindow>(m_timer, m_wageTypes, *this, m_main->hiddenMenu());
        m_advanced->setLocale(m_services.locale);
        m_placement->attachAdvanced(*m_advanced);
        m_advanced->setTodayText(m_todayText);
        m_advanced->showCurrencySymbol(m_money.symbol());
    }
    return *m_advanced;
}

QWidget& Host::liveWindow()
{
    if (m_timer.liveWindow() == WindowId::Advanced)
        return advancedWindow();
    return *m_main;
}

void Host::showLiveWindow()
{
    QWidget& window = liveWindow();
    // Where the program cannot restore a minimized window, nor even learn that
    // it is, a window shown afresh comes back in front.
    if (!m_services.desktop.restoresMinimizedWindows && window.isVisible())
        window.hide();
    window.showNormal();
    window.raise();
    window.activateWindow();
}

void Host::switchWindows()
{
    QWidget* other =
        m_timer.liveWindow() == WindowId::Advanced ? static_cast<QWidget*>(m_main.get()) : m_advanced.get();
    if (other)
        other->hide();
    showLiveWindow();
}

// What today earned, where people look: the tray's second line and the
// tooltip of the total in both windows.
void Host::showToday()
{
    if (m_exiting)
        return;
    const DayFigures day = dayFigures();
    m_trayHost.showToday(day);
    m_todayText = DayWords::today(day.today, QString::fromStdString(m_money.amount(day.today.total.earned)));
    if (const QString progress =
            DayWords::progress(day, day.goal ? QString::fromStdString(m_money.amount(*day.goal)) : QString());
        !progress.isEmpty())
        m_todayText += QLatin1Char('\n') + progress;
    m_main->setTodayText(m_todayText);
    if (m_advanced)
        m_advanced->setTodayText(m_todayText);
}

// Every figure is written afresh in the currency now chosen.
void Host::showCurrency()
{
    m_money.choose(m_preferences.currency);
    m_wageTypes.showConfiguredRates();
    m_main->showCurrencySymbol(m_money.symbol());
    if (m_advanced)
        m_advanced->showCurrencySymbol(m_money.symbol());
    m_timer.setMoney(m_money);
    m_trayHost.moneyChanged(m_timer.totalEarned());
    showToday();
    if (m_historyWindow)
        m_historyWindow->setMoney(m_money);
    m_control.moneyChanged();
}

DayFigures Host::dayFigures()
{
    DayFigures figures = m_workingDay.figures(m_history.todayFigure());
    figures.away = m_away.away();
    return figures;
}

void Host::checkpoint(std::int32_t elapsedSeconds)
{
    // A crash keeps the wage too; a failure here is told by the next exit.
    m_wage.keep();
    const WriteResult written = m_stateFiles.WritePrev(elapsedSeconds);
    if (written.ok) {
        m_checkpointFailing = false;
        return;
    }
    if (m_checkpointFailing)
        return;
    m_checkpointFailing = true;
    // Not inside the tick: a modal box there would let further ticks run inside it.
    QTimer::singleShot(0, this, [this, reason = written.reason] {
        tell(reason + "\n\n" +
             tr("The elapsed time goes on counting; it will be saved again in five minutes.").toStdString());
    });
}

void Host::endSession()
{
    if (m_exiting)
        return;
    m_exiting = true;
    m_timer.stop();
    if (!m_countIsTheUsers) {
        m_endRequested = true;
        return;
    }
    saveCountQuietly();
}

void Host::commitData()
{
    if (!m_exiting && m_countIsTheUsers)
        saveCountQuietly();
}

// No box: as the session ends there is no one to answer it, and it would hold the end up.
void Host::saveCountQuietly()
{
    const WriteResult prev = m_stateFiles.WritePrev(m_timer.elapsedSeconds());
    const WriteResult wage = m_wage.keep();
    // One line for whatever was lost.
    std::string lost;
    const std::pair<const char*, const WriteResult*> saves[] = {{"the elapsed time was not saved in ", &prev},
                                                                {"the wage was not saved in ", &wage}};
    const std::string_view files[] = {StateFiles::PrevFileName, StateFiles::WageFileName};
    for (std::size_t i = 0; i < std::size(saves); ++i)
        if (!saves[i].second->ok)
            lost += std::string(lost.empty() ? "" : "; ") + saves[i].first +
                    pathInFolder(m_services.dataFolder, files[i]) + ": " + saves[i].second->cause;
    if (!lost.empty())
        m_services.warn("earnmeter: " + lost);
}

void Host::ExitProgram(bool save)
{
    // From the answer on nothing counts, so only the count chosen is written.
    m_exiting = true;
    m_timer.stop();
    if (m_main->isMinimized())
        m_main->showNormal();
    else if (m_advanced && m_advanced->isMinimized())
        m_advanced->showNormal();
    if (!m_settings.SavePositionOnExit)
        m_placement->apply(WindowPositions{});

    // A window system that keeps window positions to itself (Wayland) would have
    // numbers it never honoured saved: the file keeps the places it last held.
    const bool placesKnown = m_services.desktop.reportsWindowPositions || !m_settings.SavePositionOnExit;
    const WriteResult saved = placesKnown ? m_stateFiles.WriteSaved(m_placement->current()) : WriteResult::done();

    const WriteResult prev = m_stateFiles.WritePrev(save ? m_timer.elapsedSeconds() : 0);
    const WriteResult wage = m_wage.keep();
    for (const WriteResult* result : {&saved, &prev, &wage})
        if (!result->ok)
            tell(result->reason);
    m_trayHost.remove();
    m_services.quit();
}

void Host::requestExit()
{
    if (m_timer.elapsedSeconds() == 0) {
        ExitProgram(false);
        return;
    }
    const Answer answer = m_prompt.ask(Messages::saveQuestion());
    if (answer == Answer::Yes)
        ExitProgram(true);
    else if (answer == Answer::No)
        ExitProgram(false);
}

void Host::tell(const std::string& text, Message::Icon icon)
{
    m_prompt.ask(Messages::failure(text, icon));
}

void Host::resetTimer()
{
    m_timer.reset();
}

void Host::showOptions()
{
    Modality::blockOnly(options(), &liveWindow());
    options().exec();
}

void Host::showPreferences()
{
    // The window says how time away is noticed: the desktop is asked first.
    m_services.away.watch(std::int64_t{m_preferences.awayMinutes} * 60);
    preferencesDialog().setAwayWays(m_services.away.ways());
    Modality::blockOnly(preferencesDialog(), &liveWindow());
    preferencesDialog().exec();
}

HistoryWindow& Host::historyWindow()
{
    if (!m_historyWindow) {
        m_historyWindow =
            std::make_unique<HistoryWindow>(m_history, m_services.files, m_prompt, m_services.chooseExportFile);
        m_historyWindow->setMoney(m_money);
    }
    return *m_historyWindow;
}

void Host::showHistory()
{
    HistoryWindow& window = historyWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void Host::copyElapsed()
{
    CopyElapsedToClipboard(m_timer.elapsedSeconds(), m_services.clipboard);
}

void Host::copyWage()
{
    CopyWageToClipboard(m_timer.totalEarned(), m_services.clipboard);
}

void Host::sendSupportEmail(QWidget*)
{
    m_support.SendSupportEmail();
}

void Host::openWebPage()
{
    m_links.OpenWebPage();
}

void Host::openDonatePage()
{
    m_links.OpenDonatePage();
}

void Host::openReadme()
{
    m_links.OpenReadme();
}

void Host::showAbout()
{
    if (!m_about)
        m_about = std::make_unique<AboutWindow>(m_prompt, m_links, m_support);
    Modality::blockOnly(*m_about, &liveWindow());
    m_about->ShowAbout();
}

void Host::closeWindow(QWidget* window)
{
    // With no tray to bring it back, a hidden window would be lost while the run
    // goes on; so would a minimized one where the desktop may have no task bar
    // and the program cannot restore it (Wayland): there it stays.
    if (m_trayHost.available())
        window->hide();
    else if (m_services.desktop.restoresMinimizedWindows)
        window->showMinimized();
}
