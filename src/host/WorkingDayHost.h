#pragma once

#include "engine/Clock.h"
#include "engine/DesktopNotifier.h"
#include "engine/MeterStatus.h"
#include "engine/Preferences.h"
#include "engine/WorkdayWatch.h"

#include <QObject>
#include <QTimer>

#include <optional>

class RunTimer;

// The working day carried out: what its edges ask (start, pause and resume on
// the live window, or a notification, with a Start to choose), the daily goal's
// notification when today first reaches it, and the time left and the goal
// beside today's figure. With no working day set it keeps no timer; with one,
// it wakes only at its edges (and at least hourly, as a suspended machine or a
// clock set by hand moves them).
class WorkingDayHost final : public QObject
{
    Q_OBJECT

public:
    // A step of the working day as the notification words it.
    static QString said(const DayStep& step);
    WorkingDayHost(RunTimer& timer, const Clock& clock, DesktopNotifier& notifier, const Preferences& preferences,
                   const MoneyFormat& money = dollarMoney());

    // Start-up is through and the first window shows: the day's first look.
    void begin();
    // The preferences were saved: the day is taken afresh.
    void preferencesChanged();
    // A second was counted; today's figure includes it.
    void counted(const TodayFigure& today);
    // Today's figure with the time left of the working day and the goal.
    DayFigures figures(const TodayFigure& today) const;
    // What is due now; the timer calls it at each edge (and tests in its place).
    void look();

private:
    void wakeAtTheNextEdge();
    void carryOut(const DayStep& step);
    void tell(const QString& text, const QString& action = {}, std::function<void()> onAction = {});
    void startIfNotRunning();
    void noticeTheGoal(const TodayFigure& today);

    RunTimer& m_timer;
    const Clock& m_clock;
    DesktopNotifier& m_notifier;
    const Preferences& m_preferences;
    const MoneyFormat& m_money;
    WorkdayWatch m_watch;
    QTimer m_wake;
    bool m_begun = false;
    // Today's earnings at the last counted second, to see the goal crossed once.
    std::optional<std::pair<Date, Currency>> m_earnedBefore;
};
