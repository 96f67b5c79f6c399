#include "engine/Currency.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

std::string_view Trim(std::string_view text)
{
    const auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The magnitude limit for a sign: 2^63 units for negatives, 2^63 - 1 otherwise.
std::uint64_t MagnitudeLimit(bool negative)
{
    return negative ? std::uint64_t{1} << 63 : static_cast<std::uint64_t>(INT64_MAX);
}

bool AddDigit(std::uint64_t& value, int digit, std::uint64_t limit)
{
    if (value > (limit - static_cast<std::uint64_t>(digit)) / 10)
        return false;
    value = value * 10 + static_cast<std::uint64_t>(digit);
    return true;
}

// Whether a number text that a double cannot hold is too large rather than too
// small: the decimal position of its first significant digit plus its exponent.
bool BeyondDoubleRange(std::string_view number)
{
    const std::size_t marker = number.find('e');
    const std::string_view mantissa = number.substr(0, marker);
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return false;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    long long position =
        first < point ? static_cast<long long>(point - first) : -static_cast<long long>(first - point - 1);
    if (marker != std::string_view::npos) {
        std::string_view exponent = number.substr(marker + 1);
        const bool down = !exponent.empty() && exponent.front() == '-';
        if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+'))
            exponent.remove_prefix(1);
        long long magnitude = 0;
        for (char c : exponent)
            magnitude = std::min(magnitude * 10 + (c - '0'), 1'000'000'000LL);
        position += down ? -magnitude : magnitude;
    }
    return position > 0;
}

} // namespace

CurrencyResult CurrencyFromDouble(double x)
{
    if (std::isnan(x))
        return {{}, CurrencyError::FloatingPoint};
    // nearbyint rounds in the default mode, which is to nearest with ties to even.
    const double scaled = std::nearbyint(x * static_cast<double>(Currency::UnitsPerDollar));
    constexpr double limit = 9223372036854775808.0; // 2^63, exact in a double
    if (!(scaled >= -limit && scaled < limit))
        return {{}, CurrencyError::Overflow};
    return {Currency::FromUnits(static_cast<std::int64_t>(scaled)), CurrencyError::None};
}

double CurrencyAsDouble(Currency c)
{
    return static_cast<double>(c.units) / static_cast<double>(Currency::UnitsPerDollar);
}

CurrencyResult CurrencyFromText(std::string_view text)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const auto allDigits = [](std::string_view s) {
        for (char c : s)
            if (!IsDigit(c))
                return false;
        return true;
    };
    if (whole.empty() && fraction.empty())
        return {{}, CurrencyError::InvalidNumber};
    if (!allDigits(whole) || !allDigits(fraction))
        return {{}, CurrencyError::InvalidNumber};

    // Accumulate the magnitude in units, then round on the digits past the fourth decimal.
    const std::uint64_t limit = MagnitudeLimit(negative);
    std::uint64_t magnitude = 0;
    for (char c : whole)
        if (!AddDigit(magnitude, c - '0', limit))
            return {{}, CurrencyError::Overflow};
    for (std::size_t i = 0; i < 4; ++i)
        if (!AddDigit(magnitude, i < fraction.size() ? fraction[i] - '0' : 0, limit))
            return {{}, CurrencyError::Overflow};
    if (fraction.size() > 4) {
        const int next = fraction[4] - '0';
        const bool beyondHalf = fraction.substr(5).find_first_not_of('0') != std::string_view::npos;
        const bool roundUp = next > 5 || (next == 5 && (beyondHalf || magnitude % 2 == 1));
        if (roundUp) {
            if (magnitude == limit)
                return {{}, CurrencyError::Overflow};
            ++magnitude;
        }
    }
    const std::int64_t units =
        negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return {Currency::FromUnits(units), CurrencyError::None};
}

std::string CurrencyText(Currency c)
{
    const bool negative = c.units < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(c.units) : static_cast<std::uint64_t>(c.units);
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / Currency::UnitsPerDollar);
    std::uint64_t fraction = magnitude % Currency::UnitsPerDollar;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        digits.erase(digits.find_last_not_of('0') + 1);
        text += '.' + digits;
    }
    return text;
}

double LeadingNumber(std::string_view text)
{
    // Gather the number's characters in the "C" form that from_chars reads,
    // whatever the process locale says about decimal points.
    std::string number;
    number.reserve(text.size());
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
    };
    const auto peek = [&] {
        skipBlanks();
        return i < text.size() ? text[i] : '\0';
    };
    bool negative = false;
    if (peek() == '+' || peek() == '-') {
        negative = text[i] == '-';
        ++i;
    }
    bool seenPoint = false;
    std::size_t digits = 0;
    for (char c = peek(); IsDigit(c) || (c == '.' && !seenPoint); c = peek()) {
        seenPoint = seenPoint || c == '.';
        digits += IsDigit(c) ? 1 : 0;
        number += c;
        ++i;
    }
    if (digits == 0)
        return 0.0;

    const char marker = peek();
    if (marker == 'e' || marker == 'E' || marker == 'd' || marker == 'D') {
        const std::size_t afterMarker = ++i;
        std::string exponent = "e";
        if (peek() == '+' || peek() == '-')
            exponent += text[i++];
        std::size_t exponentDigits = 0;
        for (char c = peek(); IsDigit(c); c = peek()) {
            exponent += c;
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits > 0)
            number += exponent;
        else
            i = afterMarker;
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = BeyondDoubleRange(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

CurrencyResult CurrencyMultiply(Currency c, std::int64_t factor)
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(c.units, factor, &product))
        return {{}, CurrencyError::Overflow};
    return {Currency::FromUnits(product), CurrencyError::None};
}

std::string CurrencyErrorText(CurrencyError error)
{
    switch (error) {
    case CurrencyError::None:
        return {};
    case CurrencyError::InvalidNumber:
        return "Type mismatch: the amount is not a number. Enter digits with an optional point, such as 6.75.";
    case CurrencyError::Overflow:
        return "Overflow: the amount is too large. Enter an amount below 922,337,203,685,477.58.";
    case CurrencyError::FloatingPoint:
        return "Invalid floating-point operation: the amount cannot be computed.";
    }
    return {};
}
