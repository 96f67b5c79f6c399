#include "engine/RunTimer.h"

#include "fakes/FakePrompt.h"
#include "fakes/ManualClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace std::string_literals;
constexpr auto Main = WindowId::Main;
constexpr auto Advanced = WindowId::Advanced;

// The run model with hand-driven time and a prompt the test answers.
class RunTimerTest : public ::testing::Test
{
protected:
    // A window as the user sees it: caption | time | total | point size | what is struck, enabled and running.
    std::string shown(WindowId window) const
    {
        const WindowView v = timer.view(window);
        const bool ticks = runTick.enabled() && timer.liveWindow() == window;
        return v.caption + " | " + v.elapsedText + " | " + v.totalText + " | " + std::to_string(v.totalPointSize) +
               " |" + (v.elapsedStruck ? " struck" : "") + (v.startEnabled ? " Start" : "") +
               (v.pauseEnabled ? " Pause" : "") + (ticks ? " ticking" : "") + (blink.enabled() ? " blinking" : "");
    }

    // Does what a script of words says in the window in use, and shows that window:
    //   +N  N seconds pass;  fire=N  the run's tick comes once, for N seconds;  restore=N  a saved count comes back
    //   start=W  W typed and Start taken;  refuse=W  W typed and Start refused;  start pause  the buttons
    //   leave=W  W typed and the box left;  yes no  Reset, answered so;  advanced main  the mode switched
    std::string after(const std::string& script)
    {
        std::istringstream words(script);
        for (std::string word; words >> word;) {
            SCOPED_TRACE(word);
            const std::size_t split = word[0] == '+' ? 1 : std::min(word.find('='), word.size());
            act(word.substr(0, split), word.substr(std::min(split + (word[0] != '+'), word.size())));
        }
        return shown(window);
    }
    void act(const std::string& word, const std::string& value)
    {
        if (word == "+")
            clock.advanceSeconds(std::stoi(value));
        else if (word == "fire")
            runTick.fire(std::stoi(value));
        else if (word == "restore")
            timer.restoreCount(std::stoi(value));
        else if (word == "start" || word == "refuse") {
            if (!value.empty())
                timer.editWageEntry(window, value);
            EXPECT_EQ(timer.start(window), word == "start");
        } else if (word == "pause")
            timer.pause(window);
        else if (word == "leave")
            timer.editWageEntry(window, value), timer.leaveWageEntry(window);
        else if (word == "yes" || word == "no")
            prompt.queueAnswer(word == "yes" ? Answer::Yes : Answer::No), timer.reset();
        else if (word == "advanced" || word == "main")
            word == "main" ? timer.leaveAdvanced() : timer.enterAdvanced(), window = word == "main" ? Main : Advanced;
        else
            ADD_FAILURE() << "no such word";
    }
    std::pair<std::int64_t, std::string> rateAndBox(WindowId window) const
    {
        return {timer.hourlyWage().units, timer.view(window).wageEntry};
    }

    Settings settings;
    FakePrompt prompt;
    WageTypes wageTypes{settings};
    ManualClock clock;
    ManualTicker& runTick = clock.addTicker();
    ManualTicker& blink = clock.addTicker();
    RunTimer timer{prompt, wageTypes, {runTick, blink}};
    WindowId window = Main;
    std::vector<std::int32_t> checkpoints;
    int ticked = 0;
    void SetUp() override
    {
        timer.checkpointDue.subscribe([this](std::int32_t count) { checkpoints.push_back(count); });
        timer.ticked.subscribe([this](int seconds) { ticked += seconds; });
    }
};

