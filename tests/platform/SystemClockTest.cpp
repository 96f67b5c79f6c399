#include "platform/SystemClock.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <tuple>

namespace {
// Each row runs under its own time zone, changed while the clock is in use; the inherited one comes back after.
TEST(SystemClock, ReadsTheLocalDateAndTimeAcrossDaylightSavingTheDateLineAndAZoneChange)
{
    const char* inherited = std::getenv("TZ");
    const std::string saved = inherited ? inherited : "";
    const std::tuple<const char*, std::int64_t, const char*, const char*, std::int64_t> rows[] = {
        {"Europe/Berlin", 1774745999, "2026-03-29", "01:59:59", 3600}, // the last second of winter time
        {"Europe/Berlin", 1774746000, "2026-03-29", "03:00:00", 7200},
        {"America/New_York", 1774746000, "2026-03-28", "21:00:00", -14400}, // the same moment elsewhere
        {"Europe/Berlin", 1792889999, "2026-10-25", "02:59:59", 7200},      // the hour that comes twice
        {"Europe/Berlin", 1792890000, "2026-10-25", "02:00:00", 3600},
        {"Pacific/Kiritimati", 1774692000, "2026-03-29", "00:00:00", 50400},
        {"UTC", -1, "1969-12-31", "23:59:59", 0},
    };
    for (const auto& [zone, epoch, date, time, offset] : rows) {
        ::setenv("TZ", zone, 1);
        const ClockReading reading = SystemClock::readingAt(epoch);
        const int second = reading.localSecondOfDay;
        char shown[16];
        std::snprintf(shown, sizeof shown, "%02d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);
        const std::string where = std::string(zone) + " at " + std::to_string(epoch);
        EXPECT_EQ(reading.epochSeconds, epoch) << where;
        EXPECT_EQ(reading.localDate.text(), date) << where;
        EXPECT_EQ(shown, std::string(time)) << where;
        EXPECT_EQ(reading.utcOffset(), offset) << where;
    }
    inherited ? ::setenv("TZ", saved.c_str(), 1) : ::unsetenv("TZ");
    ::tzset();
}
} // namespace
