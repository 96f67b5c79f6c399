#include "storage/ConfigFile.h"

#include "StorageTestData.h"

namespace {

using Outcome = ConfigReadResult::Outcome;
const std::string ConfigPath = "/data/Config.ewg";

class ConfigFileTest : public StorageTest
{
protected:
    ConfigReadResult startUp()
    {
        EXPECT_TRUE(config.OpenConfigForInput().ok);
        ConfigReadResult result = config.ReadConfig();
        config.CloseConfig();
        return result;
    }

    ConfigFile config{files, prompt, state, "/data"};
};

using ReadRow = RecordRow<Outcome>;

class ConfigReading : public ConfigFileTest, public ::testing::WithParamInterface<ReadRow>
{};

TEST_P(ConfigReading, TakesTheSettingsItsVersionAndLayoutGive)
{
    const ReadRow& row = GetParam();
    files.put(row.path, row.content);
    const ConfigReadResult result = startUp();
    EXPECT_EQ(result.outcome, row.outcome) << result.problem;
    EXPECT_EQ(files.content(ConfigPath), row.rewrittenAs.empty() ? row.content : row.rewrittenAs);
    const bool update = row.outcome == Outcome::Updated;
    ASSERT_EQ(prompt.asked().size(), update || row.outcome == Outcome::EmptyFile ? 1u : 0u);
    if (!prompt.asked().empty()) {
        EXPECT_EQ(prompt.lastAsked().text, update
                                               ? "Your software has been updated to version 2.5. Click OK to continue."
                                               : "End of Config.ewg file reached.");
        EXPECT_EQ(prompt.lastAsked().caption, update ? "Earnmeter Update" : "Earnmeter");
        EXPECT_EQ(prompt.lastAsked().icon, Message::Icon::Information);
        EXPECT_EQ(prompt.lastAsked().buttons, Message::Buttons::Ok);
    }
    EXPECT_EQ(state.AdvancedMode, state.StartInAdvancedMode);
    ASSERT_TRUE(config
                    .WriteConfig(ConfigFile::SwitchValue(state.MinimizeOnStartup),
                                 ConfigFile::SwitchValue(state.StartInAdvancedMode),
                                 ConfigFile::SwitchValue(state.SavePositionOnExit))
                    .ok);
    EXPECT_EQ(files.content(ConfigPath), row.heldAs);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, ConfigReading, ::testing::Values(
    ReadRow{"CurrentVersionIsNotRewritten", ConfigPath, FixtureFile("config-defaults.ewg"), Outcome::Current, "", FixtureFile("config-defaults.ewg")},
    ReadRow{"OnlyMinusOneSwitchesOn", ConfigPath, "\"v2.5\",12,0.0125,-1,1,1\r\n", Outcome::Current, "", "\"v2.5\",12,0.0125,-1,0,0\r\n"},
    ReadRow{"Version242HasSixFields", ConfigPath, "\"v2.42\",7,50,0,-1,0\r\n", Outcome::Updated, "\"v2.5\",7,50,0,-1,0\r\n", "\"v2.5\",7,50,0,-1,0\r\n"},
    ReadRow{"Version241HasFiveFieldsAndGainsSavePosition", ConfigPath, "\"v2.41\",7,50,-1,0\r\n", Outcome::Updated, "\"v2.5\",7,50,-1,0,-1\r\n", "\"v2.5\",7,50,-1,0,-1\r\n"},
    ReadRow{"Version10SortsBefore242AndLeavesSixthFieldUnread", ConfigPath, "\"v10.0\",1,2,0,0,0\r\n", Outcome::Updated, "\"v2.5\",1,2,0,0,-1\r\n", "\"v2.5\",1,2,0,0,-1\r\n"},
    ReadRow{"Version26HasSixFieldsAndIsRewritten", ConfigPath, "\"v2.6\",1,2,0,0,0\r\n", Outcome::Updated, "\"v2.5\",1,2,0,0,0\r\n", "\"v2.5\",1,2,0,0,0\r\n"},
    ReadRow{"Version23Example", ConfigPath, FixtureFile("config-v2.3.ewg"), Outcome::Updated, FixtureFile("config-v2.3-updated.ewg"), "\"v2.5\",5.15,20,0,-1,-1\r\n"},
    ReadRow{"UpdateKeepsRawSwitchValues", ConfigPath, "\"v2.42\",1,2,1,7,-32768\r\n", Outcome::Updated, "\"v2.5\",1,2,1,7,-32768\r\n", "\"v2.5\",1,2,0,0,0\r\n"},
    ReadRow{"CapitalVersionSortsBefore242", ConfigPath, "\"V2.5\",1,2,-1,-1,0\r\n", Outcome::Updated, "\"v2.5\",1,2,-1,-1,-1\r\n", "\"v2.5\",1,2,-1,-1,-1\r\n"},
    ReadRow{"FieldsOfBlanksQuotesAndLineEnds", ConfigPath, "  \"v2.5\"junk\n 6.75 ,\"45,5\"\r\"0,  -1\r\n-1,,", Outcome::Current, "", "\"v2.5\",6.75,45,0,-1,0\r\n"},
    ReadRow{"WidestWages", ConfigPath, "\"v2.5\",922337203685477.5807,-922337203685477.5808,0,0,0\r\n", Outcome::Current, "", "\"v2.5\",922337203685477.5807,-922337203685477.5808,0,0,0\r\n"},
    ReadRow{"WageBeyondCurrencyRange", ConfigPath, "\"v2.5\",922337203685477.5808,45.5,0,0,-1\r\n", Outcome::Unreadable, "", "\"v2.5\",0,0,0,0,0\r\n"},
    ReadRow{"WageRoundingBeyondCurrencyRange", ConfigPath, "\"v2.5\",1,-922337203685477.58086,0,0,-1\r\n", Outcome::Unreadable, "", "\"v2.5\",1,0,0,0,0\r\n"},
    ReadRow{"SwitchBeyond16Bits", ConfigPath, "\"v2.5\",1,2,32768,0,-1\r\n", Outcome::Unreadable, "", "\"v2.5\",1,2,0,0,0\r\n"},
    ReadRow{"NegativeSwitchBeyond16Bits", ConfigPath, "\"v2.5\",1,2,-1,-1,-32769\r\n", Outcome::Unreadable, "", "\"v2.5\",1,2,0,0,0\r\n"},
    ReadRow{"TooFewFieldsKeepWagesReadSoFar", ConfigPath, "\"v2.5\",6.75,45.5,-1,-1\r\n", Outcome::Unreadable, "", "\"v2.5\",6.75,45.5,0,0,0\r\n"},
    ReadRow{"OldVersionTooShortIsNotRewritten", ConfigPath, "\"v2.3\",5.15,20,0\r\n", Outcome::Unreadable, "", "\"v2.5\",5.15,20,0,0,0\r\n"},
    ReadRow{"OnlyBlanks", ConfigPath, " \t ", Outcome::Unreadable, "", "\"v2.5\",0,0,0,0,0\r\n"},
    ReadRow{"EmptyFileShowsEndNoticeAndLeavesEverything", ConfigPath, "", Outcome::EmptyFile, "", "\"v2.5\",0,0,0,0,0\r\n"}
), [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(ConfigFileTest, MissingUnwritableAndDamagedFilesAreReportedAndNothingIsLost)
{
    EXPECT_EQ(config.OpenConfigForInput().description, "File not found");
    EXPECT_EQ(config.ReadConfig().outcome, Outcome::Unreadable);
    EXPECT_FALSE(files.exists(ConfigPath));
    state.MinimumWage = ConfigFile::DefaultMinimumWage;
    state.DreamWage = ConfigFile::DefaultDreamWage;
    ASSERT_TRUE(config.WriteConfig(0, 0, -1).ok);
    EXPECT_EQ(files.content(ConfigPath), FixtureFile("config-defaults.ewg"));

    // An update that cannot be written back is told to the caller, not as done.
    files.put(ConfigPath, "\"v2.41\",7,50,-1,0\r\n");
    files.failWrites(ConfigPath, "Read-only file system");
    const ConfigReadResult result = startUp();
    EXPECT_EQ(result.outcome, Outcome::Updated);
    EXPECT_FALSE(result.rewrite.ok);
    EXPECT_EQ(result.rewrite.reason, "Read-only file system for /Config.ewg");
    EXPECT_EQ(state.DreamWage, Dollars("50"));
    EXPECT_EQ(config.WriteConfig(0, 0, -1).reason, "Read-only file system for /Config.ewg");
    EXPECT_EQ(files.content(ConfigPath), "\"v2.41\",7,50,-1,0\r\n");
    EXPECT_TRUE(prompt.asked().empty());

    files.put(ConfigPath, "\"v2.5\",1,2,99999,0,-1\r\n");
    const Message damaged = ConfigUnreadableMessage(startUp().problem);
    EXPECT_EQ(damaged.text, "Switch out of range for /Config.ewg. The settings that could be read are used, and the "
                            "file is left unchanged.");
    EXPECT_EQ(damaged.icon, Message::Icon::Exclamation);
    files.put(ConfigPath, "\"v2.5\",1");
    EXPECT_EQ(startUp().problem, "Too few fields for /Config.ewg");
}

} // namespace
