#include "storage/ConfigFile.h"
#include "storage/RecordReader.h"
#include "storage/StateFiles.h"

#include "StorageTestData.h"

#include <array>
#include <optional>
#include <tuple>

namespace {

// A record file as found at start-up (none: no file); the name of what reading it came to; the file after reading
// (empty when it must stay as it was); and what this version writes back of the values then in force.
struct RecordRow
{
    std::string name, fileName;
    std::optional<std::string> content;
    std::string outcome, rewrittenAs, heldAs;
    friend void PrintTo(const RecordRow& row, std::ostream* os) { *os << row.name; }
};

class RecordReading : public StorageTest, public ::testing::WithParamInterface<RecordRow>
{
protected:
    // Reads the file as start-up does, notes the file as it was left, and writes back what is then in force (the
    // defaults for missing settings; a state file that gave nothing leaves the value in force as it was); gives what
    // reading came to.
    std::string readAndWriteBack()
    {
        if (GetParam().fileName == ConfigFile::FileName) {
            ConfigFile config(files, "/data");
            const ConfigRead read = config.read();
            noteFile();
            EXPECT_TRUE(
                config.write(read.outcome == ConfigRead::Outcome::Missing ? Settings::defaults() : read.settings).ok);
            return std::array{"Current", "Updated", "EmptyFile", "Damaged", "Missing", "Unreadable"}.at(
                static_cast<std::size_t>(read.outcome));
        }
        if (GetParam().fileName == StateFiles::SavedFileName)
            return readState(&StateFiles::ReadSaved, &StateFiles::WriteSaved, WindowPositions{100, 200, -300, 400});
        if (GetParam().fileName == StateFiles::WageFileName)
            return readState(&StateFiles::ReadWage, &StateFiles::WriteWage,
                             RememberedWage{"7.00", WageType::Dream, "100.00", PayPeriod::Weekly});
        return readState(&StateFiles::ReadPrev, &StateFiles::WritePrev, 7);
    }

    template <typename Value, typename Writer>
    std::string readState(StateRead<Value> (StateFiles::*reader)(), Writer writer, Value inForce)
    {
        StateFiles stateFiles(files, "/data");
        const StateRead<Value> read = (stateFiles.*reader)();
        noteFile();
        EXPECT_TRUE((stateFiles.*writer)(read.outcome == StateRead<Value>::Outcome::Read ? read.value : inForce).ok);
        return std::array{"Read", "EmptyFile", "Unusable", "Unreadable"}.at(static_cast<std::size_t>(read.outcome));
    }

    void noteFile()
    {
        const std::string at = path(GetParam().fileName);
        afterRead = files.exists(at) ? std::optional(files.content(at)) : std::nullopt;
    }

