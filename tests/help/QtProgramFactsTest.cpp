#include "help/QtProgramFacts.h"

#include <QDateTime>
#include <QLocale>
#include <QTemporaryFile>

#include <gtest/gtest.h>

namespace {
TEST(QtProgramFacts, UnreadableProgramFileGivesNoDate)
{
    EXPECT_EQ(QtProgramFacts::fileModifiedDate(QStringLiteral("/nonexistent/earnmeter")), std::nullopt);
    EXPECT_EQ(QtProgramFacts::fileModifiedDate(QString()), std::nullopt);
}

TEST(QtProgramFacts, DateIsInTheUsersShortFormat)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    const QDateTime stamp(QDate(2024, 12, 7), QTime(9, 30));
    ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    EXPECT_EQ(QtProgramFacts::fileModifiedDate(file.fileName()),
              QLocale::system().toString(stamp, QLocale::ShortFormat).toStdString());
}
} // namespace
