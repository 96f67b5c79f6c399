#include "storage/HistoryCsv.h"

#include "engine/Formats.h"

#include <cstdint>
#include <string_view>

namespace {

std::uint64_t magnitude(std::int64_t value)
{
    return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

// Seconds as hours in ten-thousandths: s x 10000 / 3600 = s x 25 / 9, half away from zero.
std::string hoursText(std::int64_t seconds)
{
    const unsigned __int128 units = (static_cast<unsigned __int128>(magnitude(seconds)) * 50 + 9) / 18;
    std::string fraction = std::to_string(static_cast<std::uint64_t>(units % 10000));
    fraction.insert(0, 4 - fraction.size(), '0');
    return (seconds < 0 ? "-" : "") + std::to_string(static_cast<std::uint64_t>(units / 10000)) + "." + fraction;
}

// Money with two decimals, a minus sign rather than the window's parentheses.
std::string earnedText(Currency earned)
{
    if (earned.units >= 0)
        return FormatMoney(earned);
    // The range's last unit rounds to the same cent as the one beside it, which can be negated.
    const std::int64_t units = earned == Currency::min() ? earned.units + 1 : earned.units;
    const std::string magnitude = FormatMoney(Currency::fromUnits(-units));
    return magnitude == "0.00" ? magnitude : "-" + magnitude;
}

} // namespace

std::string historyCsv(const std::vector<DayTotal>& days)
{
    std::string csv = "date,seconds,hours,earned\n";
    for (const DayTotal& day : days)
        csv += day.date.text() + "," + std::to_string(day.seconds) + "," + hoursText(day.seconds) + "," +
               earnedText(day.earned) + "\n";
    return csv;
}
