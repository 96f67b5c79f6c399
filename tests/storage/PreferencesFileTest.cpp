#include "storage/PreferencesFile.h"

#include "StorageTestData.h"
#include "engine/RowName.h"

namespace {

// A text as a user may have written it; the preferences it gives; the lines it
// could not use, as "line:key" ("line:" for no key = value line).
struct ReadRow
{
    std::string name, content;
    Preferences preferences;
    std::vector<std::string> problems;
};

std::vector<std::string> problemsOf(const PreferencesRead& read)
{
    std::vector<std::string> lines;
    for (const PreferenceProblem& p : read.problems)
        lines.push_back(std::to_string(p.line) + ":" + p.key);
    return lines;
}

// The preferences with a change.
Preferences with(void (*change)(Preferences&))
{
    Preferences preferences;
    change(preferences);
    return preferences;
}

const Preferences Defaults;
const Preferences Forgetful = with([](Preferences& p) { p.rememberWage = false; });
const Preferences Zero = with([](Preferences& p) { p.newDay = NewDay::Zero; });
const Preferences Euros = with([](Preferences& p) { p.currency = "EUR"; });
const Preferences ShortWeek = with([](Preferences& p) { p.workingWeek = {7.25, 4}; });

class PreferencesReading : public ::testing::TestWithParam<ReadRow>
{};

TEST_P(PreferencesReading, TakesEachUsableLineAndNamesTheOthers)
{
    const PreferencesRead read = PreferencesFile::parse(GetParam().content);
    EXPECT_EQ(read.preferences, GetParam().preferences);
    EXPECT_EQ(problemsOf(read), GetParam().problems);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, PreferencesReading, ::testing::Values(
    ReadRow{"EmptyMeansDefaults", "", Defaults, {}},
    ReadRow{"SpacingCaseAndTrailingComments", "  Remember_Wage=NO   # at home\r\nNEW_DAY\t=\tZero\r\n",
            with([](Preferences& p) { p.rememberWage = false, p.newDay = NewDay::Zero; }), {}},
    ReadRow{"ALeadingByteOrderMark", "\xEF\xBB\xBFnew_day = zero\n", Zero, {}},
    ReadRow{"TheLastLineOfAKeyCounts", "new_day = zero\nnew_day = continue\nnew_day = zero\n", Zero, {}},
    ReadRow{"ABadValueTakesTheDefault", "remember_wage = maybe\nnew_day = tomorrow\n", Defaults, {"1:remember_wage", "2:new_day"}},
    ReadRow{"ABadLastLineUndoesAnEarlierGoodOne", "new_day = zero\nnew_day = later\n", Defaults, {"2:new_day"}},
    ReadRow{"ALineThatIsNoKeyAndValue", "remember_wage no\n[Earnmeter]\n", Defaults, {"1:", "2:"}},
    ReadRow{"AWholeWorkingDay", "workdays = mon Wed  SUN\nwork_start = 9:00\nwork_end = 17:30\nbreak = 12:00 - 12:45\n"
            "work_auto_start = yes\nwork_auto_pause = on\nstart_at_login = 1\ndaily_goal = 2.405e2\ndaily_goal = 240.50\n"
            "notifications = no\n", with([](Preferences& p) {
                p.workingDay = {{true, false, true, false, false, false, true}, ClockTime{9 * 60},
                                ClockTime{17 * 60 + 30}, TimeSpan{{12 * 60}, {12 * 60 + 45}}, true, true};
                p.startAtLogin = true, p.dailyGoal = Currency::fromUnits(2'405'000), p.notifications = false; }), {"8:daily_goal"}},
    ReadRow{"AwayTime", "away_minutes = 1440\naway_action = Keep\n",
            with([](Preferences& p) { p.awayMinutes = 1440, p.awayAction = AwayAction::Keep; }), {}},
    ReadRow{"AwayTimeThatIsNone", "away_minutes = 1441\naway_minutes = -1\naway_minutes = 1.5\naway_action = later\n",
            Defaults, {"1:away_minutes", "2:away_minutes", "3:away_minutes", "4:away_action"}},
    ReadRow{"TimesDaysAndGoalsThatAreNone", "work_start = 24:00\nwork_end = 9:5\nworkdays = Mon Funday\nbreak = 12:00\n"
            "daily_goal = -5\ndaily_goal = 0\n", Defaults, {"1:work_start", "2:work_end", "3:workdays", "4:break",
            "5:daily_goal", "6:daily_goal"}},
    ReadRow{"AShortWorkingWeek", "hours_per_day = 7.250\ndays_per_week = 4\n", ShortWeek, {}},
    ReadRow{"WorkingWeeksThatAreNone", "hours_per_day = 0\nhours_per_day = -8\nhours_per_day = 24.5\nhours_per_day = 7.125\n"
            "hours_per_day = 7,5\ndays_per_week = 0\ndays_per_week = 8\ndays_per_week = 4.5\n", Defaults,
            {"1:hours_per_day", "2:hours_per_day", "3:hours_per_day", "4:hours_per_day", "5:hours_per_day",
            "6:days_per_week", "7:days_per_week", "8:days_per_week"}},
    ReadRow{"AnEndBeforeTheStartIsNoDay", "work_start = 09:00\nwork_end = 08:00\n",
            Defaults /* the end goes, then the start alone */, {"1:work_start", "2:work_end"}},
    ReadRow{"ABreakOutsideTheDayIsNoBreak", "work_start = 09:00\nwork_end = 17:00\nbreak = 08:00-08:30\n",
            with([](Preferences& p) { p.workingDay.start = ClockTime{9 * 60}, p.workingDay.end = ClockTime{17 * 60}; }),
            {"3:break"}},
    ReadRow{"NoWorkdaysAtAll", "workdays =\n", with([](Preferences& p) { p.workingDay.workdays.fill(false); }), {}},
    ReadRow{"ACurrencyCodeInAnyCase", "currency = eur\n", Euros, {}},
    ReadRow{"AnUnknownCurrencyIsDollars", "currency = EUR\ncurrency = XYZ\ncurrency = €\ncurrency = dollars\n", Defaults,
            {"2:currency", "3:currency", "4:currency"}},
    ReadRow{"NotUtf8NorText", std::string("\x7f" "ELF\x02\x01\x01\0\0", 9) + "\nnew_day = zero", Zero, {"1:"}}
), RowName());
// clang-format on

// A file as found; the preferences then written into it; the file afterwards.
struct WriteRow
{
    std::string name, content;
    Preferences preferences;
    std::string written;
};

class PreferencesWriting : public ::testing::TestWithParam<WriteRow>
{};

TEST_P(PreferencesWriting, ChangesOnlyTheValuesThatDifferAndKeepsEverythingElse)
{
    EXPECT_EQ(PreferencesFile::rewritten(GetParam().content, GetParam().preferences), GetParam().written);
}

const std::string Fresh = "# Earnmeter's preferences: one \"key = value\" a line; \"#\" starts a comment.\n"
                          "# Earnmeter rewrites only the values changed in its Preferences window and keeps\n"
                          "# everything else here as it is.\n"
                          "\n# Wage and day\n# remember_wage: yes or no\nremember_wage = no\n"
                          "# new_day: ask, continue or zero\nnew_day = ask\n"
                          "\n# Working day\n"
                          "# workdays: day names such as Mon Tue Wed Thu Fri\nworkdays = Mon Tue Wed Thu Fri\n"
                          "# work_start: a time such as 09:00, or nothing\nwork_start =\n"
                          "# work_end: a time such as 17:00, or nothing\nwork_end =\n"
                          "# break: two times such as 12:00-12:30, or nothing\nbreak =\n"
                          "# work_auto_start: yes or no\nwork_auto_start = no\n"
                          "# work_auto_pause: yes or no\nwork_auto_pause = no\n"
                          "# start_at_login: yes or no\nstart_at_login = no\n"
                          "# daily_goal: an amount above 0 such as 240.00, or nothing\ndaily_goal =\n"
                          "# notifications: yes or no\nnotifications = yes\n"
                          "\n# Away\n"
                          "# away_minutes: a whole number of minutes from 0 (never) to 1440\naway_minutes = 15\n"
                          "# away_action: ask, keep or remove\naway_action = ask\n"
                          "\n# Money\n# currency: $, locale or a currency code such as EUR\ncurrency = $\n"
                          "\n# Working week\n"
                          "# hours_per_day: hours above 0 up to 24, such as 8 or 7.5\nhours_per_day = 8\n"
                          "# days_per_week: a whole number of days from 1 to 7\ndays_per_week = 5\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, PreferencesWriting, ::testing::Values(
    WriteRow{"ANewFileListsEveryKeyUnderItsHeading", "", Forgetful, Fresh},
    WriteRow{"AChangedValueKeepsItsKeysSpellingSpacingAndComment",
             "# mine\nRemember_Wage  =  yes   # keep it\ncolour = teal\n", Forgetful,
             "# mine\nRemember_Wage  =  no   # keep it\ncolour = teal\n"},
    WriteRow{"AValueWrittenOtherwiseButMeaningTheSameStays", "remember_wage = ON\r\n", Defaults, "remember_wage = ON\r\n"},
    WriteRow{"AMissingKeyIsAddedWithTheFilesLineEnds", "colour = teal\r\n", Zero, "colour = teal\r\nnew_day = zero\r\n"},
    WriteRow{"ALastLineWithoutAnEndGainsOne", "colour = teal", Zero, "colour = teal\nnew_day = zero\n"},
    WriteRow{"OnlyTheLineThatCountsChanges", "new_day = continue\nnew_day = ask\n", Zero, "new_day = continue\nnew_day = zero\n"},
    WriteRow{"AnUnreadableValueStaysWhileTheDefaultHolds", "new_day = later\nremember_wage = yes\n", Forgetful,
             "new_day = later\nremember_wage = no\n"},
    WriteRow{"ACurrencyCodeAsTheUserWroteItStays", "currency = eur\n", Euros, "currency = eur\n"},
    WriteRow{"ACurrencyIsWrittenInCapitals", "currency = $\n", Euros, "currency = EUR\n"},
    WriteRow{"AWorkingWeekIsWrittenWithAPoint", "hours_per_day = 8\n", ShortWeek,
             "hours_per_day = 7.25\ndays_per_week = 4\n"}
), RowName());
// clang-format on

