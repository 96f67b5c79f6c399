#include "storage/StateFiles.h"

#include "FakeFileSystem.h"
#include "StorageTestData.h"
#include "fakes/FakePrompt.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Outcome = StateReadResult::Outcome;

const std::string Folder = "/data";
const std::string SavedPath = "/data/Saved.ewg";
const std::string PrevPath = "/data/Prev.ewg";

class FakeWindows final : public PositionHolder
{
public:
    WindowPositions current() const override { return m_positions; }
    void apply(const WindowPositions& positions) override
    {
        m_positions = positions;
        m_applied = true;
    }

    bool applied() const { return m_applied; }

private:
    WindowPositions m_positions{100, 200, -300, 400};
    bool m_applied = false;
};

class StateFilesTest : public ::testing::Test
{
protected:
    FakeFileSystem files;
    FakePrompt prompt;
    RunState state;
    StateFiles stateFiles{files, prompt, state, Folder};
    FakeWindows windows;
};

struct SavedRow
{
    std::string name;
    std::string content;
    Outcome outcome;
    std::optional<WindowPositions> applied;
    std::string rewrittenAs; // empty when the file must stay as it was

    friend void PrintTo(const SavedRow& row, std::ostream* os) { *os << row.name; }
};

class SavedReading : public StateFilesTest, public ::testing::WithParamInterface<SavedRow>
{};

