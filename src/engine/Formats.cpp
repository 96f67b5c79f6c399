#include "engine/Formats.h"

#include <charconv>
#include <cmath>

namespace {

std::string_view TrimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::uint64_t Magnitude(std::int64_t value)
{
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

// Cents of a unit count, an exact half cent going away from zero.
std::uint64_t RoundedCents(std::uint64_t units)
{
    return units / 100 + (units % 100 >= 50 ? 1 : 0);
}

std::string CentsText(std::uint64_t cents, bool grouped)
{
    std::string whole = std::to_string(cents / 100);
    if (grouped)
        for (auto at = static_cast<std::ptrdiff_t>(whole.size()) - 3; at > 0; at -= 3)
            whole.insert(static_cast<std::size_t>(at), ",");
    const auto fraction = cents % 100;
    return whole + (fraction < 10 ? ".0" : ".") + std::to_string(fraction);
}

// Rounds a plain decimal text ("12.125") to two places, halves away from zero,
// on its decimal digits, so what the user typed decides, not its binary value.
std::string RoundDecimalText(std::string digits)
{
    auto point = digits.find('.');
    if (point == std::string::npos) {
        point = digits.size();
        digits += '.';
    }
    digits.append(3, '0');
    const bool up = digits[point + 3] >= '5';
    digits.resize(point + 3);
    if (up) {
        std::size_t i = digits.size();
        while (i-- > 0) {
            if (digits[i] == '.')
                continue;
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
            if (i == 0)
                digits.insert(0, "1");
        }
    }
    return digits;
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
    const std::string_view trimmed = TrimSpaces(text);
    return (LeadingNumber(trimmed) < 10 ? "0" : "") + std::string(trimmed);
}

std::string FormatMoney(Currency amount)
{
    const std::string text = CentsText(RoundedCents(Magnitude(amount.units)), false);
    return amount.units < 0 ? "(" + text + ")" : text;
}

std::string FormatWageEntry(std::string_view text)
{
    const double value = LeadingNumber(text);
    if (!std::isfinite(value))
        return "0.00";
    char buffer[400];
    // The shortest fixed form that reads back as the same double: what the user typed.
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    if (error != std::errc{})
        return "0.00";
    const std::string rounded = RoundDecimalText(std::string(buffer, end));
    return value < 0 && rounded != "0.00" ? "-" + rounded : rounded;
}

std::string FormatWageEntry(Currency amount)
{
    return FormatWageEntry(CurrencyText(amount));
}

std::string FormatRate(Currency rate)
{
    const std::string text = "($" + CentsText(RoundedCents(Magnitude(rate.units)), true) + ")/hr";
    return rate.units < 0 ? "-" + text : text;
}