TEST_F(RunTimerTest, TenSecondRunShowsTimeTotalAndCaptionEverySecondAndAWageChangedTakesTheWholeCount)
{
    EXPECT_EQ(after("+60 start=12"), "Earnmeter! | 00:00:00 | $0.00 | 24 | Pause ticking")
        << "caption at the first tick";
    EXPECT_EQ(rateAndBox(Main), std::pair(std::int64_t{120000}, "12.00"s));
    const std::string totals[] = {"0.00", "0.01", "0.01", "0.01", "0.02", "0.02", "0.02", "0.03", "0.03", "0.03"};
    for (int second = 1; second <= 10; ++second) {
        const std::string time = (second < 10 ? "00:00:0" : "00:00:") + std::to_string(second);
        const std::string& total = totals[second - 1];
        EXPECT_EQ(after("+1"), "$" + total + " (Earnmeter) | " + time + " | $" + total + " | 24 | Pause ticking");
    }
    EXPECT_EQ(std::pair(timer.totalEarned(), ticked), std::pair(Currency::fromUnits(333), 10));
    EXPECT_EQ(timer.view(Advanced).caption, "Earnmeter") << "Start captions the other window plainly";
    // A wage changed mid-run reprices the whole count, and only at the next tick.
    after("leave=24");
    EXPECT_EQ(timer.totalEarned(), Currency::fromUnits(333));
    EXPECT_EQ(after("+1"), "$0.07 (Earnmeter) | 00:00:11 | $0.07 | 24 | Pause ticking");
    EXPECT_EQ(timer.totalEarned(), Currency::fromUnits(733));
}

TEST_F(RunTimerTest, TotalOfAThousandShrinksTheFontAndCountAndTotalAreHeldAtTheirLargest)
{
    EXPECT_EQ(after("restore=35998 start=100 +1"), "$999.97 (Earnmeter) | 09:59:59 | $999.97 | 24 | Pause ticking");
    EXPECT_EQ(after("+1"), "$1000.00 (Earnmeter) | 10:00:00 | $1000.00 | 20 | Pause ticking");
    EXPECT_EQ(after("restore=2147483646 start=900000000000000 +3"),
              "$922337203685477.58 (Earnmeter) | 596523:14:07 | $922337203685477.58 | 20 | Pause ticking");
}

// A run continuing a saved count writes its checkpoint at the first tick, then every 300 counted
// seconds. A tick held up (the program stopped, the machine overloaded) counts every second it stands
// for, the checkpoint it passes over is written all the same, and the history hears of every second.
TEST_F(RunTimerTest, RestoredCountIsCheckpointedAtItsFirstTickPausedTimeIsNotCountedAndALateTickCountsAll)
{
    after("restore=299");
    EXPECT_EQ(timer.view(Main).elapsedText + " " + timer.view(Advanced).elapsedText, "00:04:59 00:04:59");
    EXPECT_EQ(after("start=36 +1"), "$3.00 (Earnmeter) | 00:05:00 | $3.00 | 24 | Pause ticking");
    EXPECT_EQ(checkpoints, (std::vector<std::int32_t>{300}));
    after("+150 pause +1000 start");
    EXPECT_EQ(timer.elapsedSeconds(), 450);
    after("+150");
    EXPECT_EQ(checkpoints, (std::vector<std::int32_t>{300, 600}));
    EXPECT_EQ(after("fire=298 fire=5"), "$9.03 (Earnmeter) | 00:15:03 | $9.03 | 24 | Pause ticking");
    EXPECT_EQ(std::pair(checkpoints, ticked), std::pair(std::vector<std::int32_t>{300, 600, 903}, 604));
}

TEST_F(RunTimerTest, PausedTotalBlinksInBothWindowsAndStaysHiddenUntilTheNextTick)
{
    EXPECT_EQ(after("start=36 +5 pause"), "PAUSED (Earnmeter) | 00:00:05 | $0.05 | 24 | struck Start blinking");
    for (const std::string phase : {"", "$0.05", "", "$0.05", ""}) {
        after("+1");
        EXPECT_EQ(timer.view(Main).totalText + "|" + timer.view(Advanced).totalText, phase + "|" + phase);
    }
    EXPECT_EQ(after("start"), "PAUSED (Earnmeter) | 00:00:05 |  | 24 | Pause ticking") << "the next tick rewrites it";
    EXPECT_EQ(timer.view(Advanced).caption, "Earnmeter");
    EXPECT_EQ(after("+1"), "$0.06 (Earnmeter) | 00:00:06 | $0.06 | 24 | Pause ticking");
}

