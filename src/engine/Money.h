#pragma once

#include "engine/Currency.h"

#include <span>
#include <string>
#include <string_view>

// A currency the user may choose by its ISO 4217 code. Qt knows the symbol of a
// locale's own currency only, so the program keeps the others' symbols itself.
struct IsoCurrency
{
    std::string_view code;   // "EUR"
    std::string_view symbol; // "€"
    int digits = 2;          // the decimals it is written with: 0 for JPY
};

// The currencies offered, in the order the Preferences window lists them.
std::span<const IsoCurrency> isoCurrencies();
// The currency of a code in any case ("eur"); nothing for a code not offered.
const IsoCurrency* findIsoCurrency(std::string_view code);

// The currency preference besides the codes: dollars as the program always
// showed them (the tray in the regional format), or the region's own currency.
constexpr std::string_view DollarChoice = "$";
constexpr std::string_view LocaleChoice = "locale";

// The amount to whole units of the currency's last decimal, halves away from
// zero: the ten-thousandths stay in the figures, only the display rounds.
Currency roundedToDigits(Currency amount, int digits);

// How money is written where the user reads it. This one writes dollars as
// the program always has; the desktop program swaps in the chosen currency.
class MoneyFormat
{
public:
    virtual ~MoneyFormat() = default;
    // The windows' totals, the status and History: "$12.50", "$(2.50)".
    virtual std::string amount(Currency value) const;
    // The advanced window's current-wage label: "12.50", "(2.50)".
    virtual std::string plainAmount(Currency value) const;
    // A configured rate in the option captions: "($1,234.50)/hr", "-($2.00)/hr".
    virtual std::string rate(Currency value) const;
};

// The dollars every part uses until told otherwise.
const MoneyFormat& dollarMoney();
