#include "platform/DataFolder.h"

#include "TempFolder.h"
#include "engine/RowName.h"

#include <gtest/gtest.h>

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
const std::string Passwd = "/var/lib/u"; // the home the password database names

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
    {"HomeUnsetTakesThePasswordDatabase", {"/usr/bin", true, "", "", Passwd}, Passwd + "/.local/share/Earnmeter"},
    {"RelativeHomeTakesThePasswordDatabase", {"/usr/bin", true, "u", "", Passwd}, Passwd + "/.local/share/Earnmeter"},
    {"HomeWinsOverThePasswordDatabase", {"/usr/bin", true, "/srv/me", "", Passwd}, "/srv/me/.local/share/Earnmeter"},
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

// A plain file where a folder should be fails even for root, who ignores modes.
TEST(DataFolderMaking, AMissingFolderIsMadeWithItsParentsAndOneThatCannotBeIsToldWithItsPath)
{
    TempFolder base;
    const DataFolder made = prepareDataFolder(base / "share/Earnmeter");
    EXPECT_TRUE(made.ok()) << made.problem;
    EXPECT_TRUE(std::filesystem::is_directory(base / "share/Earnmeter"));
    EXPECT_TRUE(prepareDataFolder(base / "share/Earnmeter").ok()) << "and an existing one is fine";

    std::ofstream(base / "file") << "not a folder";
    const DataFolder blocked = prepareDataFolder(base / "file/Earnmeter");
    ASSERT_FALSE(blocked.ok());
    EXPECT_EQ(dataFolderProblemText(blocked),
              "Earnmeter cannot create its data folder " + (base / "file/Earnmeter") + ": " + blocked.problem + ".");
    EXPECT_FALSE(prepareDataFolder("").ok()) << "no home to put it in";
}
} // namespace
