#include "HostFixture.h"
#include "engine/RowName.h"
#include "host/ChosenMoney.h"

#include "ui/common/Twips.h"
#include "ui/options/OptionsDialog.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>

#include <chrono>
#include <optional>
#include <tuple>

namespace {

using StartupTest = HostFixture;
using ExitTest = HostFixture;
using TrayTest = HostFixture;

// The three files as an earlier run left them ("(missing)" for none), a file that fails, and what start-up made of it.
struct StartRow
{
    std::string name, config;
    Lines told;
    Settings inForce;
    std::string opened; // "" when start-up ends the program
    std::string fault;  // "read Prev.ewg: Permission denied", or "write ..."
    std::string prev, saved;
    std::optional<std::string> configAfter; // unchanged unless given
};

StartRow Row(std::string name, std::string config, Lines told = {}, Settings inForce = Settings::defaults(),
             std::string opened = "main", std::string fault = {}, std::string prev = "0\r\n",
             std::string saved = HostWorld::DefaultSaved, std::optional<std::string> configAfter = {})
{
    return {name, config, told, inForce, opened, fault, prev, saved, configAfter};
}

const std::string M = HostWorld::Missing, Older = "\"v2.42\",7,50,0,0,-1\r\n";
Settings At(std::int64_t minimum, std::int64_t dream, bool minimized, bool advanced)
{
    return {Currency::fromUnits(minimum * 100), Currency::fromUnits(dream * 100), minimized, advanced, true};
}

// Only a missing settings file is a first start. Any other trouble is told, start-up goes on with what could be read
// and the defaults for the rest, and the file keeps every byte. A Yes to the continue question keeps the count: the
// exit tests start that way.
const std::vector<StartRow> StartRows = {
    Row("FirstRunWritesTheDefaultsTellsTwiceAndEnds", M,
        {"(x) Error: File not found for /Config.ewg",
         "(i) Notice: /Config.ewg will be recreated now. Please launch the software again."},
        Settings::defaults(), "", "", M, M, HostWorld::DefaultConfig),
    Row("EmptyFilesAreToldInTurnAndLeftEmpty", "",
        {"(i) Earnmeter: End of Config.ewg file reached.", "(i) Earnmeter: End of Saved.ewg file reached.",
         "(i) Earnmeter: End of Prev.ewg file reached."},
        Settings{} /* nothing read: wages of 0 */, "main", "", "", ""),
    Row("ContinueAnsweredNoStartsFromZeroAndLeavesTheCountUntilTheNextWrite", HostWorld::DefaultConfig,
        {"(?) Continue Earnmeter: Do you want to continue with your elapsed time of 01:30:00? [Yes/No]"},
        Settings::defaults(), "main", "", "5400\r\n"),
    Row("AnUnreadableCountIsToldAndNotWrittenOver", HostWorld::DefaultConfig,
        {"(x) Error: Permission denied for /Prev.ewg"}, Settings::defaults(), "main",
        "read Prev.ewg: Permission denied", "5400\r\n"),
    Row("TooFewFieldsKeepsTheSwitchesRead", "\"v2.5\",7,50,-1\r\n",
        {"(!) Earnmeter: Too few fields for /Config.ewg. Read from it: Minimum Wage, DREAM Wage, Minimize on Startup. "
         "The other settings take their defaults, and the file is left unchanged."},
        At(700, 5000, true, false), "main minimized"),
    Row("NoVersionIsToldAndNothingRead", "garbage,1,2,3,4,5\r\n",
        {"(!) Earnmeter: Version not recognised for /Config.ewg. Nothing could be read from it: the settings take "
         "their defaults, and the file is left unchanged."}),
    Row("OlderVersionIsRewrittenAndTheUpdateTold", Older,
        {"(i) Earnmeter Update: Your software has been updated to version 2.5. Click OK to continue."},
        At(700, 5000, false, false), "main", "", "0\r\n", HostWorld::DefaultSaved, "\"v2.5\",7,50,0,0,-1\r\n"),
    Row("OlderVersionWhoseRewriteFailsIsToldAndKept", Older, {"(!) Earnmeter: Permission denied for /Config.ewg"},
        At(700, 5000, false, false), "main", "write Config.ewg: Permission denied"),
    Row("AdvancedMinimized", "\"v2.5\",7.25,60,-1,-1,-1\r\n", {}, At(725, 6000, true, true), "advanced minimized"),
};

class StartupTable : public HostFixture, public testing::WithParamInterface<StartRow>
{};

TEST_P(StartupTable, TellsWhatWasWrongAndOpensTheChosenWindowAndTheTray)
{
    const StartRow& row = GetParam();
    for (const auto& [name, content] :
         {std::pair{"Config.ewg", row.config}, {"Saved.ewg", row.saved}, {"Prev.ewg", row.prev}})
        if (content != Missing)
            files.put(path(name), content);
    if (const auto colon = row.fault.find(": "); colon != std::string::npos) {
        const std::string name = row.fault.substr(row.fault.find(' ') + 1, colon - row.fault.find(' ') - 1);
        const std::string reason = row.fault.substr(colon + 2);
        row.fault[0] == 'w' ? files.failWrites(path(name), reason) : files.failReads(path(name), reason);
    }
    EXPECT_EQ(host.start(), !row.opened.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(asked(), row.told);
    EXPECT_EQ(file("Config.ewg"), row.configAfter.value_or(row.config)) << "every byte kept";
    EXPECT_EQ(file("Saved.ewg") + "|" + file("Prev.ewg"), row.saved + "|" + row.prev);
    if (row.opened.empty()) {
        EXPECT_FALSE(host.mainWindow().isVisible() || panel.shown);
        return;
    }
    EXPECT_EQ(host.settings(), row.inForce);
    const bool mainShown = host.mainWindow().isVisible(), advancedShown = host.advancedWindow().isVisible();
    EXPECT_EQ(std::string(mainShown ? "main" : "") + (advancedShown ? "advanced" : "") +
                  (host.liveWindow().isMinimized() ? " minimized" : ""),
              row.opened);
    EXPECT_EQ(host.runTimer().elapsedSeconds(), 0);
    ASSERT_TRUE(panel.shown && panel.menu);
    EXPECT_EQ(std::pair(panel.menu->actions().size(), panel.tip), std::pair(qsizetype{9}, QStringLiteral("Earnmeter")));
}

INSTANTIATE_TEST_SUITE_P(Startup, StartupTable, testing::ValuesIn(StartRows), RowName());

// Cancel puts back what is in force, not what was typed, and leaves "changed" as it was: a later OK writes whatever
// the controls then hold, once the wage is one and the folder takes the file.
TEST_F(StartupTest, OptionsCancelPutsBackWhatIsInForceAndOkRefusesABadWageAndAnUnwritableFolder)
{
    const char* const changed = "\"v2.5\",7,50,-1,-1,0\r\n";
    startWith(changed);
    OptionsDialog& dialog = host.options();
    dialog.show();
    control<QAbstractButton>(dialog, "cmdRestore").click();
    auto& edit = control<QLineEdit>(dialog, "txtMinWage");
    control<QLineEdit>(dialog, "txtMaxWage").setText("99");
    control<QAbstractButton>(dialog, "cmdCancel").click();
    std::string shown = edit.text().toStdString() + " " + control<QLineEdit>(dialog, "txtMaxWage").text().toStdString();
    for (const char* box : {"chkMinimize", "chkAdvScr", "chkSavePos"})
        shown += control<QAbstractButton>(dialog, box).isChecked() ? " on" : " off";
    EXPECT_EQ(shown, "7.00 50.00 on on off");
    EXPECT_TRUE(!dialog.isVisible() && dialog.optionsChanged());

    dialog.show();
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

const char* const StartPlaces = "1500,1500,3000,3000\r\n";
const char* const DraggedPlaces = "1515,1530,3015,3030\r\n";

// The count and the settings an exit starts with, the answer to the save question, and the files it leaves.
struct ExitRow
{
    const char *prev, *config;
    Answer answer;
    const char *prevAfter, *savedAfter;
    DesktopTraits desktop = {};
    bool dragged = true, advanced = false;
};

// Without SavePositionOnExit the default places are written; a minimized window's normal place is. A window the
// user never moved is saved where the file placed it; Wayland does not tell where windows stand, so there the
// program keeps the file when asked to keep the places.
TEST(ExitAnswer, AsksOnlyWithACountSavesItOnYesDropsItOnNoAndChangesNothingOnCancel)
{
    const char *const count = "5400\r\n", *const zero = "0\r\n", *const usual = HostWorld::DefaultConfig,
                      *const notSaving = "\"v2.5\",6.75,45.5,0,0,0\r\n", *const defaults = HostWorld::DefaultSaved;
    const DesktopTraits wayland{false, false};
    for (const ExitRow& row : {ExitRow{zero, usual, Answer::Yes, zero, DraggedPlaces},
                               ExitRow{count, usual, Answer::Yes, count, DraggedPlaces},
                               ExitRow{count, usual, Answer::No, zero, DraggedPlaces},
                               ExitRow{count, usual, Answer::Cancel, count, StartPlaces},
                               ExitRow{count, notSaving, Answer::No, zero, defaults},
                               ExitRow{zero, "\"v2.5\",6.75,45.5,-1,0,-1\r\n", Answer::Yes, zero, DraggedPlaces},
                               ExitRow{zero, usual, Answer::Yes, zero, StartPlaces, {}, false, true},
                               ExitRow{zero, usual, Answer::Yes, zero, StartPlaces, wayland},
                               ExitRow{zero, notSaving, Answer::Yes, zero, defaults, wayland}}) {
        HostWorld w(row.desktop);
        w.prompt.queueAnswer(Answer::Yes); // the count carried over is kept
        w.startWith(row.config, StartPlaces, row.prev);
        w.prompt.forgetAsked();
        if (row.dragged) { // both windows away from where they started
            w.host.mainWindow().move(Twips::toPixels(1515), Twips::toPixels(1530));
            w.host.advancedWindow().move(Twips::toPixels(3015), Twips::toPixels(3030));
        }
        if (row.advanced)
            w.host.runTimer().enterAdvanced();
        w.prompt.queueAnswer(row.answer);
        w.host.requestExit();
        SCOPED_TRACE(testing::Message() << row.config << row.prev << int(row.answer)
                                        << row.desktop.restoresMinimizedWindows << row.dragged << row.advanced);
        EXPECT_EQ(w.file("Prev.ewg") + w.file("Saved.ewg"), std::string(row.prevAfter) + row.savedAfter);
        const int quits = row.answer == Answer::Cancel ? 0 : 1;
        EXPECT_EQ(std::pair(w.quitCalls, w.panel.shown), std::pair(quits, quits == 0)) << "the tray goes when it ends";
        EXPECT_FALSE(w.host.mainWindow().isMinimized());
        EXPECT_EQ(w.asked(), *row.prev == '0' ? Lines() : Lines{HostWorld::SaveQuestion});
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

// Only counted seconds move the tip; a pause leaves the last one, as does the blink. Keys are compared exactly, case
// included. A left click does nothing, a double click opens, and so do two single clicks within the desktop's
// interval, as a StatusNotifierItem panel sends each click alone.
TEST_F(TrayTest, TheTipFollowsEveryCountedSecondKeysMatchExactlyAndClicksAndTheMenuOpenAndExit)
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
    for (const char* key : {"email", "Open", "START", "Close", "exit", "", "open "}) // "about" would open a window
        emit host.trayHost().tray()->MenuClick(-1, QString::fromLatin1(key));
    EXPECT_TRUE(asked().empty() && shell.addresses.empty());
    EXPECT_FALSE(host.mainWindow().isVisible() || runTick.enabled());
    const std::chrono::milliseconds interval(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    panel.click(QSystemTrayIcon::Trigger);
    QCoreApplication::processEvents();
    EXPECT_FALSE(host.mainWindow().isVisible() || panel.menu->isVisible());
    panel.now += interval - std::chrono::milliseconds(1);
    panel.click(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(host.mainWindow().isVisible()) << "two clicks within the interval";
    host.mainWindow().close();
    panel.click(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(host.mainWindow().isVisible());
    host.mainWindow().close();
    pick(0); // Open
    EXPECT_TRUE(host.mainWindow().isVisible());
    prompt.queueAnswer(Answer::Yes);
    pick(8); // Exit
    EXPECT_EQ(std::pair(quitCalls, asked()), std::pair(1, Lines{SaveQuestion})) << "and never before";
}

// Dollars stay as they always were whatever the locale; any other currency takes the locale's symbol position,
// separators and negatives, and the currency's decimals, in the windows as in the tray's tip.
TEST(ChosenMoney, WritesDollarsAsAlwaysAndOtherCurrenciesAsTheLocaleWritesMoney)
{
    using Row = std::tuple<const char*, std::string, std::int64_t, std::string>;
    for (const auto& [locale, currency, units, shown] :
         Rows(Row{"de_DE", "$", -25'000, "$(2.50)"}, Row{"de_DE", "XYZ", 12'345'000, "$1234.50"},
              Row{"de_DE", "eur", -25'000, "-2,50\u00A0€"}, Row{"en_US", "EUR", -25'000, "(€2.50)"},
              Row{"fr_FR", "EUR", 12'345'000, "1\u202F234,50\u00A0€"}, Row{"en_US", "JPY", 12'345'000, "¥1,235"},
              Row{"C", "EUR", 12'345'000, "1234.50€"})) {
        ChosenMoney money{QLocale(QString::fromLatin1(locale))};
        money.choose(currency);
        EXPECT_EQ(money.amount(Currency::fromUnits(units)), shown) << locale << " " << currency;
    }
    ChosenMoney dollars{QLocale(QLocale::German, QLocale::Germany)};
    dollars.choose("$"); // the tip keeps the locale's own currency format, as it always did
    EXPECT_EQ(TrayHost::toolTipText(Currency::fromUnits(12'345'000), dollars), "1.234,50\u00A0\u20AC (Earnmeter)");
}

// Without a tray a closed window must come back some way: minimized, or, where a minimized window cannot be
// restored, left on screen.
TEST(TrayMissing, AClosedWindowIsMinimizedOrOnWaylandStays)
{
    for (const bool wayland : {false, true}) {
        HostWorld w(DesktopTraits{!wayland, !wayland});
        w.panel.available = false;
        w.startWith();
        w.host.mainWindow().close();
        EXPECT_TRUE(w.host.mainWindow().isVisible() && w.host.mainWindow().isMinimized() != wayland) << wayland;
    }
}

} // namespace
