#include "engine/PayPeriod.h"

namespace {

CurrencyResult divide(CurrencyResult product, double divisor)
{
    if (!product.ok())
        return product;
    return CurrencyFromDouble(CurrencyAsDouble(product.value) / divisor);
}

} // namespace

std::string_view displayName(PayPeriod period)
{
    constexpr std::array<std::string_view, PayPeriods.size()> names = {"Hourly",       "Weekly",  "Bi-Weekly",
                                                                       "Semi-Monthly", "Monthly", "Annually"};
    return names.at(static_cast<std::size_t>(period));
}

CurrencyResult hourlyRateFor(Currency amount, PayPeriod period, WorkingWeek week)
{
    const double year = week.hoursPerYear();
    switch (period) {
    case PayPeriod::Hourly:
        return {amount};
    case PayPeriod::Weekly:
        return divide(currencyMultiply(amount, 52), year);
    case PayPeriod::BiWeekly:
        return divide({amount}, 2.0 * week.daysPerWeek * week.hoursPerDay);
    case PayPeriod::SemiMonthly: {
        const CurrencyResult twice = currencyMultiply(amount, 2);
        return divide(twice.ok() ? currencyMultiply(twice.value, 12) : twice, year);
    }
    case PayPeriod::Monthly:
        return divide(currencyMultiply(amount, 12), year);
    case PayPeriod::Annually:
        return divide({amount}, year);
    }
    return {amount};
}

Currency largestAmountFor(PayPeriod period, WorkingWeek week)
{
    // Overflow only grows with the amount, so the last cent that converts is found by halving.
    constexpr std::int64_t unitsPerCent = Currency::UnitsPerDollar / 100;
    std::int64_t fits = 0;
    std::int64_t overflows = Currency::max().units / unitsPerCent + 1;
    while (overflows - fits > 1) {
        const std::int64_t middle = fits + (overflows - fits) / 2;
        const bool ok = hourlyRateFor(Currency::fromUnits(middle * unitsPerCent), period, week).ok();
        (ok ? fits : overflows) = middle;
    }
    return Currency::fromUnits(fits * unitsPerCent);
}
