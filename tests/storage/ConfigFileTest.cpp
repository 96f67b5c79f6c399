#include "storage/ConfigFile.h"

#include "FakeFileSystem.h"
#include "StorageTestData.h"
#include "fakes/FakePrompt.h"

#include <gtest/gtest.h>

namespace {

using Outcome = ConfigReadResult::Outcome;

const std::string Folder = "/data";
const std::string ConfigPath = "/data/Config.ewg";

class ConfigFileTest : public ::testing::Test
{
protected:
    ConfigReadResult startUp()
    {
        EXPECT_TRUE(config.OpenConfigForInput().ok);
        ConfigReadResult result = config.ReadConfig();
        config.CloseConfig();
        return result;
    }

    FakeFileSystem files;
    FakePrompt prompt;
    RunState state;
    ConfigFile config{files, prompt, state, Folder};
};

struct ReadRow
{
    std::string name;
    std::string content;
    Outcome outcome;
    std::string minimumWage;
    std::string dreamWage;
    bool minimize;
    bool startAdvanced;
    bool savePosition;
    std::string rewrittenAs; // empty when the file must stay as it was

    friend void PrintTo(const ReadRow& row, std::ostream* os) { *os << row.name; }
};

class ConfigReading : public ConfigFileTest, public ::testing::WithParamInterface<ReadRow>
{};

TEST_P(ConfigReading, TakesTheSettingsItsVersionAndLayoutGive)
{
    const ReadRow& row = GetParam();
    files.put(ConfigPath, row.content);

    const ConfigReadResult result = startUp();

    EXPECT_EQ(result.outcome, row.outcome) << result.problem;
    EXPECT_EQ(state.MinimumWage, Dollars(row.minimumWage));
    EXPECT_EQ(state.DreamWage, Dollars(row.dreamWage));
    EXPECT_EQ(state.MinimizeOnStartup, row.minimize);
    EXPECT_EQ(state.StartInAdvancedMode, row.startAdvanced);
    EXPECT_EQ(state.AdvancedMode, row.startAdvanced);
    EXPECT_EQ(state.SavePositionOnExit, row.savePosition);
    EXPECT_EQ(files.content(ConfigPath), row.rewrittenAs.empty() ? row.content : row.rewrittenAs);
    if (row.outcome == Outcome::Updated) {
        ASSERT_EQ(prompt.asked().size(), 1u);
        EXPECT_EQ(prompt.lastAsked().text, "Your software has been updated to version 2.5. Click OK to continue.");
        EXPECT_EQ(prompt.lastAsked().caption, "Earnmeter Update");
        EXPECT_EQ(prompt.lastAsked().icon, Message::Icon::Information);
        EXPECT_EQ(prompt.lastAsked().buttons, Message::Buttons::Ok);
    } else {
        EXPECT_TRUE(prompt.asked().empty());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, ConfigReading, ::testing::Values(
    ReadRow{"CurrentVersionIsNotRewritten", "\"v2.5\",6.75,45.5,0,0,-1\r\n", Outcome::Current, "6.75", "45.5", false, false, true, ""},
    ReadRow{"OnlyMinusOneSwitchesOn", "\"v2.5\",1,2,-1,1,1\r\n", Outcome::Current, "1", "2", true, false, false, ""},
    ReadRow{"Version242HasSixFields", "\"v2.42\",7,50,0,-1,0\r\n", Outcome::Updated, "7", "50", false, true, false, "\"v2.5\",7,50,0,-1,0\r\n"},
    ReadRow{"Version241HasFiveFieldsAndGainsSavePosition", "\"v2.41\",7,50,-1,0\r\n", Outcome::Updated, "7", "50", true, false, true, "\"v2.5\",7,50,-1,0,-1\r\n"},
    ReadRow{"Version10SortsBefore242AndLeavesSixthFieldUnread", "\"v10.0\",1,2,0,0,0\r\n", Outcome::Updated, "1", "2", false, false, true, "\"v2.5\",1,2,0,0,-1\r\n"},
    ReadRow{"Version26HasSixFieldsAndIsRewritten", "\"v2.6\",1,2,0,0,0\r\n", Outcome::Updated, "1", "2", false, false, false, "\"v2.5\",1,2,0,0,0\r\n"},
    ReadRow{"Version23Example", FixtureFile("config-v2.3.ewg"), Outcome::Updated, "5.15", "20", false, true, true, FixtureFile("config-v2.3-updated.ewg")},
    ReadRow{"UpdateKeepsRawSwitchValues", "\"v2.41\",1,2,1,7\r\n", Outcome::Updated, "1", "2", false, false, true, "\"v2.5\",1,2,1,7,-1\r\n"},
    ReadRow{"WageOfLettersIsZero", "\"v2.5\",abc,45.5,0,0,-1\r\n", Outcome::Current, "0", "45.5", false, false, true, ""},
    ReadRow{"WageKeepsItsLeadingNumber", "\"v2.5\",12abc,7.5/hr,0,0,-1\r\n", Outcome::Current, "12", "7.5", false, false, true, ""},
    ReadRow{"SpacesBeforeFieldsAndQuotedNumbers", "  \"v2.5\", 6.75 ,\"45.5\",0,  -1,-1\r\n", Outcome::Current, "6.75", "45.5", false, true, true, ""},
    ReadRow{"LineEndsSeparateFieldsToo", "\"v2.5\"\n6.75\r45.5\r\n0\n0\n-1", Outcome::Current, "6.75", "45.5", false, false, true, ""},
    ReadRow{"CapitalVersionSortsBefore242", "\"V2.5\",1,2,-1,-1,0\r\n", Outcome::Updated, "1", "2", true, true, true, "\"v2.5\",1,2,-1,-1,-1\r\n"},
    ReadRow{"UnquotedVersion", "v2.5,6.75,45.5,0,0,-1\r\n", Outcome::Current, "6.75", "45.5", false, false, true, ""},
    ReadRow{"ExponentScalesTheWage", "\"v2.5\",1.5E2,2d-1,0,0,-1\r\n", Outcome::Current, "150", "0.2", false, false, true, ""},
    ReadRow{"FifthDecimalRoundsHalfToEven", "\"v2.5\",1.00005,1.00015,0,0,-1\r\n", Outcome::Current, "1", "1.0002", false, false, true, ""},
    ReadRow{"SwitchFractionsRoundHalfToEven", "\"v2.5\",1,2,-0.5,-1.5,-0.6\r\n", Outcome::Current, "1", "2", false, false, true, ""},
    ReadRow{"WidestWagesRead", "\"v2.5\",922337203685477.5807,-922337203685477.5808,0,0,-1\r\n", Outcome::Current, "922337203685477.5807", "-922337203685477.5808", false, false, true, ""},
    ReadRow{"TooFewFieldsKeepWagesReadSoFar", "\"v2.5\",6.75,45.5,-1,-1\r\n", Outcome::Unreadable, "6.75", "45.5", false, false, false, ""},
    ReadRow{"WageBeyondCurrencyRange", "\"v2.5\",922337203685477.5808,45.5,0,0,-1\r\n", Outcome::Unreadable, "0", "0", false, false, false, ""},
    ReadRow{"WageRoundingBeyondCurrencyRange", "\"v2.5\",1,-922337203685477.58086,0,0,-1\r\n", Outcome::Unreadable, "1", "0", false, false, false, ""},
    ReadRow{"SwitchBeyond16Bits", "\"v2.5\",1,2,32768,0,-1\r\n", Outcome::Unreadable, "1", "2", false, false, false, ""},
    ReadRow{"NegativeSwitchBeyond16Bits", "\"v2.5\",1,2,-1,-1,-32769\r\n", Outcome::Unreadable, "1", "2", false, false, false, ""},
    ReadRow{"OldVersionTooShortIsNotRewritten", "\"v2.3\",5.15,20,0\r\n", Outcome::Unreadable, "5.15", "20", false, false, false, ""},
    ReadRow{"OnlySpaces", "   ", Outcome::Unreadable, "0", "0", false, false, false, ""}
), [](const auto& info) { return info.param.name; });
// clang-format on

struct WriteRow
{
    std::string name;
    std::string minimumWage;
    std::string dreamWage;
    std::int16_t minimize;
    std::int16_t advanced;
    std::int16_t savePosition;
    std::string record;

    friend void PrintTo(const WriteRow& row, std::ostream* os) { *os << row.name; }
};

class ConfigWriting : public ConfigFileTest, public ::testing::WithParamInterface<WriteRow>
{};

TEST_P(ConfigWriting, WritesTheRecordByteForByteAndReadsItBack)
{
    const WriteRow& row = GetParam();
    state.MinimumWage = Dollars(row.minimumWage);
    state.DreamWage = Dollars(row.dreamWage);

    ASSERT_TRUE(config.WriteConfig(row.minimize, row.advanced, row.savePosition).ok);
    config.CloseConfig();
    EXPECT_EQ(files.content(ConfigPath), row.record);

    state = RunState{};
    EXPECT_EQ(startUp().outcome, Outcome::Current);
    EXPECT_EQ(state.MinimumWage, Dollars(row.minimumWage));
    EXPECT_EQ(state.DreamWage, Dollars(row.dreamWage));
    EXPECT_EQ(state.MinimizeOnStartup, row.minimize == -1);
    EXPECT_EQ(state.StartInAdvancedMode, row.advanced == -1);
    EXPECT_EQ(state.SavePositionOnExit, row.savePosition == -1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, ConfigWriting, ::testing::Values(
    WriteRow{"Defaults", "6.75", "45.50", 0, 0, -1, FixtureFile("config-defaults.ewg")},
    WriteRow{"WholeAndFourDecimalWages", "12", "0.0125", -1, -1, 0, "\"v2.5\",12,0.0125,-1,-1,0\r\n"},
    WriteRow{"NegativeWage", "-5", "-0.5", 0, -1, -1, "\"v2.5\",-5,-0.5,0,-1,-1\r\n"},
    WriteRow{"SwitchesAsGiven", "1", "2", 1, 7, -32768, "\"v2.5\",1,2,1,7,-32768\r\n"},
    WriteRow{"WidestWages", "922337203685477.5807", "-922337203685477.5808", 0, 0, 0, "\"v2.5\",922337203685477.5807,-922337203685477.5808,0,0,0\r\n"}
), [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(ConfigFileTest, EmptyFileShowsEndNoticeAndLeavesEverything)
{
    files.put(ConfigPath, "");

    EXPECT_EQ(startUp().outcome, Outcome::EmptyFile);

    ASSERT_EQ(prompt.asked().size(), 1u);
    EXPECT_EQ(prompt.lastAsked().text, "End of Config.ewg file reached.");
    EXPECT_EQ(prompt.lastAsked().caption, "Earnmeter");
    EXPECT_EQ(prompt.lastAsked().icon, Message::Icon::Information);
    EXPECT_EQ(state.DreamWage, Currency{});
    EXPECT_FALSE(state.SavePositionOnExit);
    EXPECT_EQ(files.content(ConfigPath), "");
}

TEST_F(ConfigFileTest, MissingFileIsReportedForTheCallerToRecreate)
{
    const ConfigOpenResult open = config.OpenConfigForInput();

    EXPECT_FALSE(open.ok);
    EXPECT_EQ(open.description, "File not found");
    EXPECT_TRUE(prompt.asked().empty());
    EXPECT_FALSE(files.exists(ConfigPath));
    EXPECT_EQ(config.ReadConfig().outcome, Outcome::Unreadable);
}

TEST_F(ConfigFileTest, RecreateMessagesNameTheFileAlone)
{
    const Message failed = ConfigOpenFailedMessage("File not found");
    EXPECT_EQ(failed.text, "File not found for /Config.ewg");
    EXPECT_EQ(failed.caption, "Error");
    EXPECT_EQ(failed.icon, Message::Icon::Critical);

    const Message notice = ConfigRecreateMessage();
    EXPECT_EQ(notice.text, "/Config.ewg will be recreated now. Please launch the software again.");
    EXPECT_EQ(notice.caption, "Notice");
    EXPECT_EQ(notice.icon, Message::Icon::Information);
}

TEST_F(ConfigFileTest, RecreateWritesTheDefaults)
{
    ASSERT_TRUE(config.RecreateWithDefaults().ok);

    EXPECT_EQ(files.content(ConfigPath), FixtureFile("config-defaults.ewg"));
    EXPECT_EQ(state.MinimumWage, Dollars("6.75"));
    EXPECT_EQ(state.DreamWage, Dollars("45.5"));
    EXPECT_TRUE(state.SavePositionOnExit);
}

TEST_F(ConfigFileTest, FailedUpdateRewriteIsReportedWithoutNotice)
{
    files.put(ConfigPath, "\"v2.41\",7,50,-1,0\r\n");
    files.failWrites(ConfigPath, "Read-only file system");

    const ConfigReadResult result = startUp();

    EXPECT_EQ(result.outcome, Outcome::Updated);
    EXPECT_FALSE(result.rewrite.ok);
    EXPECT_EQ(result.rewrite.reason, "Read-only file system for /Config.ewg");
    EXPECT_TRUE(prompt.asked().empty());
    EXPECT_EQ(state.DreamWage, Dollars("50"));
    EXPECT_EQ(files.content(ConfigPath), "\"v2.41\",7,50,-1,0\r\n");
}

TEST_F(ConfigFileTest, UpdateReadsOnceThenWrites)
{
    files.put(ConfigPath, "\"v2.6\",1,2,0,0,0\r\n");

    startUp();

    EXPECT_EQ(files.log(), (std::vector<std::string>{"read " + ConfigPath, "write " + ConfigPath}));
}

TEST_F(ConfigFileTest, FailedWriteNamesTheFileAndKeepsTheOldRecord)
{
    files.put(ConfigPath, "\"v2.5\",1,2,0,0,0\r\n");
    files.failWrites(ConfigPath, "No space left on device");
    state.MinimumWage = Dollars("9");

    const WriteResult result = config.WriteConfig(0, 0, -1);

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "No space left on device for /Config.ewg");
    EXPECT_EQ(files.content(ConfigPath), "\"v2.5\",1,2,0,0,0\r\n");
}

TEST_F(ConfigFileTest, DamagedFileIsReportedAndKeptAsItIs)
{
    files.put(ConfigPath, "\"v2.5\",1,2,99999,0,-1\r\n");

    const ConfigReadResult result = startUp();

    EXPECT_EQ(result.problem, "Switch out of range for /Config.ewg");
    const Message message = ConfigUnreadableMessage(result.problem);
    EXPECT_EQ(message.text,
              "Switch out of range for /Config.ewg. The settings that could be read are used, and the file is left "
              "unchanged.");
    EXPECT_EQ(message.icon, Message::Icon::Exclamation);
    EXPECT_EQ(files.log().size(), 1u);
}

} // namespace
