#include "storage/RecordReader.h"

#include "StorageTestData.h"

#include <optional>
#include <tuple>

namespace {

using RecordReaderTest = StorageTest;

TEST_F(RecordReaderTest, ReadsTheLeadingNumberExactlyWithHalvesToEven)
{
    // The field, then its value as a 16-bit whole and as money; nothing when out of range.
    // clang-format off
    const std::tuple<std::string, std::optional<std::int64_t>, std::optional<std::string>> rows[] = {
        {"+000123.50", 124, "123.5"}, {".5", 0, "0.5"}, {"1.2.3", 1, "1.2"}, {"-", 0, "0"}, {"-0.4", 0, "-0.4"},
        {"12abc", 12, "12"}, {"12e", 12, "12"}, {"25e-1", 2, "2.5"}, {"1.5E2", 150, "150"}, {"2d-1", 0, "0.2"},
        {"0e999999999999", 0, "0"}, {"7e-999999999999", 0, "0"}, {"1e999999999999", {}, {}},
        {"99999999999999999999999", {}, {}}, {"-32768.5", -32768, "-32768.5"}, {"-32768.51", {}, "-32768.51"},
        {"0.00004999", 0, "0"}, {"0.00015", 0, "0.0002"}};
    // clang-format on
    for (const auto& [field, whole, dollars] : rows) {
        EXPECT_EQ(RecordReader(field).nextWhole(INT16_MIN, INT16_MAX), whole) << field;
        EXPECT_EQ(RecordReader(field).nextCurrency(), dollars ? std::optional(Dollars(*dollars)) : std::nullopt)
            << field;
    }
}

} // namespace
