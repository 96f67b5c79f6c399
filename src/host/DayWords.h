#pragma once

#include "engine/MeterStatus.h"

#include <QCoreApplication>
#include <QString>

// Today's figures in the user's language, as the windows' and the tray's tips show them.
class DayWords
{
    Q_DECLARE_TR_FUNCTIONS(DayWords)

public:
    // "Today $253.18 in 6:02:11".
    static QString today(const TodayFigure& today, const QString& money);
    // "ends in 1:57:49, 84 % of today's goal $300.00"; empty without a day's end or goal.
    static QString progress(const DayFigures& day, const QString& goal);
};
