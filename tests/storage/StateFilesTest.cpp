#include "storage/StateFiles.h"

#include "StorageTestData.h"

namespace {

using Outcome = StateReadResult::Outcome;
const std::string SavedPath = "/data/Saved.ewg";
const std::string PrevPath = "/data/Prev.ewg";

// The fixture stands in for the two windows whose positions Saved.ewg holds.
class StateFilesTest : public StorageTest, public PositionHolder
{
protected:
    WindowPositions current() const override { return windows; }
    void apply(const WindowPositions& positions) override { windows = positions, ++applied; }

    WindowPositions windows{100, 200, -300, 400};
    int applied = 0;
    StateFiles stateFiles{files, prompt, state, "/data"};
};

using ReadRow = RecordRow<Outcome>;

class StateReading : public StateFilesTest, public ::testing::WithParamInterface<ReadRow>
{};

TEST_P(StateReading, TakesTheValuesOrRewritesTheCurrentOnes)
{
    const ReadRow& row = GetParam();
    const bool saved = row.path == SavedPath;
    files.put(row.path, row.content);
    state.ElapsedSeconds = 7;
    const StateReadResult result = saved ? stateFiles.ReadSaved(*this) : stateFiles.ReadPrev();
    EXPECT_EQ(result.outcome, row.outcome) << result.problem;
    EXPECT_EQ(applied, saved && row.outcome == Outcome::Read ? 1 : 0);
    EXPECT_EQ(files.content(row.path), row.rewrittenAs.empty() ? row.content : row.rewrittenAs);
    ASSERT_EQ(prompt.asked().size(), row.outcome == Outcome::EmptyFile ? 1u : 0u);
    if (row.outcome == Outcome::EmptyFile) {
        EXPECT_EQ(prompt.lastAsked().text, saved ? "End of Saved.ewg file reached." : "End of Prev.ewg file reached.");
    }
    ASSERT_TRUE((saved ? stateFiles.WriteSaved(windows) : stateFiles.WritePrev()).ok);
    EXPECT_EQ(files.content(row.path), row.heldAs);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, StateReading, ::testing::Values(
    ReadRow{"DefaultPositions", SavedPath, FixtureFile("saved-defaults.ewg"), Outcome::Read, "", FixtureFile("saved-defaults.ewg")},
    ReadRow{"NegativeAndWidestPositions", SavedPath, "-120,32767,-32768,0\r\n", Outcome::Read, "", "-120,32767,-32768,0\r\n"},
    ReadRow{"PositionBeyond16Bits", SavedPath, "1,32768,3,4\r\n", Outcome::Rewritten, "100,200,-300,400\r\n", "100,200,-300,400\r\n"},
    ReadRow{"NegativePositionBeyond16Bits", SavedPath, "1,2,-32769,4\r\n", Outcome::Rewritten, "100,200,-300,400\r\n", "100,200,-300,400\r\n"},
    ReadRow{"PositionRoundingBeyond16Bits", SavedPath, "32767.5,2,3,4\r\n", Outcome::Rewritten, "100,200,-300,400\r\n", "100,200,-300,400\r\n"},
    ReadRow{"TooFewPositions", SavedPath, "4425,3930,4425\r\n", Outcome::Rewritten, "100,200,-300,400\r\n", "100,200,-300,400\r\n"},
    ReadRow{"EmptySavedLeavesTheWindowsAlone", SavedPath, "", Outcome::EmptyFile, "", "100,200,-300,400\r\n"},
    ReadRow{"OneHour", PrevPath, FixtureFile("prev-one-hour.ewg"), Outcome::Read, "", FixtureFile("prev-one-hour.ewg")},
    ReadRow{"LargestCount", PrevPath, "2147483647\r\n", Outcome::Read, "", "2147483647\r\n"},
    ReadRow{"CountBeyond32Bits", PrevPath, "2147483648\r\n", Outcome::Rewritten, "7\r\n", "7\r\n"},
    ReadRow{"NegativeCount", PrevPath, "-1\r\n", Outcome::Rewritten, "7\r\n", "7\r\n"},
    ReadRow{"OnlyALineEndReadsAsZero", PrevPath, "\r\n", Outcome::Read, "", "0\r\n"},
    ReadRow{"OnlyBlanksHoldNoCount", PrevPath, "  ", Outcome::Rewritten, "7\r\n", "7\r\n"},
    ReadRow{"EmptyPrevKeepsTheCount", PrevPath, "", Outcome::EmptyFile, "", "7\r\n"}
), [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(StateFilesTest, MissingFilesAreWrittenAfreshSilentlyAndFailedWritesNameTheFile)
{
    files.failWrites(PrevPath, "Read-only file system");
    EXPECT_EQ(stateFiles.ReadSaved(*this).problem, "File not found for /Saved.ewg");
    EXPECT_EQ(files.content(SavedPath), "100,200,-300,400\r\n");
    const StateReadResult prev = stateFiles.ReadPrev();
    EXPECT_EQ(prev.outcome, Outcome::Rewritten);
    EXPECT_EQ(prev.problem, "File not found for /Prev.ewg");
    EXPECT_EQ(prev.rewrite.reason, "Read-only file system for /Prev.ewg");
    EXPECT_FALSE(files.exists(PrevPath));
    EXPECT_EQ(applied, 0);
    EXPECT_TRUE(prompt.asked().empty());
    files.failWrites(SavedPath, "No space left on device");
    const WriteResult written = stateFiles.WriteSaved(WindowPositions{});
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.reason, "No space left on device for /Saved.ewg");
    EXPECT_EQ(files.content(SavedPath), "100,200,-300,400\r\n");
}

} // namespace
