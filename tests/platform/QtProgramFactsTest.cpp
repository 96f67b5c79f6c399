#include "platform/QtProgramFacts.h"

#include <QString>

#include <gtest/gtest.h>

namespace {
TEST(QtProgramFacts, UnreadableProgramFileGivesNoDate)
{
    EXPECT_EQ(QtProgramFacts::fileModifiedDate(QStringLiteral("/nonexistent/earnmeter")), std::nullopt);
    EXPECT_EQ(QtProgramFacts::fileModifiedDate(QString()), std::nullopt);
}
} // namespace
