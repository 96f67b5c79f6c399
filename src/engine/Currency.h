#pragma once

#include "engine/Decimal.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Money as a fixed-point count of ten-thousandths of a dollar, so that sums and
// stored values never pick up binary rounding noise.
struct Currency
{
    static constexpr std::int64_t UnitsPerDollar = 10000;

    std::int64_t units = 0;

    static constexpr Currency fromUnits(std::int64_t u) { return Currency{u}; }
    static constexpr Currency max() { return Currency{INT64_MAX}; }
    static constexpr Currency min() { return Currency{INT64_MIN}; }

    friend constexpr auto operator<=>(Currency, Currency) = default;
};

enum class CurrencyError
{
    None,
    InvalidNumber,
    Overflow,
    FloatingPoint,
};

struct CurrencyResult
{
    Currency value;
    CurrencyError error = CurrencyError::None;

    bool ok() const { return error == CurrencyError::None; }
};

// x * 10000 rounded to the nearest unit, an exact half to the even neighbour.
CurrencyResult CurrencyFromDouble(double x);
double CurrencyAsDouble(Currency c);

// Strict: the whole text must be a plain decimal number (blanks around it, an
// optional sign, digits with an optional point and fraction). Rounded exactly
// in decimal, halves to even, so "0.00005" does not depend on binary noise.
CurrencyResult CurrencyFromText(std::string_view text);

// A decimal number as ten-thousandths, halves to even; nothing beyond the range.
std::optional<std::int64_t> toUnits(const Decimal& number);

// "12.5", "12", "-0.5", "0.0125": no trailing zeros, no point for whole amounts.
std::string CurrencyText(Currency c);

// Lenient reading of a typed number as a double (ReadLeadingDecimal): "$12"
// gives 0, "7,50" gives 7. Beyond the double range it gives +/-infinity.
double LeadingNumber(std::string_view text);

// A product of an amount and a whole multiplier, exact or an overflow.
CurrencyResult currencyMultiply(Currency c, std::int64_t factor);
