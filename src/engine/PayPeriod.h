#pragma once

#include "engine/Currency.h"

#include <array>
#include <string_view>

// The pay periods the advanced window offers, on the basis of 8 hours a day and
// 5 days a week: 40 hours a week, 80 a fortnight, 2080 a year.
inline constexpr std::array<std::string_view, 6> PayPeriods = {"Hourly",       "Weekly",  "Bi-Weekly",
                                                               "Semi-Monthly", "Monthly", "Annually"};

// The hourly rate for an amount per period: the exact money product first, then
// one division in double precision, rounded half to even. "Hourly" and any
// other text leave the amount as it is. A product beyond the money range is an
// overflow failure.
CurrencyResult HourlyRateFor(Currency amount, std::string_view period);
