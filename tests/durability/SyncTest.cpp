// What a write says is done must be on the disk: a power cut straight after a
// save may not leave an empty settings file or lose the last history records.
// The system's own fsync and fdatasync are wrapped here to see which files
// reach the disk, and to make one fail.
#include "engine/HistoryRecord.h"
#include "fakes/ManualWallClock.h"
#include "platform/DiskFileSystem.h"
#include "storage/HistoryStore.h"

#include "../platform/TempFolder.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct SyncLog
{
    std::vector<std::string> regularFiles; // folders synced are left out
    int failWith = 0;                      // an errno to fail the next syncs with
} syncLog;

int noteSync(int fd, const char* name)
{
    struct stat info
    {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        char path[PATH_MAX] = {};
        const std::string link = "/proc/self/fd/" + std::to_string(fd);
        if (::readlink(link.c_str(), path, sizeof path - 1) > 0)
            syncLog.regularFiles.emplace_back(path);
    }
    if (syncLog.failWith != 0) {
        errno = syncLog.failWith;
        return -1;
    }
    using Sync = int (*)(int);
    static auto real = reinterpret_cast<Sync>(::dlsym(RTLD_NEXT, name));
    return real(fd);
}

} // namespace

extern "C" int fsync(int fd)
{
    return noteSync(fd, "fsync");
}
extern "C" int fdatasync(int fd)
{
    return noteSync(fd, "fdatasync");
}

namespace {

struct SyncTest : ::testing::Test
{
    void SetUp() override { syncLog = {}; }

    bool synced(const std::string& nameStart) const
    {
        for (const std::string& path : syncLog.regularFiles)
            if (std::filesystem::path(path).filename().string().starts_with(nameStart))
                return true;
        return false;
    }

    TempFolder folder;
};

// Flushed before the rename; a flush that fails is a failed save with the system's
// reason, and the old record stays.
TEST_F(SyncTest, ASavedRecordIsOnTheDiskBeforeItTakesTheFilesName)
{
    DiskFileSystem disk;
    ASSERT_TRUE(disk.writeFile(folder / "Prev.ewg", "3600\r\n").ok);
    EXPECT_TRUE(synced(".Prev.ewg.")) << "the new content was never flushed before the rename";
    EXPECT_EQ(disk.readRecord(folder / "Prev.ewg").content, "3600\r\n");
    syncLog.failWith = EIO;
    const WriteResult result = disk.writeFile(folder / "Prev.ewg", "60\r\n");
    syncLog.failWith = 0;
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("Input/output error"), std::string::npos) << result.reason;
    EXPECT_EQ(disk.readRecord(folder / "Prev.ewg").content, "3600\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "a temporary was left";
}

TEST_F(SyncTest, AHistoryWriteReachesTheDiskBeforeItReturns)
{
    const Date day = Date::parse("2026-03-29").value();
    ManualWallClock clock{ManualWallClock::at(day, 9, 0, 0)};
    HistoryOpenResult opened = HistoryStore::open(folder / "History.sqlite", HistoryStore::Mode::ReadWrite, clock);
    ASSERT_TRUE(opened.store);
    syncLog.regularFiles.clear();
    const Currency wage = Currency::fromUnits(360000);
    std::vector<HistoryRecord> records{{0, day, 1000, 1060, 60, wage, earnedFor(60, wage), 0}};
    ASSERT_TRUE(opened.store->write(records).ok);
    EXPECT_TRUE(synced("History.sqlite")) << "the record was left to the page cache";
}

} // namespace
