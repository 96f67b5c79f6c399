#include "platform/DiskFileSystem.h"

#include "StorageTestData.h"
#include "TempFolder.h"

#include <fstream>
#include <sys/stat.h>

namespace {
namespace fs = std::filesystem;

class DiskFileSystemTest : public ::testing::Test
{
protected:
    std::string path(const std::string& name) const { return folder / name; }
    long entries() const { return std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()); }
    std::string read(const std::string& name) { return disk.readRecord(path(name)).content; }
    fs::perms mode(const std::string& name) const { return fs::status(path(name)).permissions() & fs::perms::mask; }

    TempFolder folder;
    DiskFileSystem disk;
};

TEST_F(DiskFileSystemTest, WriteReplacesTheWholeFileInOneStepAndLeavesNoTemporaryFile)
{
    const std::string record("\"v2.5\",6.75,45.5,0,0,-1\r\n\0tail", 30);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), "a much longer old record\r\n").ok);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), record).ok);
    EXPECT_EQ(read("Config.ewg"), record);
    // A failed write gives the system's reason and leaves no temporary file either.
    EXPECT_EQ(disk.writeFile(path("gone/Prev.ewg"), "0\r\n").reason, "No such file or directory");
    EXPECT_EQ(entries(), 1);
    EXPECT_EQ(disk.readRecord(path("Prev.ewg")).status, ReadResult::Status::Missing);
}

// A file keeps the mode the user gave it; a dotfiles link stays a link and its target gets the record;
// a link to anything but a regular file is never written through.
TEST_F(DiskFileSystemTest, ReplacingKeepsTheModeAndWritesThroughALinkToItsTarget)
{
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), "old\r\n").ok);
    ::umask(mask);
    EXPECT_EQ(mode("Config.ewg"), fs::perms(0644)) << "as the umask says";
    fs::permissions(path("Config.ewg"), fs::perms(0440));
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), "new\r\n").ok);
    EXPECT_EQ(mode("Config.ewg"), fs::perms(0440)) << "even read-only";

    fs::create_directory(path("dotfiles"));
    ASSERT_TRUE(disk.writeFile(path("dotfiles/earnmeter.ewg"), "old\r\n").ok);
    fs::create_symlink("dotfiles/earnmeter.ewg", path("Saved.ewg"));
    fs::create_symlink("dotfiles/not-yet.ewg", path("Prev.ewg"));
    ASSERT_TRUE(disk.writeFile(path("Saved.ewg"), "linked\r\n").ok);
    ASSERT_TRUE(disk.writeFile(path("Prev.ewg"), "dangling\r\n").ok);
    EXPECT_TRUE(fs::is_symlink(path("Saved.ewg")) && fs::is_symlink(path("Prev.ewg")));
    EXPECT_EQ(read("dotfiles/earnmeter.ewg"), "linked\r\n");
    EXPECT_EQ(read("dotfiles/not-yet.ewg"), "dangling\r\n");

    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    fs::create_symlink("pipe", path("Piped.ewg"));
    EXPECT_EQ(disk.writeFile(path("Piped.ewg"), "0\r\n").reason, "Not a regular file");
    EXPECT_TRUE(fs::is_fifo(path("pipe")));
    EXPECT_EQ(disk.readRecord(path("Piped.ewg")).reason, "Not a regular file") << "nor read: that would hang";
}

// A crash leaves ".Prev.ewg.<pid>.<n>.tmp"; a later process may get the same id.
TEST_F(DiskFileSystemTest, LeftoversOfACrashAreSweptAndATakenNameIsPassedOver)
{
    for (unsigned serial = 1; serial <= 5; ++serial)
        std::ofstream(DiskFileSystem::temporaryPathFor(path("Prev.ewg"), serial)) << "half";
    for (const char* other : {".Prev.ewg.x.1.tmp", "Prev.ewg.1.1.tmp", ".Saved.ewg.1.1.tmp", ".Prev.ewg.1.1.tmp.keep"})
        std::ofstream(path(other)) << "not ours to sweep";
    ASSERT_TRUE(disk.writeFile(path("Prev.ewg"), "300\r\n").ok);
    EXPECT_EQ(read("Prev.ewg"), "300\r\n");
    EXPECT_EQ(entries(), 10);
    disk.sweepTemporaries(path("Prev.ewg"));
    EXPECT_EQ(entries(), 5) << "only the five leftovers of Prev.ewg go";
    EXPECT_TRUE(fs::exists(path(".Saved.ewg.1.1.tmp")) && fs::exists(path("Prev.ewg")));
}
} // namespace
