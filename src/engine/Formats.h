#pragma once

#include "engine/Currency.h"

#include <cstdint>
#include <string>
#include <string_view>

// Every number is written with "." whatever the desktop's locale: these texts
// are shown, copied and stored, and must read back the same everywhere.

// Hours, minutes and seconds: 3600 gives "01:00:00", 360000 gives "100:00:00".
// A negative count, which only a damaged file could bring, gets a leading "-".
std::string FormatElapsed(std::int32_t seconds);

// The trimmed number text with a "0" in front when its value is below 10.
std::string PadTwo(std::string_view text);

// Two decimals, halves away from zero, negatives in parentheses: "(2.50)".
std::string FormatMoney(Currency amount);

// The leading number of a typed wage with two decimals, halves away from zero:
// "12.125" gives "12.13", "abc" gives "0.00". A text whose number is beyond the
// double range also gives "0.00"; callers refuse such a wage before they get here.
std::string FormatWageEntry(std::string_view text);
// The same for an amount the program holds, such as the rate in force.
std::string FormatWageEntry(Currency amount);

// An amount with thousands grouped and two decimals: "1,234.50", "-2.00".
std::string formatGrouped(Currency amount);

// A configured rate as the option captions show it: "($1,234.50)/hr", "-($2.00)/hr".
std::string formatRate(Currency rate);
