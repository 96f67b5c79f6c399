// Writes History.sqlite with a year of work ending today into the folder given:
// weekdays of about eight stretches at a few wages, weekends off, some days
// longer than others. The benchmarks time start-up and the History window over
// it, and the README's screenshot shows it.
//   seed_history FOLDER
#include "engine/HistoryRecord.h"
#include "platform/SystemClock.h"
#include "storage/FileSystem.h"
#include "storage/HistoryStore.h"

#include <cstdio>
#include <vector>

namespace {

std::vector<HistoryRecord> aYearOfWork(const ClockReading& now)
{
    std::vector<HistoryRecord> records;
    for (int back = 364; back >= 0; --back) {
        const Date date = now.localDate.addDays(-back);
        if (date.weekday() == Weekday::Saturday || date.weekday() == Weekday::Sunday)
            continue;
        const int stretches = 6 + (back * 7) % 5;
        for (int i = 0; i < stretches; ++i) {
            const std::int64_t start = date.dayNumber() * 86400 + 8 * 3600 + i * 4000 - now.utcOffset();
            const std::int64_t seconds = 1800 + (back * 13 + i * 7) % 1800;
            const Currency wage = Currency::fromUnits(i % 3 == 0 ? 450000 : 360000);
            records.push_back({0, date, start, start + seconds, seconds, wage, earnedFor(seconds, wage), 0});
        }
    }
    return records;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: seed_history FOLDER\n");
        return 2;
    }
    SystemClock clock;
    const std::string path = pathInFolder(argv[1], HistoryStore::FileName);
    HistoryOpenResult opened = HistoryStore::open(path, HistoryStore::Mode::ReadWrite, clock);
    std::vector<HistoryRecord> records = aYearOfWork(clock.now());
    if (!opened.store || !opened.store->write(records).ok) {
        std::fprintf(stderr, "seed_history: cannot write %s: %s\n", path.c_str(), opened.outcome.reason.c_str());
        return 1;
    }
    std::printf("%zu records in %s\n", records.size(), path.c_str());
    return 0;
}
