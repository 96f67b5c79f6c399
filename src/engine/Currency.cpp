#include "engine/Currency.h"

#include <cmath>

CurrencyResult CurrencyFromDouble(double x)
{
    if (std::isnan(x))
        return {{}, CurrencyError::FloatingPoint};
    // nearbyint rounds in the default mode, which is to nearest with ties to even.
    const double scaled = std::nearbyint(x * static_cast<double>(Currency::UnitsPerDollar));
    constexpr double limit = 9223372036854775808.0; // 2^63, exact in a double
    if (!(scaled >= -limit && scaled < limit))
        return {{}, CurrencyError::Overflow};
    return {Currency::fromUnits(static_cast<std::int64_t>(scaled)), CurrencyError::None};
}

double CurrencyAsDouble(Currency c)
{
    return static_cast<double>(c.units) / static_cast<double>(Currency::UnitsPerDollar);
}

CurrencyResult CurrencyFromText(std::string_view text)
{
    const std::optional<Decimal> number = readPlainDecimal(text);
    if (!number)
        return {{}, CurrencyError::InvalidNumber};
    const std::optional<std::int64_t> units = toUnits(*number);
    if (!units)
        return {{}, CurrencyError::Overflow};
    return {Currency::fromUnits(*units), CurrencyError::None};
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
    return toDouble(readLeadingDecimal(text));
}

std::optional<std::int64_t> toUnits(const Decimal& number)
{
    constexpr int places = 4; // ten-thousandths
    return roundedWhole(number, places, Rounding::HalfToEven, std::uint64_t{1} << 63, INT64_MAX);
}

CurrencyResult currencyMultiply(Currency c, std::int64_t factor)
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(c.units, factor, &product))
        return {{}, CurrencyError::Overflow};
    return {Currency::fromUnits(product), CurrencyError::None};
}
