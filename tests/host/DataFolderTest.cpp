#include "host/DataFolder.h"

#include "engine/RowName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const QString UserFolder = QStringLiteral("/home/user/.local/share/Earnmeter");

struct DataFolderRow
{
    std::string name;
    QString executableFolder;
    bool writable;
    QString expected;
};

class ChooseDataFolderTest : public testing::TestWithParam<DataFolderRow>
{};

TEST_P(ChooseDataFolderTest, KeepsFilesBesideTheProgramOnlyWhereThatIsTheUsersOwnWritableFolder)
{
    EXPECT_EQ(ChooseDataFolder(GetParam().executableFolder, GetParam().writable, UserFolder), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ChooseDataFolderTest,
    testing::Values(DataFolderRow{"BuildFolderStays", "/home/user/earnmeter/build", true, "/home/user/earnmeter/build"},
                    DataFolderRow{"UnpackedWithTrailingSlashStays", "/home/user/Earn Meter/", true,
                                  "/home/user/Earn Meter"},
                    DataFolderRow{"UnderUsrGoesToTheUser", "/usr/lib/earnmeter", true, UserFolder},
                    DataFolderRow{"UnderOptGoesToTheUser", "/opt/x", true, UserFolder},
                    DataFolderRow{"DottedWayIntoOptGoesToTheUser", "/home/../opt/x", true, UserFolder},
                    DataFolderRow{"NameOnlyStartingLikeUsrStays", "/usrlocal/earnmeter", true, "/usrlocal/earnmeter"},
                    DataFolderRow{"UnwritableFolderGoesToTheUser", "/home/user/readonly", false, UserFolder}),
    RowName());

} // namespace
