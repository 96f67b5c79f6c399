#include "HostFixture.h"

namespace {

const char* const AdvancedConfig = "\"v2.5\",6.75,45.5,0,-1,-1\r\n";

// The control channel, D-Bus and the tray menu act on the live window, whichever it is.
TEST(MeterControlInEachMode, ShowStartPauseAndToggleActOnTheLiveWindowAsTheTrayMenusItemsDo)
{
    for (const bool advanced : {false, true}) {
        SCOPED_TRACE(advanced ? "advanced" : "simple");
        HostWorld w;
        w.startWith(advanced ? AdvancedConfig : HostWorld::DefaultConfig);
        w.pick(2); // Start Timer
        EXPECT_TRUE(w.runTick.enabled() && (w.host.runTimer().liveWindow() == WindowId::Advanced) == advanced);
        w.tick(3);
        w.pick(3); // Pause Timer
        EXPECT_TRUE(w.blinkTick.enabled() && !w.runTick.enabled());
        w.tick(3);
        EXPECT_EQ(w.host.runTimer().elapsedSeconds(), 3);

        MeterControl& control = w.host.control();
        QWidget& live = w.host.liveWindow();
        live.close();
        control.perform(RemoteCommand::Show);
        EXPECT_TRUE(live.isVisible());
        EXPECT_NE(w.host.mainWindow().isVisible(), advanced);

        // Only the live window's box holds 72: a start from the other would count at 0.
        w.host.runTimer().editWageEntry(advanced ? WindowId::Advanced : WindowId::Main, "72");
        control.perform(RemoteCommand::Start);
        w.tick(2);
        EXPECT_EQ(w.host.runTimer().hourlyWage(), Currency::fromUnits(720'000));
        EXPECT_EQ(w.host.runTimer().totalEarned(), Currency::fromUnits(1'000)) << "the 5 s at 72";
        for (const auto& [command, expected] : {std::pair{RemoteCommand::Toggle, Phase::Paused},
                                                {RemoteCommand::Toggle, Phase::Running},
                                                {RemoteCommand::Pause, Phase::Paused}}) {
            control.perform(command);
            EXPECT_EQ(w.host.runTimer().phase(), expected);
        }
        EXPECT_TRUE(w.asked().empty());
    }
}

} // namespace