// The file on the disk: never replaced when it could not be read whole.
TEST(PreferencesFileOnDisk, IsReadWrittenAndRefusedAsAWholeFile)
{
    FakeFileSystem files;
    PreferencesFile file(files, "/data");
    const std::string path = StorageTest::path("Earnmeter.conf");
    EXPECT_EQ(file.read().outcome, PreferencesRead::Outcome::Missing);
    EXPECT_EQ(files.writes(path), 0) << "a missing file is not written by reading";
    ASSERT_TRUE(file.write(Zero).ok);
    EXPECT_EQ(file.read().preferences, Zero);

    files.put(path, "new_day = zero\n" + std::string(RecordReadLimit, '#'));
    const WriteResult tooLarge = file.write(Defaults);
    EXPECT_FALSE(tooLarge.ok);
    EXPECT_NE(tooLarge.reason.find("Earnmeter.conf is larger than 64 KiB"), std::string::npos) << tooLarge.reason;

    files.failReads(path, "Permission denied");
    EXPECT_EQ(file.read().outcome, PreferencesRead::Outcome::Unreadable);
    EXPECT_EQ(file.read().reason, "Permission denied for /Earnmeter.conf");
    EXPECT_FALSE(file.write(Defaults).ok);
    files.clearFailures();
    files.put(path, "new_day = zero\n");
    files.failWrites(path, "No space left on device");
    EXPECT_EQ(file.write(Defaults).reason, "No space left on device for /Earnmeter.conf");
    EXPECT_EQ(files.content(path), "new_day = zero\n");
}

} // namespace
