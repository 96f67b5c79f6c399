#include "engine/Decimal.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

// Beyond any power of ten a number here could need; holding an exponent within
// it keeps the arithmetic on scales far from overflowing.
constexpr std::int64_t ExponentLimit = 100'000'000;
// No whole number with more digits fits 64 bits.
constexpr std::int64_t MaxWholeDigits = 20;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Walks a text one character at a time, passing over blanks wherever they
// stand when asked to, as a wage box's reading does.
class Scanner final
{
public:
    Scanner(std::string_view text, bool skipBlanks) : m_text(text), m_skipBlanks(skipBlanks) {}

    char peek()
    {
        while (m_skipBlanks && m_at < m_text.size() && isBlank(m_text[m_at]))
            ++m_at;
        return m_at < m_text.size() ? m_text[m_at] : '\0';
    }
    bool take(std::string_view any)
    {
        const char c = peek();
        const bool taken = c != '\0' && any.find(c) != std::string_view::npos;
        m_at += taken ? 1 : 0;
        return taken;
    }
    bool atEnd() { return peek() == '\0'; }

private:
    std::string_view m_text;
    bool m_skipBlanks;
    std::size_t m_at = 0;
};

// Digits with at most one point; false when there is no digit at all.
bool scanMantissa(Scanner& in, Decimal& number)
{
    if (const char sign = in.peek(); in.take("+-"))
        number.negative = sign == '-';
    bool point = false;
    bool anyDigit = false;
    for (char c = in.peek(); isDigit(c) || (c == '.' && !point); c = in.peek()) {
        in.take(std::string_view(&c, 1));
        point = point || c == '.';
        anyDigit = anyDigit || c != '.';
        if (c != '.')
            number.digits += c;
        number.scale -= point && c != '.' ? 1 : 0;
    }
    return anyDigit;
}

// "E" or "D", an optional sign and digits; a marker without digits is no exponent.
std::int64_t scanExponent(Scanner& in)
{
    if (!in.take("EeDd"))
        return 0;
    const bool negative = in.peek() == '-';
    in.take("+-");
    std::int64_t value = 0;
    for (char c = in.peek(); isDigit(c); c = in.peek()) {
        in.take(std::string_view(&c, 1));
        value = std::min(value * 10 + (c - '0'), ExponentLimit);
    }
    return negative ? -value : value;
}

void dropLeadingZeros(Decimal& number)
{
    number.digits.erase(0, std::min(number.digits.find_first_not_of('0'), number.digits.size()));
}

Decimal scanLeading(Scanner& in)
{
    Decimal number;
    if (!scanMantissa(in, number))
        return {};
    number.scale += scanExponent(in);
    dropLeadingZeros(number);
    return number;
}

// Whether the digits from `from` on carry the kept digits up.
bool roundsUp(const std::string& digits, std::int64_t from, bool lastKeptOdd, Rounding rounding)
{
    if (from < 0 || from >= static_cast<std::int64_t>(digits.size()))
        return false;
    const auto first = static_cast<std::size_t>(from);
    if (digits[first] != '5')
        return digits[first] > '5';
    const bool beyondHalf = digits.find_first_not_of('0', first + 1) != std::string::npos;
    return beyondHalf || rounding == Rounding::HalfAwayFromZero || lastKeptOdd;
}

void increment(std::string& digits)
{
    auto i = digits.size();
    while (i > 0 && digits[i - 1] == '9')
        digits[--i] = '0';
    if (i == 0)
        digits.insert(0, "1");
    else
        ++digits[i - 1];
}

bool addDigit(std::uint64_t& value, char digit, std::uint64_t limit)
{
    const auto d = static_cast<std::uint64_t>(digit - '0');
    if (value > limit / 10 || d > limit - value * 10)
        return false;
    value = value * 10 + d;
    return true;
}

} // namespace

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

Decimal Decimal::fromUnits(std::int64_t units, int places)
{
    const auto magnitude = units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    return {units < 0, magnitude == 0 ? std::string() : std::to_string(magnitude), -places};
}

std::string roundedDigits(const Decimal& number, int places, Rounding rounding)
{
    const std::int64_t kept = number.wholeDigits() + places;
    if (number.digits.empty() || kept < 0)
        return "0";
    const auto size = static_cast<std::int64_t>(number.digits.size());
    std::string digits = number.digits.substr(0, static_cast<std::size_t>(std::min(kept, size)));
    digits.append(static_cast<std::size_t>(std::max<std::int64_t>(kept - size, 0)), '0');
    const bool lastOdd = !digits.empty() && (digits.back() - '0') % 2 == 1;
    if (roundsUp(number.digits, kept, lastOdd, rounding))
        increment(digits);
    return digits.empty() ? "0" : digits;
}

std::optional<std::int64_t> roundedWhole(const Decimal& number, int places, Rounding rounding,
                                         std::uint64_t negativeLimit, std::uint64_t positiveLimit)
{
    if (!number.digits.empty() && number.wholeDigits() + places > MaxWholeDigits)
        return std::nullopt;
    const std::uint64_t limit = number.negative ? negativeLimit : positiveLimit;
    std::uint64_t magnitude = 0;
    for (char digit : roundedDigits(number, places, rounding))
        if (!addDigit(magnitude, digit, limit))
            return std::nullopt;
    return static_cast<std::int64_t>(number.negative ? 0 - magnitude : magnitude);
}

double toDouble(const Decimal& number)
{
    if (number.digits.empty())
        return 0.0;
    const std::string text = number.digits + "e" + std::to_string(number.scale);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = number.wholeDigits() > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return number.negative ? -value : value;
}

Decimal readLeadingDecimal(std::string_view text)
{
    Scanner in(text, true);
    return scanLeading(in);
}

Decimal readFieldDecimal(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    Scanner in(text, false);
    return scanLeading(in);
}

std::optional<Decimal> readPlainDecimal(std::string_view text)
{
    Scanner in(trimBlanks(text), false);
    Decimal number;
    if (!scanMantissa(in, number) || !in.atEnd())
        return std::nullopt;
    dropLeadingZeros(number);
    return number;
}
