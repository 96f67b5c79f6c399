#include "platform/SystemClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

// Runs under a given time zone and puts the inherited one back afterwards.
class SystemClockTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const char* zone = std::getenv("TZ"))
            m_saved = zone;
    }
    void TearDown() override
    {
        if (m_saved)
            ::setenv("TZ", m_saved->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    static void useZone(const char* zone) { ::setenv("TZ", zone, 1); }

private:
    std::optional<std::string> m_saved;
};

struct ReadingRow
{
    const char* zone;
    std::int64_t epoch;
    const char* date;
    const char* time;
    std::int64_t offset;
};

std::string TimeText(int second)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);
    return text;
}

TEST_F(SystemClockTest, ReadsTheLocalDateAndTimeAcrossDaylightSavingAndTheDateLine)
{
    const ReadingRow rows[] = {
        {"Europe/Berlin", 1774745999, "2026-03-29", "01:59:59", 3600}, // the last second of winter time
        {"Europe/Berlin", 1774746000, "2026-03-29", "03:00:00", 7200},
        {"Europe/Berlin", 1792889999, "2026-10-25", "02:59:59", 7200}, // the hour that comes twice
        {"Europe/Berlin", 1792890000, "2026-10-25", "02:00:00", 3600},
        {"America/New_York", 1772953199, "2026-03-08", "01:59:59", -18000},
        {"America/New_York", 1772953200, "2026-03-08", "03:00:00", -14400},
        {"Pacific/Kiritimati", 1774692000, "2026-03-29", "00:00:00", 50400},
        {"UTC", 0, "1970-01-01", "00:00:00", 0},
        {"UTC", -1, "1969-12-31", "23:59:59", 0},
    };
    for (const ReadingRow& row : rows) {
        useZone(row.zone);
        const ClockReading reading = SystemClock::readingAt(row.epoch);
        const std::string where = std::string(row.zone) + " at " + std::to_string(row.epoch);
        EXPECT_EQ(reading.epochSeconds, row.epoch) << where;
        EXPECT_EQ(reading.localDate.text(), row.date) << where;
        EXPECT_EQ(TimeText(reading.localSecondOfDay), row.time) << where;
        EXPECT_EQ(reading.utcOffset(), row.offset) << where;
    }
}

TEST_F(SystemClockTest, FollowsAZoneChangedWhileRunning)
{
    useZone("Europe/Berlin");
    const ClockReading berlin = SystemClock::readingAt(1774746000);
    useZone("America/New_York");
    const ClockReading newYork = SystemClock::readingAt(1774746000);
    EXPECT_EQ(berlin.utcOffset(), 7200);
    EXPECT_EQ(newYork.utcOffset(), -14400);
    EXPECT_EQ(newYork.localDate.text(), "2026-03-28");
}

} // namespace
