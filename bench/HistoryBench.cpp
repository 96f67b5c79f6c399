#include "engine/HistoryRecorder.h"
#include "storage/HistoryStore.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const Date Today = Date::parse("2026-03-29").value();
constexpr int RecordsPerDay = 8; // about 3,000 a year: a workday of stretches between pauses

// A clock in UTC that moves only when the benchmark moves it.
class BenchClock final : public Clock
{
public:
    ClockReading now() const override
    {
        return {epoch, Date::fromDayNumber(epoch / 86400), static_cast<int>(epoch % 86400)};
    }
    Date localDateAt(std::int64_t at) const override { return Date::fromDayNumber(at / 86400); }
    std::int64_t epoch = Today.dayNumber() * 86400 + 9 * 3600;
};

// A folder on the disk the program would use: the system's temporary folder,
// or EARNMETER_BENCH_DIR to measure another disk. Synced writes cost what the disk makes them.
const fs::path& BenchFolder()
{
    static const fs::path folder = [] {
        const char* chosen = std::getenv("EARNMETER_BENCH_DIR");
        return (chosen != nullptr ? fs::path(chosen) : fs::temp_directory_path()) / "earnmeter-history-bench";
    }();
    return folder;
}

std::vector<HistoryRecord> AYearOfRecords()
{
    std::vector<HistoryRecord> records;
    for (int day = 364; day >= 0; --day) {
        const Date date = Today.addDays(-day);
        for (int i = 0; i < RecordsPerDay; ++i) {
            const std::int64_t start = date.dayNumber() * 86400 + 8 * 3600 + i * 3600;
            const Currency wage = Currency::fromUnits(100000 + i * 12345);
            records.push_back({0, date, start, start + 2700, 2700, wage, earnedFor(2700, wage), 3600});
        }
    }
    return records;
}

// One history file with a year in it, made once for all the benchmarks.
const std::string& YearFile()
{
    static const std::string path = [] {
        fs::remove_all(BenchFolder());
        fs::create_directories(BenchFolder());
        const std::string file = (BenchFolder() / HistoryStore::FileName).string();
        BenchClock clock;
        HistoryOpenResult opened = HistoryStore::open(file, HistoryStore::Mode::ReadWrite, clock);
        std::vector<HistoryRecord> records = AYearOfRecords();
        if (!opened.store || !opened.store->write(records).ok)
            throw std::runtime_error("cannot seed " + file + ": " + opened.outcome.reason);
        return file;
    }();
    return path;
}

HistoryOpenResult OpenYear(HistoryStore::Mode mode)
{
    static BenchClock clock;
    HistoryOpenResult opened = HistoryStore::open(YearFile(), mode, clock);
    if (!opened.store)
        throw std::runtime_error(opened.outcome.reason);
    return opened;
}

// What the History window asks for when it opens: a year of days for the chart
// and the totals for today, this week, this month, this year and all time.
void WindowFigures(HistoryStore& store)
{
    benchmark::DoNotOptimize(store.dayTotals(Today.addDays(-364), Today));
    for (Date from :
         {Today, Today.startOfWeek(Weekday::Monday), Today.startOfMonth(), Today.startOfYear(), Date::first()})
        benchmark::DoNotOptimize(store.total(from, Today));
}

void OpenTheFileWithAYearOfHistory(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(OpenYear(HistoryStore::Mode::ReadWrite));
}
BENCHMARK(OpenTheFileWithAYearOfHistory)->Unit(benchmark::kMillisecond);

void DayTotalsForAYear(benchmark::State& state)
{
    HistoryOpenResult opened = OpenYear(HistoryStore::Mode::ReadWrite);
    for (auto _ : state)
        benchmark::DoNotOptimize(opened.store->dayTotals(Today.addDays(-364), Today));
}
BENCHMARK(DayTotalsForAYear)->Unit(benchmark::kMillisecond);

void TheWindowsFiveTotals(benchmark::State& state)
{
    HistoryOpenResult opened = OpenYear(HistoryStore::Mode::ReadWrite);
    for (auto _ : state)
        for (Date from :
             {Today, Today.startOfWeek(Weekday::Monday), Today.startOfMonth(), Today.startOfYear(), Date::first()})
            benchmark::DoNotOptimize(opened.store->total(from, Today));
}
BENCHMARK(TheWindowsFiveTotals)->Unit(benchmark::kMillisecond);

void HistoryWindowFiguresFromTheOpenStore(benchmark::State& state)
{
    HistoryOpenResult opened = OpenYear(HistoryStore::Mode::ReadWrite);
    for (auto _ : state)
        WindowFigures(*opened.store);
}
BENCHMARK(HistoryWindowFiguresFromTheOpenStore)->Unit(benchmark::kMillisecond);

// The command line's whole reading: open read-only, then the same figures.
void HistoryWindowFiguresFromAClosedFile(benchmark::State& state)
{
    for (auto _ : state) {
        HistoryOpenResult opened = OpenYear(HistoryStore::Mode::ReadOnly);
        WindowFigures(*opened.store);
    }
}
BENCHMARK(HistoryWindowFiguresFromAClosedFile)->Unit(benchmark::kMillisecond);

// The recorder's minute write: the open record again, by its id, synced to the disk.
void WriteOneRecordSynced(benchmark::State& state)
{
    HistoryOpenResult opened = OpenYear(HistoryStore::Mode::ReadWrite);
    std::vector<HistoryRecord> open = {AYearOfRecords().back()};
    open[0].date = Today.addDays(1);
    opened.store->write(open);
    for (auto _ : state) {
        ++open[0].seconds;
        if (!opened.store->write(open).ok)
            state.SkipWithError("the write failed");
    }
}
BENCHMARK(WriteOneRecordSynced)->Unit(benchmark::kMillisecond);

// What a tick costs the recorder, with no store to write to.
void CountOneSecond(benchmark::State& state)
{
    BenchClock clock;
    HistoryRecorder recorder(clock, nullptr);
    for (auto _ : state) {
        ++clock.epoch;
        recorder.counted(Currency::fromUnits(123400));
    }
}
BENCHMARK(CountOneSecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(BenchFolder());
    return 0;
}
