#include "HostFixture.h"
#include "engine/RowName.h"
#include "host/ChosenMoney.h"
#include "support/BlockLog.h"

#include "ui/common/Twips.h"
#include "ui/options/OptionsDialog.h"
#include "ui/preferences/PreferencesDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <tuple>
#include <utility>

namespace {

using StartupTest = HostFixture;
using ExitTest = HostFixture;
using TrayTest = HostFixture;

TEST_F(StartupTest, FirstRunWithoutSettingsWritesTheDefaultsTellsTwiceAndEnds)
{
    EXPECT_FALSE(host.start());
    EXPECT_EQ(asked(), Lines({"(x) Error: File not found for /Config.ewg",
                              "(i) Notice: /Config.ewg will be recreated now. Please launch the software again."}));
    EXPECT_EQ(file("Config.ewg"), DefaultConfig);
    EXPECT_EQ(file("Prev.ewg"), Missing);
    EXPECT_FALSE(host.mainWindow().isVisible() || host.options().isVisible() || panel.shown);
}

TEST_F(StartupTest, EmptyFilesAreToldInTurnAndLeftEmpty)
{
    startWith("", "", "");
    EXPECT_EQ(asked(),
              Lines({"(i) Earnmeter: End of Config.ewg file reached.", "(i) Earnmeter: End of Saved.ewg file reached.",
                     "(i) Earnmeter: End of Prev.ewg file reached."}));
    EXPECT_EQ(file("Config.ewg") + file("Saved.ewg") + file("Prev.ewg"), "");
}

// A Yes keeps the count: the exit and session end tests start that way.
TEST_F(StartupTest, ContinueQuestionAnsweredNoStartsFromZeroAndLeavesTheSavedCount)
{
    startWith(DefaultConfig, DefaultSaved, "5400\r\n");
    EXPECT_EQ(asked(),
              Lines({"(?) Continue Earnmeter: Do you want to continue with your elapsed time of 01:30:00? [Yes/No]"}));
    EXPECT_EQ(host.runTimer().elapsedSeconds(), 0);
    EXPECT_EQ(control<QLabel>(host.mainWindow(), "lblSeconds").text(), "00:00:00");
    EXPECT_EQ(file("Prev.ewg"), "5400\r\n"); // until the next write
}

// Whatever box start-up puts up, the icon is there first, so its Exit is at hand.
TEST(StartupTray, IsThereBeforeAnyBoxOfAFirstRunOrADamagedFile)
{
    for (const char* config : {"", "garbage"}) {
        HostWorld w;
        std::vector<bool> shownWhileAsked;
        w.prompt.whileAsked = [&](const Message&) {
            shownWhileAsked.push_back(w.panel.shown);
        };
        if (*config != '\0')
            w.files.put(HostWorld::path("Config.ewg"), config);
        w.files.put(HostWorld::path("Earnmeter.conf"), "new_day = later\n");
        w.host.start();
        EXPECT_EQ(shownWhileAsked, std::vector<bool>(2, true)) << "two boxes, each with the icon there: " << config;
    }
}

// The tray comes just after the first window, or before the continue question, whose
// wait it may end through Exit; made once either way.
TEST(StartupTray, IsThereOnceStartedAndAlreadyWhileTheContinueQuestionWaits)
{
    for (const auto& [prev, trayWhileAsked] : {std::pair{"0\r\n", false}, {"5400\r\n", true}}) {
        HostWorld w;
        bool asked = false, shownWhileAsked = false;
        const SysTray* trayWhileAskedWas = nullptr;
        w.prompt.whileAsked = [&](const Message&) {
            asked = true, shownWhileAsked = w.panel.shown, trayWhileAskedWas = w.host.trayHost().tray();
        };
        w.prompt.answers.queueAnswer(Answer::Yes);
        w.startWith(HostWorld::DefaultConfig, HostWorld::DefaultSaved, prev);
        EXPECT_EQ(std::pair(asked, shownWhileAsked), std::pair(trayWhileAsked, trayWhileAsked)) << prev;
        ASSERT_TRUE(w.panel.shown && w.panel.menu) << prev;
        EXPECT_EQ(w.panel.menu->actions().size(), 9);
        if (asked) {
            EXPECT_EQ(w.host.trayHost().tray(), trayWhileAskedWas) << "made once";
        }
        EXPECT_EQ(w.panel.tip, "Earnmeter");
        EXPECT_TRUE(w.host.mainWindow().isVisible());
    }
}

TEST(StartupDamagedConfig, KeepsGoingWithANoticeAndLeavesTheFileByteIdentical)
{
    for (const auto& [content, problem, kept] :
         {std::tuple{"\"v2.5\",6.75\r\n", "Too few fields", "Minimum Wage"},
          {"\"v2.5\",6.75,1e300,0,0,-1\r\n", "DREAM Wage out of range", "Minimum Wage"},
          {"\"v2.5\",6.75,45.5,0,0,65535\r\n", "Switch out of range",
           "Minimum Wage, DREAM Wage, Minimize on Startup, Startup in Advanced Mode"}}) {
        HostWorld w;
        w.startWith(content);
        EXPECT_EQ(w.asked(), Lines{"(!) Earnmeter: " + std::string(problem) + " for /Config.ewg. Read from it: " +
                                   kept + ". The other settings take their defaults, and the file is left unchanged."})
            << content;
        EXPECT_EQ(w.file("Config.ewg"), content);
        EXPECT_EQ(w.host.settings().MinimumWage, Currency::fromUnits(67'500)); // read before the damage
    }
}

// Only a missing settings file is a first start. Any other trouble is told, start-up goes on with
// what could be read and the defaults for the rest, and the file keeps every byte.
TEST(StartupWithTroubledSettings, TellsWhatWasWrongGoesOnAndNeverTouchesTheFile)
{
    const std::string big = "\"v2.5\",7,50,0,0,0\r\n" + std::string(200'000, 'x');
    const std::string elf("\x7f"
                          "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0",
                          18);
    const std::string utf16("\xff\xfe\"\0v\0"
                            "2\0.\0"
                            "5\0\"\0,\0",
                            16);
    const std::string nothingRead = "(!) Earnmeter: Version not recognised for /Config.ewg. Nothing could be read from "
                                    "it: the settings take their defaults, and the file is left unchanged.";
    const Settings defaults = Settings::defaults();
    const Settings sevenFifty{Currency::fromUnits(70'000), Currency::fromUnits(500'000), false, false, false};
    struct Row
    {
        std::string content, readFailure, told;
        Settings inForce;
    };
    for (const auto& [content, readFailure, told, inForce] :
         {Row{"\"v2.5\",7,50,0,0,0\r\n", "Permission denied", "(x) Error: Permission denied for /Config.ewg", defaults},
          Row{"", "Is a directory", "(x) Error: Is a directory for /Config.ewg", defaults},
          Row{"", "Not a regular file", "(x) Error: Not a regular file for /Config.ewg", defaults},
          Row{big, "", "", sevenFifty}, Row{elf, "", nothingRead, defaults}, Row{utf16, "", nothingRead, defaults},
          Row{"garbage,1,2,3,4,5\r\n", "", nothingRead, defaults},
          Row{"\"v2.5\",7,50,-1\r\n", "",
              "(!) Earnmeter: Too few fields for /Config.ewg. Read from it: Minimum Wage, DREAM Wage, Minimize on "
              "Startup. The other settings take their defaults, and the file is left unchanged.",
              Settings{sevenFifty.MinimumWage, sevenFifty.DreamWage, true, false, true}}}) {
        HostWorld w;
        if (!readFailure.empty())
            w.files.failReads(w.path("Config.ewg"), readFailure);
        w.startWith(content);
        EXPECT_EQ(w.asked(), told.empty() ? Lines() : Lines{told}) << readFailure;
        EXPECT_EQ(w.host.settings(), inForce) << told;
        EXPECT_EQ(w.file("Config.ewg"), content) << "every byte kept";
        EXPECT_TRUE(w.host.mainWindow().isVisible());
    }
}

// A Prev.ewg that is there but cannot be read holds a count the user may want back: told, not overwritten.
TEST_F(StartupTest, AnUnreadableCountIsToldAndNotWrittenOverAtStartUp)
{
    files.failReads(path("Prev.ewg"), "Permission denied");
    startWith(DefaultConfig, DefaultSaved, "5400\r\n");
    EXPECT_EQ(asked(), Lines({"(x) Error: Permission denied for /Prev.ewg"}));
    EXPECT_EQ(std::pair(files.writes(path("Prev.ewg")), host.runTimer().elapsedSeconds()), std::pair(0, 0));
}

TEST(StartupSettings, OpenTheChosenWindowMinimizedIfAskedWithTheConfiguredRatesOnItsOptions)
{
    for (const auto& [config, opened] : {std::pair{"\"v2.5\",7.25,60,0,0,-1\r\n", "main"},
                                         {"\"v2.5\",7.25,60,-1,0,-1\r\n", "main minimized"},
                                         {"\"v2.5\",7.25,60,0,-1,-1\r\n", "advanced"},
                                         {"\"v2.5\",7.25,60,-1,-1,-1\r\n", "advanced minimized"}}) {
        HostWorld w;
        w.startWith(config);
        QCoreApplication::processEvents();
        AdvancedWindow& advanced = w.host.advancedWindow();
        const bool mainShown = w.host.mainWindow().isVisible(), advancedShown = advanced.isVisible();
        EXPECT_EQ(std::string(mainShown ? "main" : "") + (advancedShown ? "advanced" : "") +
                      (w.host.liveWindow().isMinimized() ? " minimized" : ""),
                  opened);
        EXPECT_EQ(HostWorld::control<QAbstractButton>(advanced, "optMinWage").text() + "; " +
                      HostWorld::control<QAbstractButton>(advanced, "optMaxWage").text(),
                  "Minimum Wage  ($7.25)/hr; DREAM Wage  ($60.00)/hr");
    }
}

// A record of another version is rewritten in this one's layout; a rewrite that fails is told
// instead of the update, and the old record stays.
TEST(StartupOlderSettings, AreRewrittenAndTheUpdateToldOrTheFailedRewriteTold)
{
    const char* const older = "\"v2.42\",7,50,0,0,-1\r\n";
    for (const auto& [failing, told, kept] :
         {std::tuple{false,
                     "(i) Earnmeter Update: Your software has been updated to version 2.5. Click OK to continue.",
                     "\"v2.5\",7,50,0,0,-1\r\n"},
          {true, "(!) Earnmeter: Permission denied for /Config.ewg", older}}) {
        HostWorld w;
        if (failing)
            w.files.failWrites(w.path("Config.ewg"), "Permission denied");
        w.startWith(older);
        EXPECT_EQ(w.asked(), Lines{told});
        EXPECT_EQ(w.file("Config.ewg"), kept);
    }
}

TEST_F(StartupTest, OptionsOkRefusesABadWageAndAnUnwritableFolderThenWritesTheRestoredDefaults)
{
    const char* const changed = "\"v2.5\",7,50,0,0,0\r\n";
    startWith(changed);
    OptionsDialog& dialog = host.options();
    dialog.show();
    auto& edit = control<QLineEdit>(dialog, "txtMinWage");
    edit.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    edit.selectAll();
    QTest::keyClicks(&edit, "abc");
    QTest::keyClick(&edit, Qt::Key_Return); // the box keeps the focus
    EXPECT_EQ(edit.text(), QStringLiteral("abc"));

    files.failWrites(path("Config.ewg"), "Permission denied");
    control<QAbstractButton>(dialog, "cmdRestore").click();
    control<QAbstractButton>(dialog, "cmdSave").click();
    EXPECT_EQ(
        asked(),
        Lines(
            {"Earnmeter: Type mismatch: the amount is not a number. Enter digits with an optional point, such as 6.75.",
             "Earnmeter: Permission denied for /Config.ewg"}));
    EXPECT_TRUE(dialog.isVisible() && dialog.optionsChanged());
    EXPECT_EQ(file("Config.ewg"), changed);

    files.clearFailures();
    control<QAbstractButton>(dialog, "cmdSave").click();
    EXPECT_EQ(file("Config.ewg"), DefaultConfig);
    EXPECT_EQ(control<QAbstractButton>(host.advancedWindow(), "optMinWage").text() + "; " +
                  control<QAbstractButton>(host.advancedWindow(), "optMaxWage").text(),
              "Minimum Wage  ($6.75)/hr; DREAM Wage  ($45.50)/hr");
    EXPECT_TRUE(host.settings().SavePositionOnExit && !dialog.isVisible());
    EXPECT_EQ(asked().size(), 2u);
}

// Cancel puts back what is in force, not what was typed, and leaves "changed" as it was:
// a later OK writes whatever the controls then hold.
TEST_F(StartupTest, OptionsCancelPutsBackTheWagesAndSwitchesInForce)
{
    startWith("\"v2.5\",7,50,-1,-1,0\r\n");
    OptionsDialog& dialog = host.options();
    dialog.show();
    control<QAbstractButton>(dialog, "cmdRestore").click();
    control<QLineEdit>(dialog, "txtMaxWage").setText("99");
    control<QAbstractButton>(dialog, "cmdCancel").click();
    const auto controls = [&] {
        std::string shown = control<QLineEdit>(dialog, "txtMinWage").text().toStdString() + " " +
                            control<QLineEdit>(dialog, "txtMaxWage").text().toStdString();
        for (const char* box : {"chkMinimize", "chkAdvScr", "chkSavePos"})
            shown += control<QAbstractButton>(dialog, box).isChecked() ? " on" : " off";
        return shown;
    };
    EXPECT_EQ(controls(), "7.00 50.00 on on off");
    EXPECT_TRUE(!dialog.isVisible() && dialog.optionsChanged());
    EXPECT_EQ(file("Config.ewg"), "\"v2.5\",7,50,-1,-1,0\r\n");
    dialog.show();
    control<QAbstractButton>(dialog, "cmdSave").click();
    EXPECT_EQ(file("Config.ewg"), "\"v2.5\",7,50,-1,-1,0\r\n") << "rewritten from the controls";
    EXPECT_EQ(host.settings().MinimumWage, Currency::fromUnits(70'000));
}

const char* const StartPlaces = "1500,1500,3000,3000\r\n";
const char* const DraggedPlaces = "1515,1530,3015,3030\r\n";

// The count carried over (kept when there is one), both windows dragged away from where they started.
void StartWithACount(HostWorld& w, const char* prev = "5400\r\n", const char* config = HostWorld::DefaultConfig)
{
    w.prompt.answers.queueAnswer(Answer::Yes);
    w.startWith(config, StartPlaces, prev);
    w.prompt.answers.forgetAsked();
    w.host.mainWindow().move(Twips::toPixels(1515), Twips::toPixels(1530));
    w.host.advancedWindow().move(Twips::toPixels(3015), Twips::toPixels(3030));
}

// Without SavePositionOnExit the default places are written; a minimized window's normal place is.
TEST(ExitAnswer, AsksOnlyWithACountSavesItOnYesDropsItOnNoAndChangesNothingOnCancel)
{
    const char* const saving = HostWorld::DefaultConfig;
    for (const auto& [config, prev, answer, prevAfter, savedAfter, quits] :
         {std::tuple{saving, "0\r\n", Answer::Yes, "0\r\n", DraggedPlaces, 1},
          {saving, "5400\r\n", Answer::Yes, "5400\r\n", DraggedPlaces, 1},
          {saving, "5400\r\n", Answer::No, "0\r\n", DraggedPlaces, 1},
          {saving, "5400\r\n", Answer::Cancel, "5400\r\n", StartPlaces, 0},
          {"\"v2.5\",6.75,45.5,0,0,0\r\n", "5400\r\n", Answer::No, "0\r\n", HostWorld::DefaultSaved, 1},
          {"\"v2.5\",6.75,45.5,-1,0,-1\r\n", "0\r\n", Answer::Yes, "0\r\n", DraggedPlaces, 1}}) {
        HostWorld w;
        StartWithACount(w, prev, config);
        w.prompt.answers.queueAnswer(answer);
        w.host.requestExit();
        SCOPED_TRACE(testing::Message() << config << prev << int(answer));
        EXPECT_EQ(w.file("Prev.ewg") + w.file("Saved.ewg"), std::string(prevAfter) + savedAfter);
        EXPECT_EQ(std::pair(w.quitCalls, w.panel.shown), std::pair(quits, quits == 0)) << "the tray goes when it ends";
        EXPECT_FALSE(w.host.mainWindow().isMinimized());
        EXPECT_EQ(w.asked(), *prev == '0' ? Lines() : Lines{HostWorld::SaveQuestion});
    }
}

// A window the user never moved is saved where the file placed it, the advanced one too.
TEST_F(ExitTest, WindowsLeftWhereTheyOpenedAreSavedInThePlacesTheyWereRead)
{
    startWith(DefaultConfig, StartPlaces);
    host.runTimer().enterAdvanced();
    ASSERT_TRUE(host.advancedWindow().isVisible());
    host.requestExit();
    EXPECT_EQ(file("Saved.ewg"), StartPlaces);
}

// Wayland does not tell where windows stand: asked to keep the places, the program keeps the file.
TEST(ExitOnWayland, KeepsTheSavedPlacesWhenAskedToSaveThemAndWritesTheDefaultsOtherwise)
{
    for (const auto& [config, savedAfter] : {std::pair{HostWorld::DefaultConfig, StartPlaces},
                                             {"\"v2.5\",6.75,45.5,0,0,0\r\n", HostWorld::DefaultSaved}}) {
        HostWorld w(DesktopTraits{false, false});
        StartWithACount(w, "0\r\n", config);
        w.host.requestExit();
        EXPECT_EQ(w.file("Saved.ewg"), savedAfter) << config;
        EXPECT_EQ(w.quitCalls, 1);
    }
}

TEST_F(ExitTest, EveryFiveMinutesTheCountIsWrittenAndAFailureIsToldOnceUntilAWriteWorks)
{
    startWith();
    ASSERT_TRUE(host.runTimer().start(WindowId::Main));
    tick(300);
    EXPECT_EQ(file("Prev.ewg"), "300\r\n");
    files.failWrites(path("Prev.ewg"), "Permission denied");
    tick(300);
    EXPECT_TRUE(asked().empty()) << "a box inside the tick would let further ticks run inside it";
    for (const char* failing : {"Prev.ewg", "", "Prev.ewg"}) {
        QCoreApplication::processEvents();
        files.clearFailures();
        if (*failing != '\0')
            files.failWrites(path(failing), "Permission denied");
        tick(300);
    }
    QCoreApplication::processEvents();
    ASSERT_EQ(asked().size(), 2u) << "told again once a write had worked";
    EXPECT_EQ(asked()[1], "(!) Earnmeter: Permission denied for /Prev.ewg\n\nThe elapsed time goes on counting; it "
                          "will be saved again in five minutes.");
    EXPECT_EQ(file("Prev.ewg"), "1200\r\n");
}

// A box cut short by the session's end returns as if answered No, so nothing after it is the
// user's choice: the program ends and keeps the count and the places it found.
TEST(ExitSessionEnd, BeforeTheContinueQuestionIsAnsweredLeavesTheFilesAsTheyAre)
{
    for (const auto& [saved, message] : {std::pair{HostWorld::DefaultSaved, ""},
                                         {"", "End of Saved.ewg"},
                                         {HostWorld::DefaultSaved, "Do you want to continue"}}) {
        HostWorld w;
        w.files.put(w.path("Config.ewg"), HostWorld::DefaultConfig);
        w.files.put(w.path("Saved.ewg"), saved);
        w.files.put(w.path("Prev.ewg"), "5400\r\n");
        w.prompt.whileAsked = [&w, message = std::string(message)](const Message& up) {
            if (!message.empty() && up.text.rfind(message, 0) == 0)
                w.host.endSession();
        };
        if (*message == '\0')
            w.host.endSession();
        EXPECT_FALSE(w.host.start()) << message;
        w.host.commitData(); // a logout that follows
        w.host.endSession(); // and a second SIGTERM
        EXPECT_EQ(w.file("Prev.ewg") + w.file("Saved.ewg"), std::string("5400\r\n") + saved);
    }
}

// No one is there to answer a box as the session ends: the count is written once, a failure
// goes to standard error, later signals change nothing, and nothing counts any more.
TEST(ExitSessionEnd, AfterStartUpWritesTheCountOnceWithoutAskingAndTellsAFailureOnStandardError)
{
    for (const bool diskFull : {false, true}) {
        HostWorld w;
        StartWithACount(w);
        ASSERT_TRUE(w.host.runTimer().start(WindowId::Main));
        w.tick(7);
        if (diskFull)
            w.files.failWrites(w.path("Prev.ewg"), "No space left on device");
        w.host.endSession();
        w.host.endSession();
        w.host.commitData();
        w.tick(5);
        EXPECT_EQ(w.files.writes(w.path("Prev.ewg")), 1);
        EXPECT_EQ(w.file("Prev.ewg"), diskFull ? "5400\r\n" : "5407\r\n");
        EXPECT_TRUE(w.asked().empty());
        EXPECT_EQ(w.warnings, diskFull ? Lines{"earnmeter: the elapsed time was not saved in " +
                                               std::string(HostWorld::Folder) + "/Prev.ewg: No space left on device"}
                                       : Lines{});
    }
}

// A failure box at exit runs an event loop of its own; ticks there must neither count nor write.
TEST_F(ExitTest, OnceYesOrNoIsChosenNothingCountsAndOnlyTheChosenCountIsWritten)
{
    StartWithACount(*this, "299\r\n");
    ASSERT_TRUE(host.runTimer().start(WindowId::Main));
    files.failWrites(path("Saved.ewg"), "Permission denied");
    prompt.whileAsked = [this](const Message& up) {
        if (up.text.rfind("Permission denied", 0) == 0)
            tick(3); // the checkpoint at 300 would write 300
    };
    prompt.answers.queueAnswer(Answer::No);
    host.requestExit();
    EXPECT_EQ(file("Prev.ewg"), "0\r\n");
    EXPECT_EQ(files.writes(path("Prev.ewg")), 1);
    EXPECT_EQ(host.runTimer().elapsedSeconds(), 299);
    EXPECT_EQ(asked(), Lines({SaveQuestion, "(!) Earnmeter: Permission denied for /Saved.ewg"}));
}

// While the question is up the run goes on; Cancel leaves it exactly as it was.
TEST_F(ExitTest, CancelLeavesARunningRunRunning)
{
    StartWithACount(*this);
    ASSERT_TRUE(host.runTimer().start(WindowId::Main));
    prompt.whileAsked = [this](const Message&) {
        tick(2);
    };
    prompt.answers.queueAnswer(Answer::Cancel);
    host.requestExit();
    tick(1);
    EXPECT_EQ(host.runTimer().elapsedSeconds(), 5403);
    EXPECT_EQ(host.runTimer().phase(), Phase::Running);
    EXPECT_EQ(quitCalls, 0);
}

// The user picks an item from the tray's own menu; the tray reports it queued.
void Pick(HostWorld& w, int index)
{
    w.panel.menu->actions().at(index)->trigger();
    QCoreApplication::processEvents();
}

TEST(TrayInEachMode, StartAndPauseReachTheLiveWindow)
{
    for (const bool advanced : {false, true}) {
        HostWorld w;
        w.startWith(advanced ? "\"v2.5\",6.75,45.5,0,-1,-1\r\n" : HostWorld::DefaultConfig);
        ASSERT_TRUE(w.host.mainWindow().isVisible() != advanced && w.host.advancedWindow().isVisible() == advanced);

        Pick(w, 2); // Start Timer
        EXPECT_TRUE(w.runTick.enabled() && (w.host.runTimer().liveWindow() == WindowId::Advanced) == advanced);
        w.tick(3);
        Pick(w, 3); // Pause Timer
        EXPECT_TRUE(w.blinkTick.enabled() && !w.runTick.enabled());
        w.tick(3);
        EXPECT_EQ(w.host.runTimer().elapsedSeconds(), 3);
    }
}

// Keys are compared exactly, case included; "about" would open a modal window.
TEST_F(TrayTest, AKeyThatMatchesNothingExactlyDoesNothingWhileOpenAndExitFromTheMenuWork)
{
    startWith();
    host.mainWindow().close();
    for (const char* key : {"email", "Open", "START", "Close", "exit", "", "open "})
        emit host.trayHost().tray()->MenuClick(-1, QString::fromLatin1(key));
    EXPECT_TRUE(asked().empty() && shell.addresses.empty());
    EXPECT_FALSE(host.mainWindow().isVisible() || runTick.enabled());

    Pick(*this, 0); // Open
    EXPECT_TRUE(host.mainWindow().isVisible());
    Pick(*this, 8); // Exit
    EXPECT_EQ(quitCalls, 1) << "and never before";
}

TEST_F(TrayTest, AboutFromTheMenuOpensTheAboutWindow)
{
    startWith();
    std::string opened;
    panel.menu->actions().at(6)->trigger(); // About...
    // Queued behind the menu's report, so it runs inside the about window's modal loop.
    QTimer::singleShot(0, qApp, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->windowTitle().toStdString();
            modal->close();
        }
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, "About Earnmeter");
}

// Only counted seconds move the tip; a pause leaves the last one, as does the blink.
TEST_F(TrayTest, TheTipFollowsEveryCountedSecondAndALeftClickDoesNothingButADoubleClickOpens)
{
    startWith();
    host.runTimer().editWageEntry(WindowId::Main, "36");
    ASSERT_TRUE(host.runTimer().start(WindowId::Main));
    const int sendsBefore = panel.tipSends;
    for (int second = 1; second <= 3; ++second) {
        tick();
        EXPECT_EQ(panel.tip.section(QLatin1Char('\n'), 0, 0),
                  TrayHost::toolTipText(Currency::fromUnits(second * 100), ChosenMoney(numbers)));
    }
    host.runTimer().pause(WindowId::Main);
    tick(4);
    EXPECT_EQ(panel.tipSends - sendsBefore, 3);
    host.mainWindow().close();
    panel.click(QSystemTrayIcon::Trigger);
    QCoreApplication::processEvents();
    EXPECT_FALSE(host.mainWindow().isVisible() || panel.menu->isVisible());
    panel.click(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(host.mainWindow().isVisible());
}

// A StatusNotifierItem panel sends each click alone; two within the desktop's interval open.
TEST_F(TrayTest, TwoSingleClicksWithinTheDoubleClickIntervalOpenTheWindow)
{
    startWith();
    host.mainWindow().close();
    const std::chrono::milliseconds interval(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    for (const auto& [gap, opens] : {std::pair{interval, false}, {interval - std::chrono::milliseconds(1), true}}) {
        panel.click(QSystemTrayIcon::Trigger);
        panel.now += gap;
        panel.click(QSystemTrayIcon::Trigger);
        panel.now += interval * 2;
        EXPECT_EQ(host.mainWindow().isVisible(), opens) << gap.count() << " ms apart";
    }
}

// "$" leaves the tip in the locale's own currency format, as it always was; a chosen one is written as everywhere.
TEST(TrayToolTip, ShowsTheTotalInTheLocalesCurrencyOrTheChosenOneThenTheProductName)
{
    using Row = std::tuple<QLocale, std::string, QString>;
    const QLocale american(QLocale::English, QLocale::UnitedStates), german(QLocale::German, QLocale::Germany);
    // German puts the sign after the amount, behind a no-break space.
    for (const auto& [locale, currency, tip] :
         Rows(Row{american, "$", "$1,234.50 (Earnmeter)"}, Row{german, "$", "1.234,50\u00A0\u20AC (Earnmeter)"},
              Row{german, "JPY", "1.235\u00A0\u00A5 (Earnmeter)"}, Row{american, "locale", "$1,234.50 (Earnmeter)"})) {
        ChosenMoney money(locale);
        money.choose(currency);
        EXPECT_EQ(TrayHost::toolTipText(Currency::fromUnits(12'345'000), money), tip) << currency;
    }
}

// Dollars stay as they always were whatever the locale; any other currency takes the
// locale's symbol position, separators and negatives, and the currency's decimals.
TEST(ChosenMoney, WritesDollarsAsAlwaysAndOtherCurrenciesAsTheLocaleWritesMoney)
{
    using Row = std::tuple<const char*, std::string, std::int64_t, std::string>;
    for (const auto& [locale, currency, units, shown] :
         Rows(Row{"en_US", "$", 12'345'000, "$1234.50"}, Row{"de_DE", "$", -25'000, "$(2.50)"},
              Row{"de_DE", "XYZ", 12'345'000, "$1234.50"}, Row{"C", "locale", 12'345'000, "$1234.50"},
              Row{"de_DE", "EUR", 12'345'000, "1.234,50\u00A0€"}, Row{"de_DE", "eur", -25'000, "-2,50\u00A0€"},
              Row{"de_DE", "locale", 50, "0,01\u00A0€"}, Row{"en_US", "EUR", -25'000, "(€2.50)"},
              Row{"fr_FR", "EUR", 12'345'000, "1\u202F234,50\u00A0€"}, Row{"fr_FR", "CHF", 49, "0,00\u00A0CHF"},
              Row{"en_US", "JPY", 12'345'000, "¥1,235"}, Row{"ja_JP", "JPY", 12'344'999, "￥1,234"},
              Row{"ja_JP", "locale", -5'000, "(￥1)"}, Row{"en_US", "GBP", 10'000'000'000, "£1,000,000.00"},
              Row{"C", "EUR", 12'345'000, "1234.50€"})) {
        ChosenMoney money{QLocale(QString::fromLatin1(locale))};
        money.choose(currency);
        EXPECT_EQ(money.amount(Currency::fromUnits(units)), shown) << locale << " " << currency;
    }
    ChosenMoney euros{QLocale(QLocale::German, QLocale::Germany)};
    euros.choose("EUR");
    EXPECT_EQ(euros.rate(Currency::fromUnits(455'000)), "(45,50\u00A0€)/hr");
}

// A currency chosen in the Preferences window is saved and reaches the figures at
// once: the windows, their caption, the tray, History and the status texts.
TEST(ChosenCurrency, IsSavedAndReachesTheWindowsTheTrayHistoryAndTheStatusTexts)
{
    HostWorld world;
    world.startWith();
    world.host.runTimer().editWageEntry(WindowId::Main, "36");
    ASSERT_TRUE(world.host.runTimer().start(WindowId::Main));
    world.tick();
    PreferencesDialog& dialog = world.host.preferencesDialog();
    QComboBox& currency = HostWorld::control<QComboBox>(dialog, "cboCurrency");
    currency.setCurrentIndex(currency.findData(QStringLiteral("EUR")));
    ASSERT_TRUE(dialog.save());
    EXPECT_NE(world.file("Earnmeter.conf").find("\ncurrency = EUR\n"), std::string::npos);
    ChosenMoney euros(world.numbers);
    euros.choose("EUR");
    const std::string cent = euros.amount(Currency::fromUnits(100));
    EXPECT_EQ(HostWorld::control<QLabel>(world.host.mainWindow(), "lblTotal").text().toStdString(), cent);
    EXPECT_EQ(HostWorld::control<QLabel>(world.host.mainWindow(), "lblGeneric1").text().toStdString(),
              "My Hourly &Wage: €")
        << "the wage box's caption names the currency";
    EXPECT_EQ(HostWorld::control<QLabel>(world.host.options(), "Label1").text().toStdString(), "&DREAM Wage €");
    world.host.showHistory();
    EXPECT_EQ(HostWorld::control<QLabel>(world.host.historyWindow(), "lblToday").text().toStdString(), cent);
    const MeterControl& meter = world.host.control();
    const std::string json = statusJson(meter.status(), meter.day(), meter.money());
    EXPECT_NE(json.find("\"totalText\":\"" + cent + "\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"total\":\"0.0100\""), std::string::npos) << "the figure itself stays as it was";
    world.tick();
    const std::string twoCents = euros.amount(Currency::fromUnits(200));
    EXPECT_EQ(world.host.mainWindow().windowTitle().toStdString(), twoCents + " (Earnmeter)");
    EXPECT_EQ(world.panel.tip.section(QLatin1Char('\n'), 0, 0).toStdString(), twoCents + " (Earnmeter)");
}

TEST_F(TrayTest, ClosingWithoutATrayMinimizesSoTheWindowCanComeBack)
{
    panel.available = false;
    startWith();
    host.mainWindow().close();
    EXPECT_TRUE(host.mainWindow().isVisible() && host.mainWindow().isMinimized());
}

// The tray menu's Open and Exit must stay within reach while a dialog is open: the dialogs block
// the window they stand over, not an XEMBED tray icon's own window.
TEST(TrayWhileADialogIsOpen, TheIconsWindowIsNotBlockedByTheAboutWindowOrTheOptions)
{
    HostWorld w;
    w.startWith();
    QWidget iconWindow;
    iconWindow.show();
    BlockLog icon(iconWindow), window(w.host.mainWindow());
    for (const auto open : {&Host::showAbout, &Host::showOptions}) {
        std::pair<bool, bool> blocked{true, false};
        QTimer::singleShot(0, &iconWindow, [&] {
            blocked = {icon.blocked, window.blocked};
            QApplication::activeModalWidget()->close();
        });
        (w.host.*open)();
        EXPECT_EQ(blocked, std::pair(false, true)) << "icon window, working window";
    }
}

// Records whether a window was hidden and shown again.
struct ShowLog final : QObject
{
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Show)
            seen += event->type() == QEvent::Hide ? "hide " : "show ";
        return false;
    }
    std::string seen;
};

// With no tray and no way to restore a minimized window, a closed window stays on screen, and a
// request to show it (the tray's Open, a second launch) hides it and shows it afresh.
TEST(TrayOnWayland, WithoutATrayAClosedWindowStaysAndAShowRequestShowsItAfresh)
{
    HostWorld w(DesktopTraits{false, false});
    w.panel.available = false;
    w.startWith();
    MainWindow& window = w.host.mainWindow();
    window.close();
    EXPECT_TRUE(window.isVisible() && !window.isMinimized());
    ShowLog log;
    window.installEventFilter(&log);
    w.host.showLiveWindow();
    EXPECT_EQ(log.seen, "hide show ");
    EXPECT_TRUE(window.isVisible());
}
} // namespace
