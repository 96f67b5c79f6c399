#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The blanks every reader of typed or stored numbers skips: space, tab, CR, LF.
bool isBlank(char c);
std::string_view trimBlanks(std::string_view text);

// A decimal number exactly as it was written: its significant digits and a
// power of ten, digits x 10^scale. Reading through this instead of a double
// lets the typed digits, not their binary neighbour, decide every rounding.
struct Decimal
{
    bool negative = false;
    std::string digits; // no leading zeros; empty for zero
    std::int64_t scale = 0;

    // How many digits stand before the point; zero or less for a number below 1.
    std::int64_t wholeDigits() const { return static_cast<std::int64_t>(digits.size()) + scale; }

    // A fixed-point count, such as money's ten-thousandths with 4 places.
    static Decimal fromUnits(std::int64_t units, int places);
};

enum class Rounding
{
    HalfToEven,
    HalfAwayFromZero
};

// The magnitude times 10^places, rounded to a whole number, as decimal digits:
// 12.345 at 2 places gives "1235" (half away from zero) or "1234" (half to even).
// The caller keeps wholeDigits() + places within reason.
std::string roundedDigits(const Decimal& number, int places, Rounding rounding);

// The same as a signed whole number, or nothing when its magnitude passes the
// limit for its sign.
std::optional<std::int64_t> roundedWhole(const Decimal& number, int places, Rounding rounding,
                                         std::uint64_t negativeLimit, std::uint64_t positiveLimit);

// The nearest double; beyond the double range, infinity of the number's sign,
// and 0 for a number too small to tell from it.
double toDouble(const Decimal& number);

// The number a wage box starts with: blanks anywhere are skipped; then an
// optional sign, digits with at most one point, and an optional exponent ("E"
// or "D", an optional sign, digits), as far as they reach. "$12" reads as 0,
// "7,50" as 7, " 1 2" as 12.
Decimal readLeadingDecimal(std::string_view text);

// The number a record's field starts with: as above, but blanks count only
// before the number, so "1 2" reads as 1.
Decimal readFieldDecimal(std::string_view text);

// A whole text that is a plain decimal number, blanks around it aside: an
// optional sign and digits with an optional point and fraction; no exponent.
std::optional<Decimal> readPlainDecimal(std::string_view text);