// The small font stays until the next tick; a reset while paused leaves no blink and no strikethrough.
TEST_F(RunTimerTest, ResetAsksAndOnlyAYesClearsBothWindowsWhetherRunningOrPaused)
{
    EXPECT_EQ(after("start=3600 +1000 no +1"), "$1001.00 (Earnmeter) | 00:16:41 | $1001.00 | 20 | Pause ticking");
    const Message& question = prompt.lastAsked();
    EXPECT_EQ(question.text + " / " + question.caption, "Do you want to reset the timer to zero? / Reset Earnmeter");
    EXPECT_EQ(std::pair(question.buttons, question.icon),
              std::pair(Message::Buttons::YesNo, Message::Icon::Information));
    EXPECT_EQ(after("yes"), "Earnmeter | 00:00:00 | $0.00 | 20 | Start");
    EXPECT_EQ(shown(Advanced), "Earnmeter | 00:00:00 | $0.00 | 20 | Start");
    EXPECT_EQ(timer.totalEarned(), Currency{});
    EXPECT_EQ(after("start +5 pause +1 yes +3"), "Earnmeter | 00:00:00 | $0.00 | 24 | Start");
    EXPECT_EQ(shown(Advanced), "Earnmeter | 00:00:00 | $0.00 | 24 | Start");
}

// Pause is handed over even before the first tick; a pause carries across the switches, each window captioning
// it its own way.
TEST_F(RunTimerTest, SwitchingModesCarriesTheRunAndThePauseBothWaysAndHandsPauseOverEvenBeforeTheFirstTick)
{
    EXPECT_EQ(after("advanced"), "Earnmeter! | 00:00:00 | $0.00 | 24 | Start");
    EXPECT_EQ(after("main start=36 advanced"), "Earnmeter | 00:00:00 | $0.00 | 24 | Pause ticking");
    EXPECT_EQ(timer.liveWindow(), Advanced);
    EXPECT_EQ(after("+6 main +1"), "$0.07 (Earnmeter) | 00:00:07 | $0.07 | 24 | Pause ticking");
    EXPECT_EQ(timer.liveWindow(), Main);
    EXPECT_EQ(after("+3 pause advanced"), "PAUSED (Earnmeter) | 00:00:10 | $0.10 | 24 | struck Start blinking");
    EXPECT_EQ(after("+10 start +2 pause"), "Earnmeter (PAUSED) | 00:00:12 | $0.12 | 24 | struck Start blinking");
    EXPECT_EQ(after("main"), "Earnmeter (PAUSED) | 00:00:12 | $0.12 | 24 | struck Start blinking");
    EXPECT_EQ(after("start +1"), "$0.13 (Earnmeter) | 00:00:13 | $0.13 | 24 | Pause ticking");
}

// A long text is quoted in part.
TEST_F(RunTimerTest, StartAndLeavingTheBoxRefuseAWageBeyondRangeAndKeepTheOldRate)
{
    after("leave=15");
    for (const std::string& typed :
         {"1e400"s, "99999999999999999999"s, "922337203685477.5808"s, std::string(1000, '9')}) {
        after("refuse=" + typed + " leave=" + typed);
        EXPECT_EQ(rateAndBox(Main), std::pair(std::int64_t{150000}, "15.00"s));
    }
    EXPECT_EQ(std::pair(prompt.asked().size(), prompt.lastAsked().buttons),
              std::pair(std::size_t{8}, Message::Buttons::Ok));
    const std::string notice = filledText(prompt.lastAsked());
    EXPECT_TRUE(notice.size() < 400 && notice.find("999...") != std::string::npos) << notice;
    EXPECT_EQ(after("+3"), "Earnmeter! | 00:00:00 | $0.00 | 24 | Start");
}
