#include "platform/ControlAddress.h"
#include "platform/InstanceLock.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

std::string ownFolder(const TempFolder& base)
{
    return base / ("earnmeter-" + std::to_string(::geteuid()));
}

fs::perms modeOf(const std::string& path)
{
    return fs::symlink_status(path).permissions() & fs::perms::mask;
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
    EXPECT_EQ(modeOf(ownFolder(base)), fs::perms::owner_all);
}

// Whatever stands in the way at /tmp/earnmeter-<uid> is refused with its reason;
// the program then makes a folder of its own and records it in the data folder
// for the command line.
TEST(ControlAddress, ARefusedFolderGivesWayToOneOfTheProgramsOwnThatTheCommandLineFinds)
{
    // In the way: a folder of that mode ('d'), a link ('l'), a file ('f'), another user's private folder ('u').
    const std::tuple<char, mode_t, const char*> rows[] = {{'d', 0750, "may be entered by other users"},
                                                          {'l', 0, "is a symbolic link"},
                                                          {'f', 0, "is not a folder"},
                                                          {'u', 0700, "belongs to another user"}};
    for (const auto& [obstacle, mode, refusal] : rows) {
        if (obstacle == 'u' && ::geteuid() != 0)
            continue; // only root can give a folder away
        TempFolder base, data;
        const std::string at = ownFolder(base);
        if (obstacle == 'l')
            fs::create_directory_symlink("/", at);
        else if (obstacle == 'f')
            std::ofstream(at) << "in the way";
        else
            fs::create_directory(at), ::chmod(at.c_str(), mode);
        if (obstacle == 'u')
            ::chown(at.c_str(), ::geteuid() + 1, static_cast<gid_t>(-1));
        const ControlAddress looked = controlAddressFor(data.path(), "", base.path(), FolderUse::Find);
        EXPECT_FALSE(looked.ok()) << refusal;
        EXPECT_EQ(looked.refusedFolder + " " + looked.refusal, at + " " + refusal);

        const ControlAddress made = controlAddressFor(data.path(), "", base.path(), FolderUse::Make);
        ASSERT_TRUE(made.ok()) << refusal << ": " << made.problem;
        const fs::path own = fs::path(made.socketPath).parent_path();
        EXPECT_EQ(own.parent_path(), base.path());
        EXPECT_EQ(privateFolderProblem(own), "") << own;
        EXPECT_TRUE(made.refused() && made.refusalIsNew) << refusal;

        EXPECT_EQ(controlAddressFor(data.path(), "", base.path(), FolderUse::Find).socketPath, made.socketPath);
        std::ofstream(data / ChannelRecordName) << "/tmp\n\n"; // a record is only a hint
        const std::string hinted = controlAddressFor(data.path(), "", base.path(), FolderUse::Make).socketPath;
        EXPECT_NE(fs::path(hinted).parent_path(), "/tmp") << "a folder that is not private is not used";
    }
}

// The kernel holds the lock per open file, so one process can play two copies;
// a lock that cannot be made is a failure, not another copy.
TEST(InstanceLock, OneHolderPerDataFolderUntilItEndsAndALockThatCannotBeMadeIsAFailureWithItsReason)
{
    TempFolder data, other, linked;
    auto first = std::make_unique<InstanceLock>(data.path());
    ASSERT_EQ(first->acquire(), InstanceLock::Outcome::Held) << first->problem();
    EXPECT_EQ(InstanceLock(data.path()).acquire(), InstanceLock::Outcome::HeldByOther);
    EXPECT_EQ(InstanceLock(other.path()).acquire(), InstanceLock::Outcome::Held);
    first.reset();
    EXPECT_EQ(InstanceLock(data.path()).acquire(), InstanceLock::Outcome::Held) << "the folder is free once it ends";
    EXPECT_EQ(modeOf(data / InstanceLock::FileName), fs::perms::owner_read | fs::perms::owner_write)
        << "the lock says nothing to other users";
    fs::create_symlink(linked / "elsewhere", linked / InstanceLock::FileName);
    InstanceLock throughALink(linked.path());
    EXPECT_EQ(throughALink.acquire(), InstanceLock::Outcome::Failed) << "a link could point anywhere";
    EXPECT_EQ(throughALink.problem(), std::strerror(ELOOP));
    EXPECT_FALSE(fs::exists(linked / "elsewhere"));
}
} // namespace
