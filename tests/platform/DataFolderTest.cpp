#include "platform/DataFolder.h"

#include "engine/RowName.h"

#include <gtest/gtest.h>

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

} // namespace
