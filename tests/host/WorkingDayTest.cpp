#include "HostFixture.h"

#include "engine/MeterStatus.h"
#include "ui/preferences/PreferencesDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>

namespace {

// A host on Monday 2026-03-02 with a working day of 09:00 to 17:00, a break
// from 12:00 to 12:30, 36 an hour remembered, and its wall clock and ticks
// moving together.
struct DayWorld : HostWorld
{
    void begin(int hour, int minute, int second, const std::string& switches)
    {
        wallClock.set(ManualWallClock::at(Date::parse("2026-03-02").value(), hour, minute, second));
        files.put(path("Wage.ewg"), "\"36.00\",0,\"0.00\",0\r\n");
        files.put(path("Earnmeter.conf"),
                  "work_start = 09:00\nwork_end = 17:00\nbreak = 12:00-12:30\n" + switches + "\n");
        startWith();
        QCoreApplication::processEvents();
    }
};

// The countdown and the goal beside today's figure, the goal told once as it is passed, and silence when asked for.
TEST(WorkingDayHost, TheCountdownAndTheGoalAreShownAndTheGoalToldOnce)
{
    DayWorld world;
    world.begin(16, 59, 50, "daily_goal = 0.05\nnotifications = no");
    world.host.runTimer().start(WindowId::Main);
    world.elapse(3);
    // Without a history today is what this run counted, and says so.
    EXPECT_EQ(statusLine(world.host.control().status(), world.host.control().day()),
              "Running 00:00:03 $0.03 ($36.00/hr), today (without the history) $0.03 in 0:00:03, ends in 0:00:07, 60 % "
              "of today's goal $0.05");
    const std::string json = statusJson(world.host.control().status(), world.host.control().day());
    EXPECT_NE(json.find("\"dayEndsIn\":7,\"goal\":\"0.0500\",\"goalPercent\":60,"), std::string::npos) << json;
    EXPECT_EQ(HostWorld::control<QLabel>(world.host.mainWindow(), "lblTotal").toolTip().toStdString(),
              "Today (without the history) $0.03 in 0:00:03\nEnds in 0:00:07, 60 % of today's goal $0.05");
    world.elapse(10);
    EXPECT_TRUE(world.notifier.shown.empty()) << "notifications = no";

    DayWorld told;
    told.begin(10, 0, 0, "daily_goal = 0.05");
    told.elapse(8);
    EXPECT_EQ(told.notifier.texts(), (Lines{"It is 10:00: start Earnmeter? [Start]"}));
    told.host.runTimer().start(WindowId::Main);
    told.elapse(8);
    EXPECT_EQ(told.notifier.texts().back(), "You reached today's goal of $0.05 at 10:00.");
    EXPECT_EQ(told.notifier.shown.size(), 2u) << "once";
}

// The window refuses a day that cannot be and saves one that can, in the file's words. A login start the desktop
// refuses is told and stays as it was.
TEST(WorkingDayWindow, RefusesAnImpossibleDayOrGoalSavesAGoodOneAndTellsARefusedLoginStart)
{
    HostWorld world;
    world.startWith();
    PreferencesDialog& dialog = world.host.preferencesDialog();
    const auto time = [&dialog](const char* name, int hour, int minute) {
        HostWorld::control<QTimeEdit>(dialog, name).setTime(QTime(hour, minute));
    };
    HostWorld::control<QCheckBox>(dialog, "chkWorkingDay").setChecked(true);
    HostWorld::control<QCheckBox>(dialog, "chkBreak").setChecked(true);
    QLineEdit& goal = HostWorld::control<QLineEdit>(dialog, "txtGoal");
    for (const auto& [start, end, breakFrom, goalText, told] :
         {std::tuple{9, 8, 12, "", "The working day must end after it begins."},
          {9, 17, 8, "", "The break must end after it begins, within the working day."},
          {9, 17, 12, "lots", "The daily goal must be an amount above 0, such as 240.00, or empty for none."}}) {
        time("tmeWorkStart", start, 0), time("tmeWorkEnd", end, 0), time("tmeBreakFrom", breakFrom, 0);
        time("tmeBreakTo", breakFrom, 30);
        goal.setText(QString::fromLatin1(goalText));
        EXPECT_FALSE(dialog.save()) << told;
        EXPECT_EQ(world.asked().back(), std::string("(!) Earnmeter: ") + told);
    }
    EXPECT_EQ(world.file("Earnmeter.conf"), HostWorld::Missing) << "nothing refused is saved";
    goal.setText(QStringLiteral("240.5"));
    HostWorld::control<QCheckBox>(dialog, "chkSat").setChecked(true);
    QCheckBox& atLogin = HostWorld::control<QCheckBox>(dialog, "chkStartAtLogin");
    world.loginStart.failure = "Read-only file system";
    atLogin.setChecked(true);
    EXPECT_TRUE(dialog.save());
    for (const char* line : {"\nworkdays = Mon Tue Wed Thu Fri Sat\n", "\nwork_start = 09:00\n", "\nwork_end = 17:00\n",
                             "\nbreak = 12:00-12:30\n", "\ndaily_goal = 240.5\n", "\nstart_at_login = no\n"})
        EXPECT_NE(world.file("Earnmeter.conf").find(line), std::string::npos) << line;
    EXPECT_EQ(world.host.preferences().workingDay.end, ClockTime{17 * 60});
    EXPECT_FALSE(world.loginStart.on || atLogin.isChecked()) << "the window shows what is in force";
    EXPECT_EQ(world.asked().back(),
              "(!) Earnmeter: Earnmeter's start at login could not be changed: Read-only file system.");
}

} // namespace
