#pragma once

#include "engine/Currency.h"

#include <array>
#include <string_view>

// The pay periods the advanced window offers, in the order it lists them.
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

// The hours a pay period is converted on: by default 8 hours a day and 5 days
// a week, so 40 hours a week, 80 a fortnight and 2080 a year (52 weeks).
struct WorkingWeek
{
    double hoursPerDay = 8;
    int daysPerWeek = 5;

    double hoursPerYear() const { return 52.0 * daysPerWeek * hoursPerDay; }
    friend bool operator==(const WorkingWeek&, const WorkingWeek&) = default;
};

// "Hourly", "Weekly", "Bi-Weekly", "Semi-Monthly", "Monthly", "Annually".
std::string_view displayName(PayPeriod period);

// The hourly rate for an amount per period: the exact money product first, then
// one division in double precision by the hours the product pays for, rounded
// half to even. A product beyond the money range is an overflow failure.
CurrencyResult hourlyRateFor(Currency amount, PayPeriod period, WorkingWeek week = {});

// The largest amount in whole cents whose conversion for the period still fits
// the money range: what a user is told to stay within.
Currency largestAmountFor(PayPeriod period, WorkingWeek week = {});
