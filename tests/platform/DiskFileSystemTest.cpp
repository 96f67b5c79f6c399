#include "platform/DiskFileSystem.h"

#include "StorageTestData.h"

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed afterwards.
class DiskFileSystemTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(::mkdtemp(folder.data()), nullptr); }
    void TearDown() override { fs::remove_all(folder); }
    std::string path(const std::string& name) const { return folder + "/" + name; }
    long entries() const { return std::distance(fs::directory_iterator(folder), fs::directory_iterator()); }

    std::string folder = (fs::temp_directory_path() / "earnmeter-storage-XXXXXX").string();
    DiskFileSystem disk;
};

TEST_F(DiskFileSystemTest, ReadsThatCannotBeDoneSayWhyAndNeverHang)
{
    fs::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    ASSERT_TRUE(disk.writeFile(path("large"), std::string(DiskFileSystem::MaxFileSize + 1, '1')).ok);
    const std::pair<std::string, std::string> rows[] = {{"missing", "File not found"},
                                                        {"folder", "Is a directory"},
                                                        {"pipe", "Not a regular file"},
                                                        {"large", "File is too large"}};
    for (const auto& [name, reason] : rows) {
        const ReadResult read = disk.readFile(path(name));
        EXPECT_EQ(read.status, name == "missing" ? ReadResult::Status::Missing : ReadResult::Status::Unreadable);
        EXPECT_EQ(read.reason, reason);
    }
}

TEST_F(DiskFileSystemTest, WriteReplacesTheWholeFileInOneStepAndLeavesNoTemporaryFile)
{
    const std::string record("\"v2.5\",6.75,45.5,0,0,-1\r\n\0tail", 30);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), "a much longer old record\r\n").ok);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), record).ok);
    EXPECT_EQ(disk.readFile(path("Config.ewg")).content, record);
    EXPECT_EQ(entries(), 1);
    // A failed write gives the system's reason and leaves no temporary file either.
    EXPECT_EQ(disk.writeFile(path("gone/Prev.ewg"), "0\r\n").reason, "No such file or directory");
    fs::create_directories(path("Prev.ewg/inside"));
    EXPECT_FALSE(disk.writeFile(path("Prev.ewg"), "0\r\n").ok);
    EXPECT_EQ(entries(), 2);
    // A crash before the rename leaves the old record.
    ASSERT_TRUE(disk.writeTemporary(disk.temporaryPathFor(path("Config.ewg")), "600\r\n").ok);
    EXPECT_EQ(disk.readFile(path("Config.ewg")).content, record);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), "900\r\n").ok);
    EXPECT_EQ(disk.readFile(path("Config.ewg")).content, "900\r\n");
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
        for (unsigned written = 0; child == 0; ++written) {
            if (!disk.writeFile(path("Prev.ewg"), records[written % 2]).ok || ::write(progress[1], "w", 1) != 1)
                std::_Exit(1);
        }
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
        const ReadResult read = disk.readFile(path("Prev.ewg"));
        EXPECT_TRUE(read.content == records[0] || read.content == records[1]) << kill << ": " << read.reason;
    }
}

} // namespace
