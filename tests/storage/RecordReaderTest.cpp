#include "storage/RecordReader.h"

#include "StorageTestData.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct FieldsRow
{
    std::string name;
    std::string content;
    std::vector<std::string> fields;

    friend void PrintTo(const FieldsRow& row, std::ostream* os) { *os << row.name; }
};

class RecordFields : public ::testing::TestWithParam<FieldsRow>
{};

TEST_P(RecordFields, SplitAtCommasAndLineEnds)
{
    RecordReader record(GetParam().content);
    std::vector<std::string> fields;
    while (const auto field = record.nextText())
        fields.emplace_back(*field);

    EXPECT_EQ(fields, GetParam().fields);
    EXPECT_EQ(record.problem(), RecordReader::Problem::TooFewFields);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, RecordFields, ::testing::Values(
    FieldsRow{"CommasAndCrLf", "a,b\r\nc", {"a", "b", "c"}},
    FieldsRow{"LoneCrAndLf", "a\rb\nc\n", {"a", "b", "c"}},
    FieldsRow{"BlanksBeforeSkippedAfterDropped", " \ta b \t,  c", {"a b", "c"}},
    FieldsRow{"QuotesKeepCommas", "\"a,b\",c", {"a,b", "c"}},
    FieldsRow{"TextAfterClosingQuoteIgnored", "\"a\"junk,b", {"a", "b"}},
    FieldsRow{"OpenQuoteEndsAtLineEnd", "\"a,b\r\nc", {"a,b", "c"}},
    FieldsRow{"EmptyFieldsBetweenCommas", ",,x", {"", "", "x"}},
    FieldsRow{"NothingAfterLastSeparator", "a,", {"a"}},
    FieldsRow{"Empty", "", {}}
), [](const auto& info) { return info.param.name; });
// clang-format on

struct NumberRow
{
    std::string name;
    std::string field;
    std::optional<std::int64_t> whole;  // within 16 bits
    std::optional<std::string> dollars; // within the money range

    friend void PrintTo(const NumberRow& row, std::ostream* os) { *os << row.name; }
};

class RecordNumbers : public ::testing::TestWithParam<NumberRow>
{};

TEST_P(RecordNumbers, ReadTheLeadingNumberExactly)
{
    RecordReader wholeRecord(GetParam().field);
    EXPECT_EQ(wholeRecord.nextWhole(INT16_MIN, INT16_MAX), GetParam().whole);

    RecordReader moneyRecord(GetParam().field);
    const auto money = moneyRecord.nextCurrency();
    ASSERT_EQ(money.has_value(), GetParam().dollars.has_value());
    if (money) {
        EXPECT_EQ(*money, Dollars(*GetParam().dollars));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, RecordNumbers, ::testing::Values(
    NumberRow{"Plain", "123", 123, "123"},
    NumberRow{"SignAndLeadingZeros", "+000123.50", 124, "123.5"},
    NumberRow{"PointFirst", ".5", 0, "0.5"},
    NumberRow{"PointLast", "5.", 5, "5"},
    NumberRow{"SecondPointEndsTheNumber", "1.2.3", 1, "1.2"},
    NumberRow{"LoneSign", "-", 0, "0"},
    NumberRow{"NegativeBelowHalf", "-0.4", 0, "-0.4"},
    NumberRow{"LettersAfterTheNumber", "12abc", 12, "12"},
    NumberRow{"ExponentWithoutDigitsIgnored", "12e", 12, "12"},
    NumberRow{"NegativeExponent", "25e-1", 2, "2.5"},
    NumberRow{"HugeExponentOfZero", "0e999999999999", 0, "0"},
    NumberRow{"HugeNegativeExponent", "7e-999999999999", 0, "0"},
    NumberRow{"HugeExponent", "1e999999999999", std::nullopt, std::nullopt},
    NumberRow{"BeyondSixtyFourBits", "99999999999999999999999", std::nullopt, std::nullopt},
    NumberRow{"WidestSixteenBitNegative", "-32768.5", -32768, "-32768.5"},
    NumberRow{"JustBeyondSixteenBits", "-32768.51", std::nullopt, "-32768.51"},
    NumberRow{"TinyFractionRoundsToZero", "0.00004999", 0, "0"},
    NumberRow{"HalfUnitRoundsToEven", "0.00015", 0, "0.0002"}
), [](const auto& info) { return info.param.name; });
// clang-format on

TEST(RecordReader, ProblemNamesTheField)
{
    RecordReader record("70000");
    EXPECT_FALSE(record.nextWhole(INT16_MIN, INT16_MAX));
    EXPECT_EQ(record.describeProblem("Switch"), "Switch out of range");
    EXPECT_FALSE(record.nextText());
    EXPECT_EQ(record.describeProblem("Switch"), "Too few fields");
}

} // namespace
