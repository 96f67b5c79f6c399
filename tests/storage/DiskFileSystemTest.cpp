#include "storage/DiskFileSystem.h"

#include "engine/RunState.h"
#include "fakes/FakePrompt.h"
#include "storage/StateFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed afterwards.
class DiskFileSystemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "earnmeter-storage-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto& entry : fs::directory_iterator(folder))
            result.push_back(entry.path().filename().string());
        return result;
    }

    fs::path folder;
    DiskFileSystem disk;
};

TEST_F(DiskFileSystemTest, MissingFileIsNotFound)
{
    const ReadResult read = disk.readFile(path("Config.ewg"));

    EXPECT_EQ(read.status, ReadResult::Status::Missing);
    EXPECT_EQ(read.reason, "File not found");
}

TEST_F(DiskFileSystemTest, FolderWhereTheFileBelongsIsUnreadable)
{
    fs::create_directory(path("Config.ewg"));

    const ReadResult read = disk.readFile(path("Config.ewg"));

    EXPECT_EQ(read.status, ReadResult::Status::Unreadable);
    EXPECT_EQ(read.reason, "Is a directory");
}

TEST_F(DiskFileSystemTest, PipeWhereTheFileBelongsDoesNotHang)
{
    ASSERT_EQ(::mkfifo(path("Prev.ewg").c_str(), 0600), 0);

    EXPECT_EQ(disk.readFile(path("Prev.ewg")).reason, "Not a regular file");
}

TEST_F(DiskFileSystemTest, OversizedFileIsRefused)
{
    std::ofstream(path("Saved.ewg")) << std::string(DiskFileSystem::MaxFileSize + 1, '1');

    EXPECT_EQ(disk.readFile(path("Saved.ewg")).reason, "File is too large");
}

TEST_F(DiskFileSystemTest, WriteReplacesTheWholeFileAndLeavesNoTemporaryFile)
{
    const std::string record("\"v2.5\",6.75,45.5,0,0,-1\r\n\0tail", 30);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), "a much longer old record\r\n").ok);
    ASSERT_TRUE(disk.writeFile(path("Config.ewg"), record).ok);

    EXPECT_EQ(disk.readFile(path("Config.ewg")).content, record);
    EXPECT_EQ(names(), std::vector<std::string>{"Config.ewg"});
}

TEST_F(DiskFileSystemTest, WriteIntoMissingFolderGivesTheSystemReason)
{
    const WriteResult result = disk.writeFile(path("gone/Prev.ewg"), "0\r\n");

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "No such file or directory");
}

TEST_F(DiskFileSystemTest, FailedReplaceKeepsTheFolderClean)
{
    fs::create_directories(path("Prev.ewg/inside"));

    const WriteResult result = disk.writeFile(path("Prev.ewg"), "0\r\n");

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(names(), std::vector<std::string>{"Prev.ewg"});
}

TEST_F(DiskFileSystemTest, CrashBeforeTheRenameLeavesTheOldRecord)
{
    ASSERT_TRUE(disk.writeFile(path("Prev.ewg"), "300\r\n").ok);

    const std::string temporary = disk.temporaryPathFor(path("Prev.ewg"));
    ASSERT_TRUE(disk.writeTemporary(temporary, "600\r\n").ok);

    EXPECT_EQ(disk.readFile(path("Prev.ewg")).content, "300\r\n");
    ASSERT_TRUE(disk.writeFile(path("Prev.ewg"), "900\r\n").ok);
    EXPECT_EQ(disk.readFile(path("Prev.ewg")).content, "900\r\n");
}

// Rewrites Prev.ewg through the real writer as fast as it can, telling the
// parent after each write, until it is killed.
[[noreturn]] void RewriteForever(const std::string& folder, int progress)
{
    DiskFileSystem disk;
    FakePrompt prompt;
    RunState state;
    StateFiles files(disk, prompt, state, folder);
    for (;;) {
        ++state.ElapsedSeconds;
        if (!files.WritePrev().ok || ::write(progress, "w", 1) != 1)
            std::_Exit(1);
    }
}

TEST_F(DiskFileSystemTest, KilledWriterAlwaysLeavesOneWholeRecord)
{
    const std::regex wholeRecord("[0-9]+\r\n");
    std::random_device seed;
    std::mt19937 random(seed());
    for (int kill = 0; kill < 50; ++kill) {
        int progress[2];
        ASSERT_EQ(::pipe(progress), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(progress[0]);
            RewriteForever(folder.string(), progress[1]);
        }
        ::close(progress[1]);
        // Let it finish some writes, then strike somewhere inside the next one.
        char done[64];
        const auto writes = std::uniform_int_distribution<std::size_t>(1, sizeof done)(random);
        ASSERT_EQ(::read(progress[0], done, writes) > 0, true);
        volatile long spun = 0;
        for (long spin = std::uniform_int_distribution<long>(0, 200'000)(random); spin > 0; --spin)
            spun = spun + 1;
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(progress[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped on its own: a write failed";

        const ReadResult read = disk.readFile(path("Prev.ewg"));
        ASSERT_TRUE(read.ok()) << read.reason;
        ASSERT_TRUE(std::regex_match(read.content, wholeRecord)) << "after kill " << kill << ": " << read.content;
    }
}

} // namespace
