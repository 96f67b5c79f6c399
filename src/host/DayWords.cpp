#include "host/DayWords.h"

#include "engine/HistoryFigures.h"

namespace {

QString hours(std::int64_t seconds)
{
    return QString::fromStdString(hoursText(seconds));
}

} // namespace

QString DayWords::today(const TodayFigure& today, const QString& money)
{
    const QString time = hours(today.total.seconds);
    return today.complete ? tr("Today %1 in %2", "money, time").arg(money, time)
                          : tr("Today (without the history) %1 in %2", "money, time").arg(money, time);
}

QString DayWords::progress(const DayFigures& day, const QString& goal)
{
    QStringList parts;
    if (day.endsIn)
        parts << tr("Ends in %1", "the working day").arg(hours(*day.endsIn));
    if (day.goal)
        parts << tr("%1 % of today's goal %2").arg(goalPercent(day.today.total.earned, *day.goal)).arg(goal);
    return parts.join(tr(", "));
}