TEST_P(SavedReading, PlacesTheWindowsOrRewritesFromWhereTheyStand)
{
    const SavedRow& row = GetParam();
    files.put(SavedPath, row.content);

    const StateReadResult result = stateFiles.ReadSaved(windows);
    stateFiles.CloseProgressFile();

    EXPECT_EQ(result.outcome, row.outcome) << result.problem;
    EXPECT_EQ(windows.applied(), row.applied.has_value());
    if (row.applied) {
        EXPECT_EQ(windows.current(), *row.applied);
    }
    EXPECT_EQ(files.content(SavedPath), row.rewrittenAs.empty() ? row.content : row.rewrittenAs);
    EXPECT_EQ(prompt.asked().size(), row.outcome == Outcome::EmptyFile ? 1u : 0u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, SavedReading, ::testing::Values(
    SavedRow{"DefaultPositions", FixtureFile("saved-defaults.ewg"), Outcome::Read, WindowPositions{}, ""},
    SavedRow{"NegativeAndWidestPositions", "-120,32767,-32768,0\r\n", Outcome::Read, WindowPositions{-120, 32767, -32768, 0}, ""},
    SavedRow{"FractionsRoundHalfToEven", "0.5,1.5,2.5,-2.5\r\n", Outcome::Read, WindowPositions{0, 2, 2, -2}, ""},
    SavedRow{"LettersReadAsZero", "a,b,c,d\r\n", Outcome::Read, WindowPositions{0, 0, 0, 0}, ""},
    SavedRow{"PositionBeyond16Bits", "1,32768,3,4\r\n", Outcome::Rewritten, std::nullopt, "100,200,-300,400\r\n"},
    SavedRow{"NegativePositionBeyond16Bits", "1,2,-32769,4\r\n", Outcome::Rewritten, std::nullopt, "100,200,-300,400\r\n"},
    SavedRow{"FractionRoundingBeyond16Bits", "32767.5,2,3,4\r\n", Outcome::Rewritten, std::nullopt, "100,200,-300,400\r\n"},
    SavedRow{"TooFewNumbers", "4425,3930,4425\r\n", Outcome::Rewritten, std::nullopt, "100,200,-300,400\r\n"},
    SavedRow{"EmptyFileLeavesWindowsAlone", "", Outcome::EmptyFile, std::nullopt, ""}
), [](const auto& info) { return info.param.name; });
// clang-format on

struct PrevRow
{
    std::string name;
    std::string content;
    Outcome outcome;
    std::int32_t elapsed;
    std::string rewrittenAs; // empty when the file must stay as it was

    friend void PrintTo(const PrevRow& row, std::ostream* os) { *os << row.name; }
};

class PrevReading : public StateFilesTest, public ::testing::WithParamInterface<PrevRow>
{};

TEST_P(PrevReading, TakesTheCountOrRewritesTheCurrentOne)
{
    const PrevRow& row = GetParam();
    files.put(PrevPath, row.content);
    state.ElapsedSeconds = 7;

    const StateReadResult result = stateFiles.ReadPrev();
    stateFiles.CloseProgressFile();

    EXPECT_EQ(result.outcome, row.outcome) << result.problem;
    EXPECT_EQ(state.ElapsedSeconds, row.elapsed);
    EXPECT_EQ(files.content(PrevPath), row.rewrittenAs.empty() ? row.content : row.rewrittenAs);
    EXPECT_EQ(prompt.asked().size(), row.outcome == Outcome::EmptyFile ? 1u : 0u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, PrevReading, ::testing::Values(
    PrevRow{"OneHour", FixtureFile("prev-one-hour.ewg"), Outcome::Read, 3600, ""},
    PrevRow{"Largest", "2147483647\r\n", Outcome::Read, 2147483647, ""},
    PrevRow{"LettersReadAsZeroAndStay", "abc\r\n", Outcome::Read, 0, ""},
    PrevRow{"LeadingNumberOfAField", "12abc,99\r\n", Outcome::Read, 12, ""},
    PrevRow{"FractionRoundsHalfToEven", "8.5", Outcome::Read, 8, ""},
    PrevRow{"Beyond32Bits", "2147483648\r\n", Outcome::Rewritten, 7, "7\r\n"},
    PrevRow{"NegativeCount", "-1\r\n", Outcome::Rewritten, 7, "7\r\n"},
    PrevRow{"OnlyALineEnd", "\r\n", Outcome::Read, 0, ""},
    PrevRow{"OnlySpaces", "  ", Outcome::Rewritten, 7, "7\r\n"},
    PrevRow{"EmptyFileKeepsTheCount", "", Outcome::EmptyFile, 7, ""}
), [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(StateFilesTest, EmptyFilesNameThemselvesInTheirNotices)
{
    files.put(SavedPath, "");
    files.put(PrevPath, "");

    stateFiles.ReadSaved(windows);
    stateFiles.ReadPrev();

    ASSERT_EQ(prompt.asked().size(), 2u);
    EXPECT_EQ(prompt.asked()[0].text, "End of Saved.ewg file reached.");
    EXPECT_EQ(prompt.asked()[1].text, "End of Prev.ewg file reached.");
    EXPECT_EQ(prompt.asked()[1].caption, "Earnmeter");
    EXPECT_EQ(prompt.asked()[1].icon, Message::Icon::Information);
}

TEST_F(StateFilesTest, StartWithoutStateFilesCreatesBothSilently)
{
    EXPECT_EQ(stateFiles.ReadSaved(windows).outcome, Outcome::Rewritten);
    stateFiles.CloseProgressFile();
    const StateReadResult prev = stateFiles.ReadPrev();
    stateFiles.CloseProgressFile();

    EXPECT_EQ(prev.problem, "File not found for /Prev.ewg");
    EXPECT_TRUE(prev.rewrite.ok);
    EXPECT_EQ(files.content(SavedPath), "100,200,-300,400\r\n");
    EXPECT_EQ(files.content(PrevPath), "0\r\n");
    EXPECT_TRUE(prompt.asked().empty());
}

TEST_F(StateFilesTest, UnreadableFileIsRewrittenSilently)
{
    files.put(SavedPath, "1,2,3,4\r\n");
    files.failReads(SavedPath, "Permission denied");

    const StateReadResult result = stateFiles.ReadSaved(windows);

    EXPECT_EQ(result.problem, "Permission denied for /Saved.ewg");
    EXPECT_FALSE(windows.applied());
    EXPECT_EQ(files.content(SavedPath), "100,200,-300,400\r\n");
}

TEST_F(StateFilesTest, FailedRewriteIsReported)
{
    files.failWrites(PrevPath, "Read-only file system");

    const StateReadResult result = stateFiles.ReadPrev();

    EXPECT_EQ(result.outcome, Outcome::Rewritten);
    EXPECT_EQ(result.rewrite.reason, "Read-only file system for /Prev.ewg");
    EXPECT_FALSE(files.exists(PrevPath));
}

struct SavedWriteRow
{
    std::string name;
    WindowPositions positions;
    std::string record;

    friend void PrintTo(const SavedWriteRow& row, std::ostream* os) { *os << row.name; }
};

class SavedWriting : public StateFilesTest, public ::testing::WithParamInterface<SavedWriteRow>
{};

TEST_P(SavedWriting, WritesFourNumbersAndReadsThemBack)
{
    ASSERT_TRUE(stateFiles.WriteSaved(GetParam().positions).ok);
    EXPECT_EQ(files.content(SavedPath), GetParam().record);

    EXPECT_EQ(stateFiles.ReadSaved(windows).outcome, Outcome::Read);
    EXPECT_EQ(windows.current(), GetParam().positions);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, SavedWriting, ::testing::Values(
    SavedWriteRow{"Defaults", WindowPositions{}, FixtureFile("saved-defaults.ewg")},
    SavedWriteRow{"PartlyOffTheLeftEdge", WindowPositions{-120, 0, 15, 30}, "-120,0,15,30\r\n"},
    SavedWriteRow{"Widest", WindowPositions{32767, -32768, 10000, -1}, "32767,-32768,10000,-1\r\n"}
), [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(StateFilesTest, PrevHoldsTheCountAsPlainDigits)
{
    state.ElapsedSeconds = 300;
    ASSERT_TRUE(stateFiles.WritePrev().ok);
    EXPECT_EQ(files.content(PrevPath), "300\r\n");

    state.ElapsedSeconds = 3600;
    ASSERT_TRUE(stateFiles.WritePrev().ok);
    EXPECT_EQ(files.content(PrevPath), FixtureFile("prev-one-hour.ewg"));
}

TEST_F(StateFilesTest, FailedWriteNamesTheFile)
{
    files.failWrites(SavedPath, "No space left on device");

    const WriteResult result = stateFiles.WriteSaved(WindowPositions{});

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "No space left on device for /Saved.ewg");
}

} // namespace
