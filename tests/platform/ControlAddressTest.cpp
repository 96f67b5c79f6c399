#include "platform/ControlAddress.h"
#include "platform/InstanceLock.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string ownFolder(const TempFolder& base)
{
    return base / ("earnmeter-" + std::to_string(::geteuid()));
}

TEST(ControlAddress, LiesInTheRuntimeFolderNamedFromTheDataFoldersFullPath)
{
    TempFolder runtime, data;
    const ControlAddress address = controlAddressFor(data.path(), runtime.path());
    ASSERT_TRUE(address.ok()) << address.problem;
    EXPECT_EQ(address.socketPath, runtime / (channelName(data.path()) + ".sock"));
    EXPECT_EQ(channelName(data.path()), channelName(data.path() + "/./")) << "the same folder spelled otherwise";
    fs::create_directory_symlink(data.path(), runtime / "link");
    EXPECT_EQ(channelName(data.path()), channelName(runtime / "link")) << "and reached through a link";
    EXPECT_NE(channelName(data.path()), channelName(data.path() + "/other"));
    EXPECT_EQ(channelName("/home/user/data").size(), std::string("earnmeter-").size() + 16);
}

// Without a runtime folder of the user's own, a private one under the base is
// made; anything another user could have put there is refused.
TEST(ControlAddress, WithoutAPrivateRuntimeFolderUsesItsOwnUnderTmpAndTrustsNothingElse)
{
    TempFolder base, openRuntime;
    ::chmod(openRuntime.path().c_str(), 0755);
    const ControlAddress looked = controlAddressFor("/home/user/data", "", base.path(), FolderUse::Find);
    EXPECT_FALSE(looked.ok() || fs::exists(ownFolder(base))) << "the command line only looks for the folder";
    for (const std::string& runtime : {std::string(), std::string("relative/run"), openRuntime.path()}) {
        const ControlAddress address = controlAddressFor("/home/user/data", runtime, base.path());
        ASSERT_TRUE(address.ok()) << runtime << ": " << address.problem;
        EXPECT_EQ(fs::path(address.socketPath).parent_path(), ownFolder(base)) << runtime;
    }
    struct stat info
    {};
    ASSERT_EQ(::lstat(ownFolder(base).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

// Whatever stands in the way at /tmp/earnmeter-<uid> is refused with its reason;
// the program then makes a folder of its own, records it in the data folder for
// the command line, and the refusal is new only the first time.
TEST(ControlAddress, ARefusedFolderGivesWayToOneOfTheProgramsOwnThatTheCommandLineFinds)
{
    struct Case
    {
        const char* refusal;
        std::function<void(const std::string&)> putInTheWay;
    };
    const std::vector<Case> cases = {
        {"may be entered by other users",
         [](const std::string& at) {
             fs::create_directory(at), ::chmod(at.c_str(), 0755);
         }},
        {"may be entered by other users",
         [](const std::string& at) {
             fs::create_directory(at), ::chmod(at.c_str(), 0750); // the user's group
         }},
        {"is a symbolic link",
         [](const std::string& at) {
             fs::create_directory_symlink("/", at);
         }},
        {"is not a folder",
         [](const std::string& at) {
             std::ofstream(at) << "in the way";
         }},
        {"belongs to another user",
         [](const std::string& at) {
             fs::create_directory(at), ::chmod(at.c_str(), 0700);
             ::chown(at.c_str(), ::geteuid() + 1, static_cast<gid_t>(-1)); // only root can give a folder away
         }},
    };
    for (const Case& c : cases) {
        if (std::string(c.refusal) == "belongs to another user" && ::geteuid() != 0)
            continue;
        TempFolder base, data;
        c.putInTheWay(ownFolder(base));
        const ControlAddress looked = controlAddressFor(data.path(), "", base.path(), FolderUse::Find);
        EXPECT_FALSE(looked.ok()) << c.refusal;
        EXPECT_EQ(looked.refusedFolder + " " + looked.refusal, ownFolder(base) + " " + c.refusal);

        const ControlAddress made = controlAddressFor(data.path(), "", base.path(), FolderUse::Make);
        ASSERT_TRUE(made.ok()) << c.refusal << ": " << made.problem;
        const fs::path own = fs::path(made.socketPath).parent_path();
        EXPECT_EQ(own.parent_path(), base.path());
        EXPECT_EQ(privateFolderProblem(own), "") << own;
        EXPECT_TRUE(made.refused() && made.refusalIsNew) << c.refusal;

        const ControlAddress again = controlAddressFor(data.path(), "", base.path(), FolderUse::Make);
        EXPECT_EQ(again.socketPath, made.socketPath) << "the recorded folder is used again";
        EXPECT_FALSE(again.refusalIsNew) << "told once";
        EXPECT_EQ(controlAddressFor(data.path(), "", base.path(), FolderUse::Find).socketPath, made.socketPath);
    }
}

// A record is only a hint: a folder it names that is not private is not used.
TEST(ControlAddress, ARecordNamingAFolderThatIsNotPrivateIsNotTrusted)
{
    TempFolder base, data, open;
    ::chmod(open.path().c_str(), 0755);
    fs::create_directory_symlink("/", ownFolder(base));
    std::ofstream(data / ChannelRecordName) << open.path() << "\n\n";
    const ControlAddress looked = controlAddressFor(data.path(), "", base.path(), FolderUse::Find);
    EXPECT_FALSE(looked.ok());
    EXPECT_TRUE(looked.refused());
    const ControlAddress made = controlAddressFor(data.path(), "", base.path(), FolderUse::Make);
    ASSERT_TRUE(made.ok()) << made.problem;
    EXPECT_NE(fs::path(made.socketPath).parent_path(), open.path());
}

TEST(ControlAddress, ASocketPathTooLongForTheSystemIsRefused)
{
    TempFolder runtime;
    const std::string deep = runtime / std::string(100, 'r');
    fs::create_directory(deep);
    ::chmod(deep.c_str(), 0700);
    EXPECT_NE(controlAddressFor("/d", deep).problem.find("too long"), std::string::npos);
}

// The kernel holds the lock per open file, so one process can play two copies.
TEST(InstanceLock, OneHolderPerDataFolderUntilItEnds)
{
    TempFolder data, other;
    auto first = std::make_unique<InstanceLock>(data.path());
    ASSERT_EQ(first->acquire(), InstanceLock::Outcome::Held) << first->problem();
    EXPECT_EQ(InstanceLock(data.path()).acquire(), InstanceLock::Outcome::HeldByOther);
    EXPECT_EQ(InstanceLock(other.path()).acquire(), InstanceLock::Outcome::Held);
    first.reset();
    EXPECT_EQ(InstanceLock(data.path()).acquire(), InstanceLock::Outcome::Held) << "the folder is free once it ends";
    struct stat info
    {};
    ASSERT_EQ(::stat((data / InstanceLock::FileName).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the lock says nothing to other users";
}

TEST(InstanceLock, ALockThatCannotBeMadeIsAFailureWithItsReasonNotAnotherCopy)
{
    TempFolder data;
    std::ofstream(data / "file") << "in the way";
    InstanceLock underAFile(data / "file");
    EXPECT_EQ(underAFile.acquire(), InstanceLock::Outcome::Failed);
    EXPECT_EQ(underAFile.problem(), std::strerror(ENOTDIR));

    fs::create_symlink(data / "elsewhere", data / InstanceLock::FileName);
    InstanceLock throughALink(data.path());
    EXPECT_EQ(throughALink.acquire(), InstanceLock::Outcome::Failed) << "a link could point anywhere";
    EXPECT_FALSE(fs::exists(data / "elsewhere"));
}

} // namespace
