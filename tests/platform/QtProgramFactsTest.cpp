#include "platform/QtProgramFacts.h"

#include <QDateTime>
#include <QLocale>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

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

} // namespace
