#include "platform/DataFolder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(DataFolder, KeepsFilesBesideTheProgramOnlyWhereThatIsTheUsersOwnWritableFolder)
{
    const QString user = QStringLiteral("/home/user/.local/share/Earnmeter");
    for (const auto& [folder, writable, expected] :
         {std::tuple{"/home/user/earnmeter/build", true, "/home/user/earnmeter/build"},
          {"/home/user/Earn Meter/", true, "/home/user/Earn Meter"},
          {"/usr/lib/earnmeter", true, ""},
          {"/home/../opt/x", true, ""},
          {"/usrlocal/earnmeter", true, "/usrlocal/earnmeter"},
          {"/home/user/readonly", false, ""}})
        EXPECT_EQ(chooseDataFolder(folder, writable, user), *expected ? expected : user) << folder;
}

} // namespace
