#include "platform/DataFolder.h"

#include "engine/RowName.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

struct Row
{
    std::string name;
    DataFolderInputs inputs;
    std::string expected;
};

const std::string Home = "/home/user";
const std::string PerUser = "/home/user/.local/share/Earnmeter";

// From where the program runs and the environment to the folder of its files.
const std::vector<Row> Table = {
    {"BuiltFolderKeepsTheFiles", {"/home/user/earnmeter/build", true, Home, "", Home}, "/home/user/earnmeter/build"},
    {"FolderNameIsCleaned", {"/home/user/Earn Meter/./", true, Home, "", Home}, "/home/user/Earn Meter"},
    {"InstalledUnderUsr", {"/usr/lib/earnmeter", true, Home, "", Home}, PerUser},
    {"InstalledUnderOptSpelledRoundabout", {"/home/../opt/x", true, Home, "", Home}, PerUser},
    {"UsrOnlyAsAWholeName", {"/usrlocal/earnmeter", true, Home, "", Home}, "/usrlocal/earnmeter"},
    {"UnwritableFolder", {"/home/user/readonly", false, Home, "", Home}, PerUser},
    {"XdgDataHome", {"/usr/bin", true, Home, "/data/xdg/", Home}, "/data/xdg/Earnmeter"},
    {"RelativeXdgDataHomeIsIgnored", {"/usr/bin", true, Home, "data", Home}, PerUser},
    {"HomeUnsetTakesThePasswordDatabase",
     {"/usr/bin", true, "", "", "/var/lib/user"},
     "/var/lib/user/.local/share/Earnmeter"},
    {"RelativeHomeTakesThePasswordDatabase",
     {"/usr/bin", true, "user", "", "/var/lib/user"},
     "/var/lib/user/.local/share/Earnmeter"},
    {"HomeWinsOverThePasswordDatabase",
     {"/usr/bin", true, "/srv/me", "", "/var/lib/user"},
     "/srv/me/.local/share/Earnmeter"},
    {"NoHomeAtAll", {"/usr/bin", true, "", "relative", ""}, ""},
    {"UnknownExecutableFolder", {"", true, Home, "", Home}, PerUser},
};

class DataFolderChoice : public testing::TestWithParam<Row>
{};

TEST_P(DataFolderChoice, FollowsWhereTheProgramRunsAndTheUsersHome)
{
    EXPECT_EQ(chooseDataFolder(GetParam().inputs), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, DataFolderChoice, testing::ValuesIn(Table), RowName());

class DataFolderMaking : public testing::Test
{
protected:
    void SetUp() override
    {
        base = std::filesystem::temp_directory_path() /
               ("earnmeter-folder-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(base);
    }
    void TearDown() override { std::filesystem::remove_all(base); }

    std::filesystem::path base;
};

TEST_F(DataFolderMaking, AMissingFolderIsMadeWithItsParents)
{
    const std::string folder = (base / "share" / "Earnmeter").string();
    const DataFolder made = prepareDataFolder(folder);
    EXPECT_TRUE(made.ok()) << made.problem;
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(prepareDataFolder(folder).ok()) << "and an existing one is fine";
}

// A plain file where a folder should be fails even for root, who ignores modes.
TEST_F(DataFolderMaking, AFolderThatCannotBeMadeIsToldWithItsPath)
{
    std::ofstream(base / "share") << "not a folder";
    const std::string folder = (base / "share" / "Earnmeter").string();
    const DataFolder made = prepareDataFolder(folder);
    ASSERT_FALSE(made.ok());
    EXPECT_EQ(dataFolderProblemText(made),
              "Earnmeter cannot create its data folder " + folder + ": " + made.problem + ".");
    EXPECT_FALSE(prepareDataFolder("").ok()) << "no home to put it in";
}

} // namespace
