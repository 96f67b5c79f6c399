#pragma once

#include "engine/RunState.h"
#include "engine/RunTimer.h"
#include "engine/WageTypes.h"
#include "fakes/FakePrompt.h"
#include "fakes/ManualClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// The run model with hand-driven time and a prompt the test answers.
class RunTimerFixture : public ::testing::Test
{
protected:
    RunTimerFixture()
    {
        timer.trayFlipped.subscribe([this](bool checked) { trayFlags.push_back(checked); });
        timer.checkpointDue.subscribe([this] { checkpoints.push_back(state.ElapsedSeconds); });
    }

    const WindowView& mainView() const { return timer.view(WindowId::Main); }
    const WindowView& advancedView() const { return timer.view(WindowId::Advanced); }

    bool start(WindowId window, const std::string& wageEntry)
    {
        timer.EditWageEntry(window, wageEntry);
        return timer.Start(window);
    }

    // As start-up does when the user continues with a saved count.
    void restoreCount(std::int32_t seconds)
    {
        state.ElapsedSeconds = seconds;
        timer.ShowCount();
    }

    bool anyTickerOn() const { return mainTick.enabled() || advancedTick.enabled() || blink.enabled(); }

    RunState state;
    FakePrompt prompt;
    WageTypes wageTypes{state, prompt};
    ManualClock clock;
    ManualTicker& mainTick = clock.addTicker();
    ManualTicker& advancedTick = clock.addTicker();
    ManualTicker& blink = clock.addTicker();
    RunTimer timer{state, prompt, wageTypes, {mainTick, advancedTick, blink}};
    std::vector<bool> trayFlags;
    std::vector<std::int32_t> checkpoints;
};
