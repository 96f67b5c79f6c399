#include "engine/Version.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct VersionRow
{
    std::string name;
    int major;
    int minor;
    int revision;
    std::string text;
    friend void PrintTo(const VersionRow& row, std::ostream* os) { *os << row.name; }
};

class VersionTextTest : public ::testing::TestWithParam<VersionRow>
{};

TEST_P(VersionTextTest, JoinsMajorAndMinorAndAppendsARevision)
{
    const VersionRow& row = GetParam();
    EXPECT_EQ(VersionText(row.major, row.minor, row.revision), row.text);
}

INSTANTIATE_TEST_SUITE_P(Rows, VersionTextTest,
                         ::testing::Values(VersionRow{"RevisionZeroAddsNothing", 2, 5, 0, "2.5"},
                                           VersionRow{"RevisionWithoutSeparator", 2, 5, 3, "2.53"},
                                           VersionRow{"TwoDigitRevision", 2, 5, 12, "2.512"},
                                           VersionRow{"TwoDigitMinor", 2, 42, 0, "2.42"},
                                           VersionRow{"MinorZero", 10, 0, 0, "10.0"}),
                         RowName{});

TEST(VersionText, ThisBuildIsTwoPointFive)
{
    EXPECT_EQ(VersionText(), "2.5");
}

} // namespace
