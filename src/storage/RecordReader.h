#pragma once

#include "engine/Currency.h"
#include "engine/Decimal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reads the fields of a record file one after another, by the rules these
// files have always been read with:
// - a field ends at a comma, at a line end (CR LF, CR or LF) or at the end of the file;
// - spaces and tabs before a field are skipped, and dropped after it;
// - a field opening with a double quote runs to the closing quote, commas
//   included, and loses the quotes; text between the closing quote and the
//   separator is ignored; a quote left open runs to the end of the line;
// - a number is the field's leading number: an optional sign, digits with at
//   most one ".", and an optional exponent ("E" or "D", optional sign, digits).
//   The rest of the field is ignored, so "12abc" reads as 12 and a field with
//   no leading number, "abc" or an empty one, reads as 0. Numbers are read
//   exactly and rounded to the whole unit with halves to the even neighbour.
class RecordReader final
{
public:
    enum class Problem
    {
        None,
        TooFewFields,
        OutOfRange
    };

    explicit RecordReader(std::string_view content) : m_rest(content) {}

    // Each read gives nothing when the field is missing (the file ends first)
    // or its number lies outside the range; problem() then says which.
    std::optional<std::string_view> nextText();
    std::optional<std::int64_t> nextWhole(std::int64_t min, std::int64_t max); // min <= 0 <= max
    std::optional<Currency> nextCurrency();

    Problem problem() const { return m_problem; }
    // The problem in words, for a message: "Too few fields", "<field> out of range".
    std::string describeProblem(std::string_view field) const;

private:
    std::string_view m_rest;
    Problem m_problem = Problem::None;
};
