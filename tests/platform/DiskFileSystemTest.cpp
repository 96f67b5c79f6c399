#include "platform/DiskFileSystem.h"

#include "StorageTestData.h"
#include "TempFolder.h"
#include "storage/PreferencesFile.h"

#include <csignal>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

constexpr fs::perms Private = fs::perms::owner_read | fs::perms::owner_write;

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

TEST_F(DiskFileSystemTest, ReadsThatCannotBeDoneSayWhyNeverHangAndAHugeFileGivesItsStart)
{
    fs::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", path("device"));
    const std::pair<std::string, const char*> rows[] = {{"missing", "File not found"},
                                                        {"folder", "Is a directory"},
                                                        {"pipe", "Not a regular file"},
                                                        {"device", "Not a regular file"}};
    for (const auto& [name, reason] : rows) {
        const ReadResult read = disk.readRecord(path(name));
        EXPECT_EQ(read.status, name == "missing" ? ReadResult::Status::Missing : ReadResult::Status::Unreadable);
        EXPECT_EQ(read.reason, reason);
    }
    const std::string record = "\"v2.5\",6.75,45.5,0,0,-1\r\n";
    ASSERT_TRUE(disk.writeFile(path("large"), record + std::string(3 * RecordReadLimit, 'x')).ok);
    const std::string large = read("large");
    EXPECT_EQ(large.size(), RecordReadLimit);
    EXPECT_EQ(large.substr(0, record.size()), record);
}

TEST_F(DiskFileSystemTest, WriteReplacesTheWholeFileInOneStepAndLeavesNoTemporaryFile)
{
    const std::string record("\"v2.5\",6.75,45.5,0,0,-1\r\n\0tail", 30);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), "a much longer old record\r\n").ok);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), record).ok);
    EXPECT_EQ(read("Config.ewg"), record);
    EXPECT_EQ(entries(), 1);
    // A failed write gives the system's reason and leaves no temporary file either.
    EXPECT_EQ(disk.writeFile(path("gone/Prev.ewg"), "0\r\n").reason, "No such file or directory");
    fs::create_directories(path("Prev.ewg/inside"));
    EXPECT_EQ(disk.writeFile(path("Prev.ewg"), "0\r\n").reason, "Not a regular file");
    EXPECT_EQ(entries(), 2);
    // A crash before the rename leaves the old record.
    std::string temporary;
    ASSERT_TRUE(disk.writeTemporary(path("Config.ewg"), "600\r\n", temporary).ok);
    EXPECT_EQ(read("Config.ewg"), record);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), "900\r\n").ok);
    EXPECT_EQ(read("Config.ewg"), "900\r\n");
}

// A private file stays private; a dotfiles link stays a link and its target gets the record;
// a link to anything but a regular file is never written through.
TEST_F(DiskFileSystemTest, ReplacingKeepsTheModeAndWritesThroughALinkToItsTarget)
{
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), "old\r\n").ok);
    ::umask(mask);
    EXPECT_EQ(mode("Config.ewg"), Private | fs::perms::group_read | fs::perms::others_read) << "as the umask says";
    fs::permissions(path("Config.ewg"), Private);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), "new\r\n").ok);
    EXPECT_EQ(mode("Config.ewg"), Private);

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
    fs::create_symlink("Loop.ewg", path("Loop.ewg"));
    EXPECT_FALSE(disk.writeFile(path("Loop.ewg"), "0\r\n").ok);
}

// The preferences keep the guarantees of every other file: a link stays a link,
// a read-only file stays read-only, and the user's lines stay as they were.
TEST_F(DiskFileSystemTest, PreferencesAreWrittenThroughALinkAndKeepAReadOnlyMode)
{
    fs::create_directory(path("dotfiles"));
    ASSERT_TRUE(disk.writeFile(path("dotfiles/earnmeter.conf"), "# mine\nnew_day = ask\n").ok);
    fs::permissions(path("dotfiles/earnmeter.conf"), fs::perms::owner_read | fs::perms::group_read);
    fs::create_symlink("dotfiles/earnmeter.conf", path("Earnmeter.conf"));
    Preferences zero;
    zero.newDay = NewDay::Zero;
    ASSERT_TRUE(PreferencesFile(disk, folder.path()).write(zero).ok);
    EXPECT_TRUE(fs::is_symlink(path("Earnmeter.conf")));
    EXPECT_EQ(read("dotfiles/earnmeter.conf"), "# mine\nnew_day = zero\n");
    EXPECT_EQ(mode("dotfiles/earnmeter.conf"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(entries(), 2) << "no temporary file left";
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

TEST_F(DiskFileSystemTest, KilledWriterAlwaysLeavesOneWholeRecord)
{
    const std::string records[] = {"300\r\n", "86400000\r\n"};
    std::mt19937 random(std::random_device{}());
    for (int kill = 0; kill < 50; ++kill) {
        int progress[2];
        ASSERT_EQ(::pipe(progress), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        // The child rewrites the file as fast as it can, telling after each write.
        if (child == 0)
            for (unsigned written = 0;; ++written)
                if (!disk.writeFile(path("Prev.ewg"), records[written % 2]).ok || ::write(progress[1], "w", 1) != 1)
                    std::_Exit(1);
        ::close(progress[1]);
        // Let it finish some writes, then strike somewhere inside the next one.
        char done[64];
        ASSERT_GT(::read(progress[0], done, std::uniform_int_distribution<std::size_t>(1, sizeof done)(random)), 0);
        volatile long spun = 0;
        for (long spin = std::uniform_int_distribution<long>(0, 200'000)(random); spin > 0; --spin)
            spun = spun + 1;
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(progress[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped on its own: a write failed";
        const ReadResult left = disk.readRecord(path("Prev.ewg"));
        EXPECT_TRUE(left.content == records[0] || left.content == records[1]) << kill << ": " << left.reason;
    }
}
} // namespace
