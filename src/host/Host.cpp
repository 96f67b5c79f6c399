#include "host/Host.h"

#include "host/DayWords.h"
#include "host/Messages.h"
#include "ui/about/AboutWindow.h"
#include "ui/options/OptionsDialog.h"
#include "ui/preferences/PreferencesDialog.h"

#include <QTimer>

#include <utility>

// The host's parts and how they follow the run; start-up, exit, the edited
// settings and the windows' commands have files of their own.

Host::Host(HostServices services)
    : m_services(std::move(services)), m_prompt(m_services.prompt, m_services.locale, [this] { m_trayHost.create(); }),
      m_money(m_services.locale), m_wageTypes(m_settings),
      m_timer(m_prompt, m_wageTypes, {m_services.runTick, m_services.blink}),
      m_control(m_timer, remoteActions(), m_money), m_config(m_services.files, m_services.dataFolder),
      m_stateFiles(m_services.files, m_services.dataFolder), m_preferencesFile(m_services.files, m_services.dataFolder),
      m_wage(m_timer, m_stateFiles, m_preferences),
      m_workingDay(m_timer, m_services.clock, m_services.notifier, m_preferences, m_money),
      m_links(m_services.shell, m_services.programFolder), m_support(m_services.shell, m_services.facts),
      m_trayHost(m_services.makeTray, trayActions(), m_money),
      m_history(m_services.clock, historyTeller(), m_services.openHistory), m_away(awayParts())
{
    buildWindows();
    followTheRun();
}

Host::~Host() = default;

// Once the money is set: the windows render the run as they are made.
void Host::buildWindows()
{
    m_wageTypes.setMoney(m_money);
    m_timer.setMoney(m_money);
    m_windows = std::make_unique<WindowHandover>(
        WindowHandover::Parts{m_timer, m_wageTypes, *this, m_money, m_services.locale, m_services.desktop});
}

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

// The commands from outside: a second launch, the command line, D-Bus.
MeterControl::Actions Host::remoteActions()
{
    return {[this] { showLiveWindow(); }, [this] { return !m_exiting; },
            [this] {
                return dayFigures();
            }};
}

// Told from the event loop, not from inside the tick that found it.
HistoryKeeper::Teller Host::historyTeller()
{
    return [this](const std::string& text) {
        QTimer::singleShot(0, this, [this, text] { tell(text); });
    };
}

AwayHost::Parts Host::awayParts()
{
    return {
        m_timer, m_history, m_prompt, m_services.notifier, m_services.clock, m_preferences, m_services.away, [this] {
            m_trayHost.setEarnings(m_timer.totalEarned());
            showToday();
        }};
}

void Host::followTheRun()
{
    m_timer.modeChanged.subscribe([this] { m_windows->switchWindows(); });
    m_timer.ticked.subscribe([this](int seconds) { counted(seconds); });
    m_timer.stretchEnded.subscribe([this] { stretchEnded(); });
    m_timer.checkpointDue.subscribe([this](std::int32_t elapsedSeconds) {
        checkpoint(elapsedSeconds);
        m_history.flush();
    });
}

void Host::counted(int seconds)
{
    m_history.counted(m_timer.hourlyWage(), seconds);
    // One tip a second, with both its lines.
    m_trayHost.setEarnings(m_timer.totalEarned());
    showToday();
    m_workingDay.counted(m_history.todayFigure());
    m_away.counted(seconds);
}

void Host::stretchEnded()
{
    m_history.close();
    m_away.stoppedCounting();
    // The countdown is shown only while counting.
    if (m_countIsTheUsers)
        showToday();
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
    if (!std::exchange(m_checkpointFailing, true))
        tellCheckpointFailed(written.reason);
}

// Not inside the tick: a modal box there would let further ticks run inside it.
void Host::tellCheckpointFailed(const std::string& reason)
{
    QTimer::singleShot(0, this, [this, reason] {
        tell(reason + "\n\n" +
             tr("The elapsed time goes on counting; it will be saved again in five minutes.").toStdString());
    });
}

// What today earned, where people look: the tray's second line and the
// tooltip of the total in both windows.
void Host::showToday()
{
    if (m_exiting)
        return;
    const DayFigures day = dayFigures();
    m_trayHost.showToday(day);
    m_windows->setTodayText(todayText(day));
}

QString Host::todayText(const DayFigures& day) const
{
    QString text = DayWords::today(day.today, QString::fromStdString(m_money.amount(day.today.total.earned)));
    if (const QString progress =
            DayWords::progress(day, day.goal ? QString::fromStdString(m_money.amount(*day.goal)) : QString());
        !progress.isEmpty())
        text += QLatin1Char('\n') + progress;
    return text;
}

DayFigures Host::dayFigures()
{
    DayFigures figures = m_workingDay.figures(m_history.todayFigure());
    figures.away = m_away.away();
    return figures;
}

void Host::tell(const std::string& text, Message::Icon icon)
{
    m_prompt.ask(Messages::failure(text, icon));
}
