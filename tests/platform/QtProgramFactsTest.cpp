#include "platform/QtProgramFacts.h"

#include <QDateTime>
#include <QLocale>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {
// The Info box's date: the short date with four year digits, then the long time without its
// zone; an unreadable program file gives none.
TEST(QtProgramFacts, GeneralDateIsTheShortDateWithTheFullYearAndTheLongTimeWithoutTheZone)
{
    const QDateTime when(QDate(2026, 12, 7), QTime(10, 16, 5));
    for (const auto& [locale, shown] : {std::pair{"en_US", "12/7/2026 10:16:05 AM"}, {"de_DE", "07.12.2026 10:16:05"}})
        EXPECT_EQ(QtProgramFacts::generalDate(when, QLocale(QString::fromLatin1(locale))).toStdString(), shown);
    EXPECT_EQ(QtProgramFacts::fileModifiedDate(QStringLiteral("/nonexistent/earnmeter")), std::nullopt);
}

// Qt's scaled units round the screen's pixels; the support texts tell the screen's own, whole.
TEST(QtProgramFacts, ScreenIsToldInWholeDevicePixelsAtFractionalScales)
{
    for (const auto& [logical, ratio, width, height] : {std::tuple{QSize(853, 533), 1.5, 1280.0f, 800.0f},
                                                        {QSize(1093, 614), 1.25, 1366.0f, 768.0f},
                                                        {QSize(1024, 768), 1.0, 1024.0f, 768.0f}}) {
        const ScreenSize pixels = QtProgramFacts::devicePixels(logical, ratio);
        EXPECT_EQ(std::pair(pixels.width, pixels.height), std::pair(width, height)) << ratio;
    }
}
} // namespace
