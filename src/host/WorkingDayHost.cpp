#include "host/WorkingDayHost.h"

#include "engine/Formats.h"
#include "engine/RunTimer.h"

#include <algorithm>

namespace {
constexpr std::int64_t LongestSleepSeconds = 3600;
} // namespace

WorkingDayHost::WorkingDayHost(RunTimer& timer, const Clock& clock, DesktopNotifier& notifier,
                               const Preferences& preferences, const MoneyFormat& money)
    : m_timer(timer), m_clock(clock), m_notifier(notifier), m_preferences(preferences), m_money(money), m_watch(clock)
{
    m_wake.setSingleShot(true);
    connect(&m_wake, &QTimer::timeout, this, &WorkingDayHost::look);
}

void WorkingDayHost::begin()
{
    m_begun = true;
    preferencesChanged();
}

void WorkingDayHost::preferencesChanged()
{
    m_watch.setDay(m_preferences.workingDay);
    look();
}

void WorkingDayHost::counted(const TodayFigure& today)
{
    look();
    noticeTheGoal(today);
}

DayFigures WorkingDayHost::figures(const TodayFigure& today) const
{
    DayFigures figures;
    figures.today = today;
    figures.endsIn = m_watch.endsIn(m_timer.phase());
    figures.goal = m_preferences.dailyGoal;
    return figures;
}

void WorkingDayHost::look()
{
    if (!m_begun)
        return;
    // Carried out from the event loop: a start may ask about a wage, and a look
    // may come from inside a counted second.
    for (const DayStep& step : m_watch.check(m_timer.phase()))
        QTimer::singleShot(0, this, [this, step] { carryOut(step); });
    wakeAtTheNextEdge();
}

void WorkingDayHost::wakeAtTheNextEdge()
{
    const std::optional<std::int64_t> next = m_watch.nextEdgeIn();
    if (!next) {
        m_wake.stop();
        return;
    }
    // Just past the edge's second, so that the look finds it passed.
    const std::int64_t seconds = std::clamp<std::int64_t>(*next, 1, LongestSleepSeconds);
    m_wake.start(static_cast<int>(seconds * 1000 + 200));
}

void WorkingDayHost::carryOut(const DayStep& step)
{
    const WindowId live = m_timer.liveWindow();
    switch (step.kind) {
    case DayStep::Kind::StartMeter:
    case DayStep::Kind::ResumeMeter:
        startIfNotRunning();
        break;
    case DayStep::Kind::PauseMeter:
        if (m_timer.phase() == Phase::Running)
            m_timer.pause(live);
        break;
    case DayStep::Kind::OfferStart:
        tell(said(step), tr("Start"), [this] { startIfNotRunning(); });
        return;
    case DayStep::Kind::Tell:
        break;
    }
    tell(said(step));
}

QString WorkingDayHost::said(const DayStep& step)
{
    using Kind = DayStep::Kind;
    const QString at = QString::fromStdString(step.at);
    switch (step.moment) {
    case DayStep::Moment::DayBegins:
        return step.kind == Kind::StartMeter ? tr("It is %1: Earnmeter started counting your working day.").arg(at)
                                             : tr("It is %1: start Earnmeter?").arg(at);
    case DayStep::Moment::BreakBegins:
        return step.kind == Kind::PauseMeter ? tr("Your break began at %1: Earnmeter paused.").arg(at)
                                             : tr("Your break began at %1. Earnmeter is still counting.").arg(at);
    case DayStep::Moment::BreakEnds:
        return tr("Your break ended at %1: Earnmeter counts again.").arg(at);
    case DayStep::Moment::DayEnds:
        break;
    }
    return step.kind == Kind::PauseMeter ? tr("Your working day ended at %1: Earnmeter paused.").arg(at)
                                         : tr("Your working day ended at %1. Earnmeter is still counting.").arg(at);
}

void WorkingDayHost::startIfNotRunning()
{
    if (m_timer.phase() != Phase::Running)
        m_timer.start(m_timer.liveWindow());
}

void WorkingDayHost::tell(const QString& text, const QString& action, std::function<void()> onAction)
{
    if (m_preferences.notifications)
        m_notifier.notify(text.toStdString(), action.toStdString(), std::move(onAction));
}

// Told as today's earnings pass the goal, once a day.
void WorkingDayHost::noticeTheGoal(const TodayFigure& today)
{
    const ClockReading now = m_clock.now();
    const auto before = std::exchange(m_earnedBefore, std::pair(now.localDate, today.total.earned));
    const std::optional<Currency> goal = m_preferences.dailyGoal;
    if (!goal || !before || before->first != now.localDate || before->second >= *goal || today.total.earned < *goal)
        return;
    tell(tr("You reached today's goal of %1 at %2.")
             .arg(QString::fromStdString(m_money.amount(*goal)),
                  QString::fromStdString(ClockTime{now.localSecondOfDay / 60}.text())));
}
