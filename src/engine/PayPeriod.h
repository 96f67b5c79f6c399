#pragma once

#include "engine/Currency.h"

#include <array>
#include <string_view>

// The pay periods the advanced window offers, in the order it lists them, on
// the basis of 8 hours a day and 5 days a week: 40 hours a week, 80 a
// fortnight, 2080 a year.
enum class PayPeriod
{
    Hourly,
    Weekly,
    BiWeekly,
    SemiMonthly,
    Monthly,
    Annually
};

inline constexpr std::array<PayPeriod, 6> PayPeriods = {PayPeriod::Hourly,   PayPeriod::Weekly,
                                                        PayPeriod::BiWeekly, PayPeriod::SemiMonthly,
                                                        PayPeriod::Monthly,  PayPeriod::Annually};

// "Hourly", "Weekly", "Bi-Weekly", "Semi-Monthly", "Monthly", "Annually".
std::string_view displayName(PayPeriod period);

// The hourly rate for an amount per period: the exact money product first, then
// one division in double precision, rounded half to even. A product beyond the
// money range is an overflow failure.
CurrencyResult hourlyRateFor(Currency amount, PayPeriod period);

// The largest amount in whole cents whose conversion for the period still fits
// the money range: what a user is told to stay within.
Currency largestAmountFor(PayPeriod period);
