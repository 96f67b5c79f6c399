#include "host/Host.h"

#include "host/Messages.h"
#include "host/WindowPlacement.h"
#include "ui/main/MainWindow.h"

#include <QDate>
#include <QLocale>
#include <QTimer>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Start-up: the files are read and what they held is told, the continue
// question asked, and the first window, the tray and the channels opened.

namespace {

// "Friday, 4 December 2026", as the user's locale writes a long date.
std::string longDate(Date date)
{
    return QLocale::system().toString(QDate(date.year(), date.month(), date.day()), QLocale::LongFormat).toStdString();
}

// What the user is told of a settings file that was there, if anything.
std::optional<Message> settingsNotice(const ConfigRead& read)
{
    switch (read.outcome) {
    case ConfigRead::Outcome::EmptyFile:
        return Messages::endOfFile(ConfigFile::FileName);
    case ConfigRead::Outcome::Damaged:
        return Messages::configDamaged(read.problem, read.kept);
    case ConfigRead::Outcome::Unreadable:
        return Messages::configOpenFailed(read.problem);
    case ConfigRead::Outcome::Updated:
        return read.rewrite.ok ? Messages::updated() : Messages::failure(read.rewrite.reason);
    default:
        return std::nullopt;
    }
}

} // namespace

bool Host::start()
{
    tellStartNotices();
    if (!readSettings())
        return false;
    const std::int32_t count = readFilesAndAsk();
    if (m_endRequested) {
        // The count in memory is not the user's yet: the files stay as they are.
        m_trayHost.remove();
        return false;
    }
    takeCount(count);
    openToTheWorld();
    return true;
}

// The settings read, the other files follow and the continue question is asked:
// the count to go on with.
std::int32_t Host::readFilesAndAsk()
{
    readPreferences();
    const std::int32_t saved = readStateFiles();
    m_wage.restore();
    return askToContinue(saved) ? saved : 0;
}

void Host::sweepStaleFiles()
{
    for (std::string_view name : {ConfigFile::FileName, StateFiles::SavedFileName, StateFiles::PrevFileName,
                                  StateFiles::WageFileName, PreferencesFile::FileName})
        m_services.files.sweepTemporaries(pathInFolder(m_services.dataFolder, name));
}

void Host::tellStartNotices()
{
    for (const Message& notice : std::exchange(m_startNotices, {}))
        m_prompt.ask(notice);
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
    if (const std::optional<Message> notice = settingsNotice(read))
        m_prompt.ask(*notice);
}

// A file that cannot be used is told once and left as it is: the program never
// writes it but when the user changes a preference.
void Host::readPreferences()
{
    const PreferencesRead read = m_preferencesFile.read();
    m_preferences = read.preferences;
    m_money.choose(m_preferences.currency);
    mainWindow().showCurrencySymbol(m_money.symbol());
    m_wageTypes.setWorkingWeek(m_preferences.workingWeek);
    m_away.preferencesChanged();
    if (read.outcome == PreferencesRead::Outcome::Unreadable)
        m_prompt.ask(Messages::preferencesUnreadable(read.reason));
    else if (!read.problems.empty())
        m_prompt.ask(Messages::preferencesProblems(read.problems));
}

// The windows go where Saved.ewg says and the count Prev.ewg holds is returned.
// A file that could not be used and was written afresh is told only when that
// write failed.
std::int32_t Host::readStateFiles()
{
    std::vector<WriteResult> rewrites;
    readWindowPlaces(rewrites);
    const std::int32_t count = readPrevCount(rewrites);
    for (const WriteResult& rewrite : rewrites)
        if (!rewrite.ok)
            tell(rewrite.reason);
    return count;
}

// An empty Saved.ewg is told; an unusable one is written afresh without a word.
void Host::readWindowPlaces(std::vector<WriteResult>& rewrites)
{
    using Outcome = StateRead<WindowPositions>::Outcome;
    const StateRead<WindowPositions> saved = m_stateFiles.ReadSaved();
    if (saved.outcome == Outcome::Read)
        m_windows->placement().apply(saved.value);
    else if (saved.outcome == Outcome::EmptyFile)
        m_prompt.ask(Messages::endOfFile(StateFiles::SavedFileName));
    else
        rewrites.push_back(m_stateFiles.WriteSaved(m_windows->placement().current()));
}

// A Prev.ewg that is there but cannot be read is told and left alone: its count
// is the user's, whatever the program can see of it.
std::int32_t Host::readPrevCount(std::vector<WriteResult>& rewrites)
{
    using Outcome = StateRead<std::int32_t>::Outcome;
    const StateRead<std::int32_t> prev = m_stateFiles.ReadPrev();
    if (prev.outcome == Outcome::Unreadable)
        m_prompt.ask(Messages::openFailed(prev.problem));
    else if (prev.outcome == Outcome::EmptyFile)
        m_prompt.ask(Messages::endOfFile(StateFiles::PrevFileName));
    else if (prev.outcome == Outcome::Unusable)
        rewrites.push_back(m_stateFiles.WritePrev(0));
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

// Past the continue question: from here on the count is the user's.
void Host::takeCount(std::int32_t elapsedSeconds)
{
    m_countIsTheUsers = true;
    m_timer.restoreCount(elapsedSeconds);
    m_wageTypes.showConfiguredRates();
}

void Host::openToTheWorld()
{
    m_windows->showFirst(m_settings.MinimizeOnStartup);
    // Once the window is on its way: the tray's bus and X round trips need not delay it.
    m_trayHost.create();
    m_control.open();
    m_workingDay.begin();
    refreshLoginStart();
    // Today's figure opens the history, which an idle meter's start need not wait for.
    QTimer::singleShot(TodayDelayMs, this, [this] { showToday(); });
}

// The entry names this binary: one moved or upgraded keeps it right.
void Host::refreshLoginStart()
{
    if (!m_preferences.startAtLogin)
        return;
    QTimer::singleShot(0, this, [this] {
        if (const WriteResult switched = m_services.loginStart.set(true); !switched.ok)
            m_services.warn("earnmeter: the start at login was not brought up to date: " + switched.reason);
    });
}