    std::optional<std::string> afterRead;
};

TEST_P(RecordReading, TakesWhatTheRecordHoldsAndWritesItBackInThisVersionsLayout)
{
    const RecordRow& row = GetParam();
    if (row.content)
        files.put(path(row.fileName), *row.content);
    EXPECT_EQ(readAndWriteBack(), row.outcome);
    EXPECT_EQ(afterRead, row.rewrittenAs.empty() ? row.content : row.rewrittenAs)
        << "reading a missing file makes none";
    EXPECT_EQ(files.content(path(row.fileName)), row.heldAs);
}

const std::string Config(ConfigFile::FileName), Saved(StateFiles::SavedFileName), Prev(StateFiles::PrevFileName),
    Wage(StateFiles::WageFileName);
const std::string Defaults = "\"v2.5\",6.75,45.5,0,0,-1\r\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Settings, RecordReading, ::testing::Values(
    RecordRow{"CurrentVersionIsNotRewritten", Config, FixtureFile("config-defaults.ewg"), "Current", "", FixtureFile("config-defaults.ewg")},
    RecordRow{"OnlyMinusOneSwitchesOn", Config, "\"v2.5\",12,0.0125,-1,1,1\r\n", "Current", "", "\"v2.5\",12,0.0125,-1,0,0\r\n"},
    RecordRow{"Version242HasSixFields", Config, "\"v2.42\",7,50,0,-1,0\r\n", "Updated", "\"v2.5\",7,50,0,-1,0\r\n", "\"v2.5\",7,50,0,-1,0\r\n"},
    RecordRow{"Version241HasFiveFieldsAndGainsSavePosition", Config, "\"v2.41\",7,50,-1,0\r\n", "Updated", "\"v2.5\",7,50,-1,0,-1\r\n", "\"v2.5\",7,50,-1,0,-1\r\n"},
    RecordRow{"Version10SortsBefore242AndLeavesSixthFieldUnread", Config, "\"v10.0\",1,2,0,0,0\r\n", "Updated", "\"v2.5\",1,2,0,0,-1\r\n", "\"v2.5\",1,2,0,0,-1\r\n"},
    RecordRow{"Version26HasSixFieldsAndIsRewritten", Config, "\"v2.6\",1,2,0,0,0\r\n", "Updated", "\"v2.5\",1,2,0,0,0\r\n", "\"v2.5\",1,2,0,0,0\r\n"},
    RecordRow{"Version23Example", Config, FixtureFile("config-v2.3.ewg"), "Updated", FixtureFile("config-v2.3-updated.ewg"), "\"v2.5\",5.15,20,0,-1,-1\r\n"},
    RecordRow{"UpdateKeepsRawSwitchValues", Config, "\"v2.42\",1,2,1,7,-32768\r\n", "Updated", "\"v2.5\",1,2,1,7,-32768\r\n", "\"v2.5\",1,2,0,0,0\r\n"},
    RecordRow{"CapitalVersionIsNoVersionOfOurs", Config, "\"V2.5\",1,2,-1,-1,0\r\n", "Damaged", "", Defaults},
    RecordRow{"GarbageVersionIsNotTakenForAnOldOne", Config, "garbage,1,2,3,4,5\r\n", "Damaged", "", Defaults},
    RecordRow{"AProgramIsNoSettingsFile", Config, std::string("\x7f" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0", 20), "Damaged", "", Defaults},
    RecordRow{"AHugeFileIsReadByItsFirstRecord", Config, "\"v2.5\",7,50,0,-1,0\r\n" + std::string(200'000, 'x'), "Current", "", "\"v2.5\",7,50,0,-1,0\r\n"},
    RecordRow{"FieldsOfBlanksQuotesAndLineEnds", Config, "  \"v2.5\"junk\n 6.75 ,\"45,5\"\r\"0,  -1\r\n-1,,", "Current", "", "\"v2.5\",6.75,45,0,-1,0\r\n"},
    RecordRow{"WidestWages", Config, "\"v2.5\",922337203685477.5807,-922337203685477.5808,0,0,0\r\n", "Current", "", "\"v2.5\",922337203685477.5807,-922337203685477.5808,0,0,0\r\n"},
    RecordRow{"WageBeyondCurrencyRange", Config, "\"v2.5\",922337203685477.5808,45.5,0,0,-1\r\n", "Damaged", "", Defaults},
    RecordRow{"WageRoundingBeyondCurrencyRange", Config, "\"v2.5\",1,-922337203685477.58086,0,0,-1\r\n", "Damaged", "", "\"v2.5\",1,45.5,0,0,-1\r\n"},
    RecordRow{"SwitchBeyond16Bits", Config, "\"v2.5\",1,2,32768,-1,0\r\n", "Damaged", "", "\"v2.5\",1,2,0,0,-1\r\n"},
    RecordRow{"TooFewFieldsKeepWhatWasReadAndTheSavePositionDefault", Config, "\"v2.5\",7,50,-1,-1\r\n", "Damaged", "", "\"v2.5\",7,50,-1,-1,-1\r\n"},
    RecordRow{"OldVersionTooShortIsNotRewritten", Config, "\"v2.3\",5.15,20,-1\r\n", "Damaged", "", "\"v2.5\",5.15,20,-1,0,-1\r\n"},
    RecordRow{"OnlyBlanks", Config, " \t ", "Damaged", "", Defaults},
    RecordRow{"EmptySettingsChangeNothing", Config, "", "EmptyFile", "", "\"v2.5\",0,0,0,0,0\r\n"},
    RecordRow{"MissingSettingsAreTheDefaults", Config, std::nullopt, "Missing", "", FixtureFile("config-defaults.ewg")}
), [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(State, RecordReading, ::testing::Values(
    RecordRow{"DefaultPositions", Saved, FixtureFile("saved-defaults.ewg"), "Read", "", FixtureFile("saved-defaults.ewg")},
    RecordRow{"NegativeAndWidestPositions", Saved, "-120,32767,-32768,0\r\n", "Read", "", "-120,32767,-32768,0\r\n"},
    RecordRow{"PositionRoundingBeyond16Bits", Saved, "32767.5,2,3,4\r\n", "Unusable", "", "100,200,-300,400\r\n"},
    RecordRow{"TooFewPositions", Saved, "4425,3930,4425\r\n", "Unusable", "", "100,200,-300,400\r\n"},
    RecordRow{"OneHour", Prev, FixtureFile("prev-one-hour.ewg"), "Read", "", FixtureFile("prev-one-hour.ewg")},
    RecordRow{"LargestCount", Prev, "2147483647\r\n", "Read", "", "2147483647\r\n"},
    RecordRow{"CountBeyond32Bits", Prev, "2147483648\r\n", "Unusable", "", "7\r\n"},
    RecordRow{"NegativeCount", Prev, "-1\r\n", "Unusable", "", "7\r\n"},
    RecordRow{"OnlyALineEndReadsAsZero", Prev, "\r\n", "Read", "", "0\r\n"},
    RecordRow{"OnlyBlanksHoldNoCount", Prev, "  ", "Unusable", "", "7\r\n"},
    RecordRow{"EmptyPrevKeepsTheCount", Prev, "", "EmptyFile", "", "7\r\n"},
    RecordRow{"MissingPrevKeepsTheCount", Prev, std::nullopt, "Unusable", "", "7\r\n"},
    RecordRow{"WageBoxesAsShownTypeAndPeriod", Wage, "\"12.5\",0,\"52000.00\",5\r\n", "Read", "", "\"12.5\",0,\"52000.00\",5\r\n"},
    RecordRow{"WageTextsAsTyped", Wage, "\"7,50 /hr\",2,\"abc\",1\r\n", "Read", "", "\"7,50 /hr\",2,\"abc\",1\r\n"},
    RecordRow{"WageTypeBeyondTheThree", Wage, "\"1\",3,\"2\",0\r\n", "Unusable", "", "\"7.00\",1,\"100.00\",1\r\n"},
    RecordRow{"PayPeriodBeyondTheSix", Wage, "\"1\",0,\"2\",6\r\n", "Unusable", "", "\"7.00\",1,\"100.00\",1\r\n"},
    RecordRow{"TooFewWageFields", Wage, "\"1\",0\r\n", "Unusable", "", "\"7.00\",1,\"100.00\",1\r\n"}
), [](const auto& info) { return info.param.name; });
// clang-format on

using RecordReaderTest = StorageTest;
using RecordFilesTest = StorageTest;

TEST_F(RecordReaderTest, ReadsTheLeadingNumberExactlyWithHalvesToEven)
{
    // The field, then its value as a 16-bit whole and as money; nothing when out of range.
    // clang-format off
    const std::tuple<std::string, std::optional<std::int64_t>, std::optional<std::string>> rows[] = {
        {"+000123.50", 124, "123.5"}, {"1.2.3", 1, "1.2"}, {"-0.4", 0, "-0.4"}, {"25e-1", 2, "2.5"}, {"2d-1", 0, "0.2"},
        {"7e-999999999999", 0, "0"}, {"1e999999999999", {}, {}}, {"99999999999999999999999", {}, {}},
        {"-32768.5", -32768, "-32768.5"}, {"-32768.51", {}, "-32768.51"}, {"0.00015", 0, "0.0002"}};
    // clang-format on
    for (const auto& [field, whole, dollars] : rows) {
        EXPECT_EQ(RecordReader(field).nextWhole(INT16_MIN, INT16_MAX), whole) << field;
        EXPECT_EQ(RecordReader(field).nextCurrency(), dollars ? std::optional(Dollars(*dollars)) : std::nullopt)
            << field;
    }
}

// A missing or damaged file's problem, and a failed write, name the file; an update that cannot be written back is
// told to the caller, not taken as done.
TEST_F(RecordFilesTest, ProblemsAndFailedWritesNameTheFileAndLoseNothing)
{
    ConfigFile config(files, "/data");
    StateFiles stateFiles(files, "/data");
    EXPECT_EQ(config.read().problem, "File not found");
    EXPECT_EQ(stateFiles.ReadSaved().problem, "File not found for /Saved.ewg");
    EXPECT_EQ(stateFiles.ReadPrev().problem, "File not found for /Prev.ewg");
    EXPECT_FALSE(stateFiles.PrevWrittenAt()) << "no Prev.ewg, no time of writing";
    const std::string configPath = path(ConfigFile::FileName), savedPath = path(StateFiles::SavedFileName);
    files.put(configPath, "\"v2.5\",1,2,99999,0,-1\r\n");
    EXPECT_EQ(config.read().problem, "Switch out of range for /Config.ewg");
    files.put(configPath, "\"v2.5\",1");
    EXPECT_EQ(config.read().problem, "Too few fields for /Config.ewg");

    files.put(configPath, "\"v2.41\",7,50,-1,0\r\n");
    files.failWrites(configPath, "Read-only file system");
    const ConfigRead updated = config.read();
    EXPECT_EQ(updated.outcome, ConfigRead::Outcome::Updated);
    EXPECT_EQ(updated.rewrite.reason, "Read-only file system for /Config.ewg");
    EXPECT_EQ(updated.settings, (Settings{Dollars("7"), Dollars("50"), true, false, true}));
    EXPECT_EQ(config.write(Settings::defaults()).reason, "Read-only file system for /Config.ewg");
    EXPECT_EQ(files.content(configPath), "\"v2.41\",7,50,-1,0\r\n");

    files.put(savedPath, "1,2,3,4\r\n");
    files.failWrites(savedPath, "No space left on device");
    const WriteResult written = stateFiles.WriteSaved(WindowPositions{});
    EXPECT_EQ(std::pair(written.ok, written.reason),
              std::pair(false, std::string("No space left on device for /Saved.ewg")));
    EXPECT_EQ(files.content(savedPath), "1,2,3,4\r\n");
}

// A box's text is kept as typed when the record can give it back whole, else as the box shows it once left.
TEST_F(RecordFilesTest, AWageBoxTheRecordCannotHoldIsKeptAsTheBoxWouldShowIt)
{
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
}

} // namespace
