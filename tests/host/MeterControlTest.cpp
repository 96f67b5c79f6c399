#include "HostFixture.h"

#include "engine/MeterStatus.h"

#include <QLabel>

namespace {

using MeterControlTest = HostFixture;

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
        for (const Phase expected : {Phase::Paused, Phase::Running, Phase::Paused}) {
            control.perform(RemoteCommand::Toggle);
            EXPECT_EQ(w.host.runTimer().phase(), expected);
        }
        control.perform(RemoteCommand::Start);
        control.perform(RemoteCommand::Pause);
        w.tick(3);
        EXPECT_EQ(w.host.runTimer().elapsedSeconds(), 5);
        EXPECT_TRUE(w.asked().empty());
    }
}

// Read from the run, never from a label: a paused total blinks out of its label, not out of the status. Watchers
// get a line per change of the figures: each counted second, a start or pause, a new rate; never the blink.
TEST_F(MeterControlTest, StatusTextJsonAndWatchersFollowTheRunIdleRunningPausedAndAdvanced)
{
    startWith();
    int changes = 0;
    host.control().onStatusChanged([&changes] { ++changes; });
    const auto expect = [this, &changes](int changed, const std::string& line, const std::string& json) {
        EXPECT_EQ(changes, changed);
        EXPECT_EQ(statusLine(host.control().status()), line);
        EXPECT_EQ(statusJson(host.control().status()), json);
    };
    expect(0, "Idle 00:00:00 $0.00 ($0.00/hr)",
           R"j({"state":"idle","elapsed":0,"elapsedText":"00:00:00","total":"0.0000","totalText":"$0.00",)j"
           R"j("hourlyWage":"0.0000","mode":"simple","text":"$0.00 00:00:00",)j"
           R"j("tooltip":"Idle 00:00:00 $0.00 ($0.00/hr)","class":"idle"})j");

    host.runTimer().editWageEntry(WindowId::Main, "36");
    host.control().perform(RemoteCommand::Start);
    EXPECT_EQ(changes, 1) << "the start gives the phase and the rate at once";
    tick(3723);
    expect(3724, "Running 01:02:03 $37.23 ($36.00/hr)",
           R"j({"state":"running","elapsed":3723,"elapsedText":"01:02:03","total":"37.2300","totalText":"$37.23",)j"
           R"j("hourlyWage":"36.0000","mode":"simple","text":"$37.23 01:02:03",)j"
           R"j("tooltip":"Running 01:02:03 $37.23 ($36.00/hr)","class":"running"})j");

    host.control().perform(RemoteCommand::Pause);
    tick(3); // the blink takes the total out of its label, and no watcher hears it
    ASSERT_EQ(control<QLabel>(host.mainWindow(), "lblTotal").text(), "");
    expect(3725, "Paused 01:02:03 $37.23 ($36.00/hr)",
           R"j({"state":"paused","elapsed":3723,"elapsedText":"01:02:03","total":"37.2300","totalText":"$37.23",)j"
           R"j("hourlyWage":"36.0000","mode":"simple","text":"$37.23 01:02:03",)j"
           R"j("tooltip":"Paused 01:02:03 $37.23 ($36.00/hr)","class":"paused"})j");

    host.runTimer().enterAdvanced();
    host.runTimer().chooseDream();
    EXPECT_EQ(changes, 3727) << "the mode, then the rate";
    EXPECT_EQ(statusLine(host.control().status()), "Paused 01:02:03 $37.23 ($45.50/hr)");
    EXPECT_NE(statusJson(host.control().status()).find(R"j("hourlyWage":"45.5000","mode":"advanced")j"),
              std::string::npos);
    for (const auto& [units, text] : {std::pair<std::int64_t, const char*>{5, "0.0005"},
                                      {-5000, "-0.5000"},
                                      {INT64_MAX, "922337203685477.5807"},
                                      {INT64_MIN, "-922337203685477.5808"}})
        EXPECT_EQ(fourDecimals(Currency::fromUnits(units)), text) << "four decimals and the sign over the whole range";
}

// A second launch during the continue question must not open a window under it: its commands wait for the first
// window and then run in order, or are dropped when start-up ends the program, as a first start does.
TEST(MeterControlAtStartUp, CommandsWaitForTheFirstWindowThenRunInOrderOrAreDroppedWhenStartUpEnds)
{
    for (const bool firstStart : {false, true}) {
        HostWorld w;
        bool shownDuringQuestion = false;
        w.prompt.whileAsked = [&w, &shownDuringQuestion](const Message&) {
            for (const RemoteCommand command : {RemoteCommand::Start, RemoteCommand::Show, RemoteCommand::Pause})
                w.host.control().perform(command);
            shownDuringQuestion |= w.host.mainWindow().isVisible() || w.runTick.enabled() || w.blinkTick.enabled();
        };
        w.prompt.answers.queueAnswer(Answer::Yes);
        if (firstStart)
            EXPECT_FALSE(w.host.start());
        else
            w.startWith(HostWorld::DefaultConfig, HostWorld::DefaultSaved, "5400\r\n");
        EXPECT_FALSE(shownDuringQuestion) << firstStart;
        EXPECT_EQ(w.host.mainWindow().isVisible(), !firstStart);
        EXPECT_EQ(std::pair(w.host.runTimer().phase(), w.host.runTimer().elapsedSeconds()),
                  firstStart ? std::pair(Phase::Idle, 0) : std::pair(Phase::Paused, 5400))
            << "start, then pause";
    }
}

// The save question answered, the run is over: a command arriving while a
// failure is told must not start it again.
TEST_F(MeterControlTest, CommandsOnceExitHasBegunDoNothing)
{
    prompt.answers.queueAnswer(Answer::Yes);
    startWith(DefaultConfig, DefaultSaved, "60\r\n");
    files.failWrites(path("Prev.ewg"), "Permission denied");
    prompt.whileAsked = [this](const Message& message) {
        if (message.caption == "Earnmeter")
            host.control().perform(RemoteCommand::Start);
    };
    prompt.answers.queueAnswer(Answer::Yes);
    host.requestExit();
    EXPECT_EQ(quitCalls, 1);
    EXPECT_FALSE(runTick.enabled());
}

} // namespace
