#include "engine/Earnings.h"
#include "engine/Formats.h"
#include "engine/RunTimer.h"
#include "engine/WageTypes.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <utility>

namespace {

// A ticker the benchmark fires itself, so only the model's own work is timed.
class BenchTicker final : public Ticker
{
public:
    void setEnabled(bool enabled) override { m_enabled = enabled; }
    bool enabled() const override { return m_enabled; }
    void onTick(Handler handler) override { m_handler = std::move(handler); }
    void fire() { m_handler(1); }

private:
    Handler m_handler;
    bool m_enabled = false;
};

class SilentPrompt final : public Prompt
{
public:
    Answer ask(const Message&) override { return Answer::Ok; }
};

// One tick of a running main window: count, total, time, money and caption
// texts, font size, the tray notice and the checkpoint test.
void RunTimerTick(benchmark::State& bench)
{
    Settings settings;
    SilentPrompt prompt;
    WageTypes wageTypes(settings);
    BenchTicker runTick;
    BenchTicker blink;
    RunTimer timer(prompt, wageTypes, {runTick, blink});
    int ticks = 0;
    timer.ticked.subscribe([&](int) { ++ticks; });
    timer.editWageEntry(WindowId::Main, "12.34");
    timer.start(WindowId::Main);
    for (auto _ : bench) {
        runTick.fire();
        benchmark::DoNotOptimize(timer.view(WindowId::Main).caption.data());
        // Stay in an ordinary working day's range of counts.
        if (timer.elapsedSeconds() >= 36000)
            timer.restoreCount(0);
    }
    benchmark::DoNotOptimize(ticks);
}
BENCHMARK(RunTimerTick);

void FormatMoneyAlone(benchmark::State& bench)
{
    std::int64_t units = 12345678;
    for (auto _ : bench) {
        std::string text = FormatMoney(Currency::fromUnits(units));
        benchmark::DoNotOptimize(text.data());
        units += 343;
    }
}
BENCHMARK(FormatMoneyAlone);

void FormatElapsedAlone(benchmark::State& bench)
{
    std::int32_t seconds = 0;
    for (auto _ : bench) {
        std::string text = FormatElapsed(seconds);
        benchmark::DoNotOptimize(text.data());
        seconds = seconds < 360000 ? seconds + 1 : 0;
    }
}
BENCHMARK(FormatElapsedAlone);

void TotalEarnedAlone(benchmark::State& bench)
{
    std::int32_t seconds = 0;
    const Currency wage = Currency::fromUnits(123400);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(totalEarnedFor(wage, seconds));
        seconds = seconds < 360000 ? seconds + 1 : 0;
    }
}
BENCHMARK(TotalEarnedAlone);

} // namespace
