#include "engine/Money.h"

#include "engine/Formats.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::array<IsoCurrency, 24> Table = {{
    {"EUR", "€"},  {"USD", "$"},   {"GBP", "£"},   {"JPY", "¥", 0}, {"CHF", "CHF"},  {"CAD", "CA$"},
    {"AUD", "A$"}, {"NZD", "NZ$"}, {"CNY", "CN¥"}, {"INR", "₹"},    {"KRW", "₩", 0}, {"SEK", "kr"},
    {"NOK", "kr"}, {"DKK", "kr."}, {"PLN", "zł"},  {"CZK", "Kč"},   {"HUF", "Ft"},   {"RUB", "₽"},
    {"TRY", "₺"},  {"BRL", "R$"},  {"MXN", "MX$"}, {"ZAR", "R"},    {"SGD", "S$"},   {"HKD", "HK$"},
}};

bool sameCode(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

std::span<const IsoCurrency> isoCurrencies()
{
    return Table;
}

const IsoCurrency* findIsoCurrency(std::string_view code)
{
    const auto found =
        std::find_if(Table.begin(), Table.end(), [code](const IsoCurrency& c) { return sameCode(c.code, code); });
    return found == Table.end() ? nullptr : &*found;
}

Currency roundedToDigits(Currency amount, int digits)
{
    std::int64_t step = 1;
    for (int places = std::clamp(digits, 0, 4); places < 4; ++places)
        step *= 10;
    const std::int64_t rest = amount.units % step; // with the amount's sign
    const std::int64_t down = amount.units - rest;
    std::int64_t up = 0;
    // Halves away from zero; at the range's edge, with no further step, down.
    if (2 * (rest < 0 ? -rest : rest) < step || __builtin_add_overflow(down, rest < 0 ? -step : step, &up))
        return Currency::fromUnits(down);
    return Currency::fromUnits(up);
}

std::string MoneyFormat::amount(Currency value) const
{
    return "$" + FormatMoney(value);
}

std::string MoneyFormat::plainAmount(Currency value) const
{
    return FormatMoney(value);
}

std::string MoneyFormat::rate(Currency value) const
{
    return formatRate(value);
}

const MoneyFormat& dollarMoney()
{
    static const MoneyFormat dollars;
    return dollars;
}
