#include "storage/StateFiles.h"

#include "StorageTestData.h"

namespace {

TEST(StateFiles, MissingFilesAreUnusableAndFailedWritesNameTheFile)
{
    FakeFileSystem files;
    StateFiles stateFiles(files, "/data");
    EXPECT_EQ(stateFiles.ReadSaved().problem, "File not found for /Saved.ewg");
    const StateRead<std::int32_t> prev = stateFiles.ReadPrev();
    EXPECT_EQ(prev.outcome, StateRead<std::int32_t>::Outcome::Unusable);
    EXPECT_EQ(prev.problem, "File not found for /Prev.ewg");
    EXPECT_FALSE(files.exists(StorageTest::path("Prev.ewg"))) << "reading never writes";

    files.put(StorageTest::path("Saved.ewg"), "1,2,3,4\r\n");
    files.failWrites(StorageTest::path("Saved.ewg"), "No space left on device");
    const WriteResult written = stateFiles.WriteSaved(WindowPositions{});
    EXPECT_EQ(std::pair(written.ok, written.reason),
              std::pair(false, std::string("No space left on device for /Saved.ewg")));
    EXPECT_EQ(files.content(StorageTest::path("Saved.ewg")), "1,2,3,4\r\n");
}

} // namespace
