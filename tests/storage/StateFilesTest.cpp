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

// A box's text is kept as typed when the record can give it back whole, else as the box shows it once left.
TEST(StateFiles, AWageBoxTheRecordCannotHoldIsKeptAsTheBoxWouldShowIt)
{
    FakeFileSystem files;
    StateFiles stateFiles(files, "/data");
    for (const auto& [typed, kept] :
         {std::pair{"12\"5", "12.00"},
          {"12.5\r\n", "12.50"},
          {"1234567890123456789012345678901234567890123", "1234567890123456789012345678901234567890123.00"},
          {"  12.5 an hour", "  12.5 an hour"},
          {"12345678901234567890123456789012345678.5", "12345678901234567890123456789012345678.5"}}) {
        ASSERT_TRUE(stateFiles.WriteWage({typed, WageType::MyWage, typed, PayPeriod::Hourly}).ok);
        const StateRead<RememberedWage> read = stateFiles.ReadWage();
        EXPECT_EQ(std::pair(read.value.mainEntry, read.value.advancedEntry),
                  std::pair(std::string(kept), std::string(kept)))
            << typed;
    }
    EXPECT_FALSE(stateFiles.PrevWrittenAt()) << "no Prev.ewg, no time of writing";
}

} // namespace
