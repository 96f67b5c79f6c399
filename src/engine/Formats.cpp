#include "engine/Formats.h"

#include "engine/Decimal.h"

#include <cmath>

namespace {

// Two decimals, halves away from zero, on the number's own digits.
std::string roundedCents(const Decimal& number)
{
    return roundedDigits(number, 2, Rounding::HalfAwayFromZero);
}

// "1234.50", or "1,234.50" grouped, from a count of cents written as digits.
std::string centsText(std::string cents, bool grouped)
{
    cents.insert(0, cents.size() < 3 ? 3 - cents.size() : 0, '0');
    std::string whole = cents.substr(0, cents.size() - 2);
    if (grouped)
        for (auto at = static_cast<std::ptrdiff_t>(whole.size()) - 3; at > 0; at -= 3)
            whole.insert(static_cast<std::size_t>(at), ",");
    return whole + "." + cents.substr(cents.size() - 2);
}

// The "0.00" pattern: at least one integer digit, two decimals, a leading "-"
// for a negative amount that does not round to zero.
std::string wageEntryText(const Decimal& number)
{
    const std::string cents = roundedCents(number);
    return (number.negative && cents != "0" ? "-" : "") + centsText(cents, false);
}

} // namespace

std::string FormatElapsed(std::int32_t seconds)
{
    const std::int64_t count = seconds;
    const std::int64_t magnitude = count < 0 ? -count : count;
    const std::int64_t hours = magnitude / 3600;
    const std::int64_t minutes = magnitude % 3600 / 60;
    const std::int64_t secs = magnitude % 60;
    return (count < 0 ? "-" : "") + PadTwo(std::to_string(hours)) + ":" + PadTwo(std::to_string(minutes)) + ":" +
           PadTwo(std::to_string(secs));
}

std::string PadTwo(std::string_view text)
{
    const std::string_view trimmed = trimBlanks(text);
    return (LeadingNumber(trimmed) < 10 ? "0" : "") + std::string(trimmed);
}

std::string FormatMoney(Currency amount)
{
    const std::string text = centsText(roundedCents(Decimal::fromUnits(amount.units, 4)), false);
    return amount.units < 0 ? "(" + text + ")" : text;
}

std::string FormatWageEntry(std::string_view text)
{
    const Decimal number = readLeadingDecimal(text);
    // Only a number beyond the double range could not be shown; callers refuse such a wage first.
    if (!std::isfinite(toDouble(number)))
        return "0.00";
    return wageEntryText(number);
}

std::string FormatWageEntry(Currency amount)
{
    return wageEntryText(Decimal::fromUnits(amount.units, 4));
}

std::string formatGrouped(Currency amount)
{
    const std::string text = centsText(roundedCents(Decimal::fromUnits(amount.units, 4)), true);
    return amount.units < 0 ? "-" + text : text;
}

std::string formatRate(Currency rate)
{
    const std::string text = "($" + centsText(roundedCents(Decimal::fromUnits(rate.units, 4)), true) + ")/hr";
    return rate.units < 0 ? "-" + text : text;
}
