#include "storage/RecordReader.h"

#include <algorithm>
#include <string>

namespace {

// Beyond any power of ten a record's number could need; holding the exponent
// within it keeps the arithmetic on scales far from overflowing.
constexpr std::int64_t ExponentLimit = 100'000'000;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SeparatorPosition(std::string_view rest)
{
    return std::min(rest.find_first_of(",\r\n"), rest.size());
}

void SkipBlanks(std::string_view& text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
}

// Drops a comma, or a line end of CR LF, CR or LF, from the front.
void SkipSeparator(std::string_view& rest)
{
    if (rest.empty())
        return;
    const bool crLf = rest.size() > 1 && rest[0] == '\r' && rest[1] == '\n';
    rest.remove_prefix(crLf ? 2 : 1);
}

std::string_view TakeQuoted(std::string_view& rest)
{
    const std::size_t end = std::min(rest.find_first_of("\"\r\n", 1), rest.size());
    const std::string_view field = rest.substr(1, end - 1);
    rest.remove_prefix(end);
    if (!rest.empty() && rest.front() == '"')
        rest.remove_prefix(SeparatorPosition(rest));
    return field;
}

std::string_view TakeUnquoted(std::string_view& rest)
{
    const std::size_t end = SeparatorPosition(rest);
    std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end);
    while (!field.empty() && IsBlank(field.back()))
        field.remove_suffix(1);
    return field;
}

// A number as its significant digits and a power of ten: digits x 10^scale.
struct Decimal
{
    bool negative = false;
    std::string digits; // no leading zeros; empty for zero
    std::int64_t scale = 0;
};

std::int64_t Exponent(std::string_view text)
{
    if (text.empty() || std::string_view("EeDd").find(text.front()) == std::string_view::npos)
        return 0;
    std::size_t i = 1;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min(value * 10 + (text[i] - '0'), ExponentLimit);
    return negative ? -value : value;
}

Decimal LeadingDecimal(std::string_view text)
{
    SkipBlanks(text);
    Decimal number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number.negative = text[i++] == '-';
    bool point = false;
    bool anyDigit = false;
    for (; i < text.size() && (IsDigit(text[i]) || (text[i] == '.' && !point)); ++i) {
        point = point || text[i] == '.';
        if (text[i] == '.')
            continue;
        anyDigit = true;
        number.digits += text[i];
        number.scale -= point ? 1 : 0;
    }
    if (!anyDigit)
        return {};
    number.scale += Exponent(text.substr(i));
    number.digits.erase(0, std::min(number.digits.find_first_not_of('0'), number.digits.size()));
    return number;
}

bool AddDigit(std::uint64_t& value, int digit, std::uint64_t limit)
{
    if (value > limit / 10)
        return false;
    value *= 10;
    if (static_cast<std::uint64_t>(digit) > limit - value)
        return false;
    value += static_cast<std::uint64_t>(digit);
    return true;
}

// Whether the digits after the first `whole` ones carry the whole part up:
// above a half, or exactly a half onto an odd number.
bool RoundsUp(const std::string& digits, std::int64_t whole, std::uint64_t wholePart)
{
    if (whole < 0 || whole >= static_cast<std::int64_t>(digits.size()))
        return false;
    const std::size_t first = static_cast<std::size_t>(whole);
    const int next = digits[first] - '0';
    const bool beyondHalf = digits.find_first_not_of('0', first + 1) != std::string::npos;
    return next > 5 || (next == 5 && (beyondHalf || wholePart % 2 == 1));
}

// The number times 10^shift, rounded to a whole, within -negativeLimit..positiveLimit.
std::optional<std::int64_t> RoundToWhole(const Decimal& number, int shift, std::uint64_t negativeLimit,
                                         std::uint64_t positiveLimit)
{
    if (number.digits.empty())
        return 0;
    const std::uint64_t limit = number.negative ? negativeLimit : positiveLimit;
    const std::int64_t size = static_cast<std::int64_t>(number.digits.size());
    const std::int64_t whole = size + number.scale + shift; // digits before the point
    std::uint64_t magnitude = 0;
    for (std::int64_t i = 0; i < whole; ++i)
        if (!AddDigit(magnitude, i < size ? number.digits[static_cast<std::size_t>(i)] - '0' : 0, limit))
            return std::nullopt;
    if (RoundsUp(number.digits, whole, magnitude)) {
        if (magnitude == limit)
            return std::nullopt;
        ++magnitude;
    }
    return static_cast<std::int64_t>(number.negative ? 0 - magnitude : magnitude);
}

} // namespace

std::optional<std::string_view> RecordReader::nextText()
{
    SkipBlanks(m_rest);
    if (m_rest.empty()) {
        m_problem = Problem::TooFewFields;
        return std::nullopt;
    }
    const std::string_view field = m_rest.front() == '"' ? TakeQuoted(m_rest) : TakeUnquoted(m_rest);
    SkipSeparator(m_rest);
    m_problem = Problem::None;
    return field;
}

std::optional<std::int64_t> RecordReader::nextWhole(std::int64_t min, std::int64_t max)
{
    const auto field = nextText();
    if (!field)
        return std::nullopt;
    const auto value =
        RoundToWhole(LeadingDecimal(*field), 0, 0 - static_cast<std::uint64_t>(min), static_cast<std::uint64_t>(max));
    if (!value)
        m_problem = Problem::OutOfRange;
    return value;
}

std::string RecordReader::describeProblem(std::string_view field) const
{
    return m_problem == Problem::TooFewFields ? "Too few fields" : std::string(field) + " out of range";
}

std::optional<Currency> RecordReader::nextCurrency()
{
    const auto field = nextText();
    if (!field)
        return std::nullopt;
    constexpr int unitDigits = 4; // Currency counts ten-thousandths
    const auto units = RoundToWhole(LeadingDecimal(*field), unitDigits, std::uint64_t{1} << 63, INT64_MAX);
    if (!units) {
        m_problem = Problem::OutOfRange;
        return std::nullopt;
    }
    return Currency::FromUnits(*units);
}
