#include "HostFixture.h"
#include "host/Messages.h"

#include "ui/preferences/PreferencesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QSpinBox>

namespace {

// Lines that cannot be used are told once, with the line and what is used instead; the file stays as it was. A
// hostile file still gets a box that fits: eight lines are told, then how many more; a value is shown whole up to
// forty characters.
TEST(PreferencesAtStartUp, UnusableLinesAreToldOnceInABoxThatFitsAndTheFileLeftAlone)
{
    HostWorld world;
    const std::string conf = "# mine\nremember_wage = perhaps\nnew_day zero\n";
    world.files.put(world.path("Wage.ewg"), "\"22.50\",0,\"0.00\",0\r\n");
    world.files.put(world.path("Earnmeter.conf"), conf);
    world.startWith();
    ASSERT_EQ(world.asked().size(), 1u);
    EXPECT_EQ(world.asked()[0], "(!) Earnmeter: Some of your preferences in Earnmeter.conf could not be read; the "
                                "file is left as it is.\n\nLine 2: remember_wage = \"perhaps\" is not yes or no; yes "
                                "is used instead.\nLine 3: \"new_day zero\" is not a \"key = value\" line; it is "
                                "ignored.");
    EXPECT_EQ(HostWorld::control<QLineEdit>(world.host.mainWindow(), "txtWage").text(), QStringLiteral("22.50"))
        << "the default, yes, is in force";
    world.host.requestExit();
    EXPECT_EQ(world.file("Earnmeter.conf"), conf);

    const std::string forty(40, 'v');
    const auto told = [](std::size_t lines, const std::string& written) {
        const std::vector<PreferenceProblem> problems(lines, {2, "", written, "", ""});
        return Messages::preferencesProblems(problems).text;
    };
    EXPECT_EQ(told(8, forty).find("more lines"), std::string::npos);
    EXPECT_NE(told(9, forty).find("\n... and 1 more lines."), std::string::npos);
    EXPECT_NE(told(1, forty).find("\"" + forty + "\" is not"), std::string::npos) << "forty characters are shown whole";
    EXPECT_NE(told(1, forty + "w").find("\"" + forty + "...\" is not"), std::string::npos);
}

// The window edits a copy; OK with a change has the host write it, and only then is it in force. Each number's
// whole range can be chosen: a seven-day week, and 0 minutes for time away, which is "never".
TEST(PreferencesWindow, OkWithAChangeIsWrittenAndInForceAndAFailedWriteKeepsTheWindowOpen)
{
    HostWorld world;
    world.startWith();
    PreferencesDialog& dialog = world.host.preferencesDialog();
    QCheckBox& remember = HostWorld::control<QCheckBox>(dialog, "chkRememberWage");
    QComboBox& newDay = HostWorld::control<QComboBox>(dialog, "cboNewDay");
    EXPECT_TRUE(remember.isChecked());
    EXPECT_TRUE(dialog.save());
    EXPECT_EQ(world.file("Earnmeter.conf"), HostWorld::Missing) << "nothing changed, nothing written";

    newDay.setCurrentIndex(2);
    world.files.failWrites(world.path("Earnmeter.conf"), "Read-only file system");
    EXPECT_FALSE(dialog.save());
    EXPECT_EQ(world.asked().back(), "(!) Earnmeter: Read-only file system for /Earnmeter.conf");
    EXPECT_EQ(world.host.preferences().newDay, NewDay::Ask);

    world.files.clearFailures();
    remember.setChecked(false);
    HostWorld::control<QSpinBox>(dialog, "spnDaysPerWeek").setValue(7);
    HostWorld::control<QSpinBox>(dialog, "spnAwayMinutes").setValue(0);
    EXPECT_TRUE(dialog.save());
    EXPECT_EQ(std::pair(world.host.preferences().rememberWage, world.host.preferences().newDay),
              std::pair(false, NewDay::Zero));
    const std::string written = world.file("Earnmeter.conf");
    for (const char* line :
         {"\nremember_wage = no\n", "\nnew_day = zero\n", "\ndays_per_week = 7\n", "\naway_minutes = 0\n"})
        EXPECT_NE(written.find(line), std::string::npos) << line << written;
}

// A count from an earlier day is offered with its date, or taken or left without asking, as new_day says.
TEST(NewDay, TheContinueQuestionNamesAnEarlierDayOrThePreferenceAnswersIt)
{
    const std::string question = "(?) Continue Earnmeter: Do you want to continue with your elapsed time of 01:30:00?";
    const std::string earlier = question + "\n\nIt was counted on " +
                                QLocale::system().toString(QDate(2026, 2, 27), QLocale::LongFormat).toStdString() +
                                ". [Yes/No]";
    for (const auto& [newDay, writtenOn, asked, kept] : {std::tuple{"zero", "2026-03-02", question + " [Yes/No]", 0},
                                                         {"ask", "2026-02-27", earlier, 0},
                                                         {"continue", "2026-02-27", std::string(), 5400},
                                                         {"zero", "2026-02-27", std::string(), 0}}) {
        HostWorld world;
        world.files.setModifiedAt(world.path("Prev.ewg"),
                                  ManualWallClock::at(Date::parse(writtenOn).value(), 18, 30, 0).epochSeconds);
        world.files.put(world.path("Earnmeter.conf"), std::string("new_day = ") + newDay + "\n");
        world.startWith(HostWorld::DefaultConfig, HostWorld::DefaultSaved, "5400\r\n");
        EXPECT_EQ(world.asked(), asked.empty() ? Lines{} : Lines{asked}) << newDay << " " << writtenOn;
        EXPECT_EQ(world.host.runTimer().elapsedSeconds(), kept) << newDay << " " << writtenOn;
    }
}

} // namespace
