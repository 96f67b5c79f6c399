#include "engine/PayPeriod.h"

namespace {

CurrencyResult Divide(CurrencyResult product, double divisor)
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

CurrencyResult HourlyRateFor(Currency amount, PayPeriod period)
{
    switch (period) {
    case PayPeriod::Hourly:
        return {amount};
    case PayPeriod::Weekly:
        return Divide(CurrencyMultiply(amount, 52), 2080.0);
    case PayPeriod::BiWeekly:
        return Divide({amount}, 80.0);
    case PayPeriod::SemiMonthly: {
        const CurrencyResult twice = CurrencyMultiply(amount, 2);
        return Divide(twice.ok() ? CurrencyMultiply(twice.value, 12) : twice, 2080.0);
    }
    case PayPeriod::Monthly:
        return Divide(CurrencyMultiply(amount, 12), 2080.0);
    case PayPeriod::Annually:
        return Divide({amount}, 2080.0);
    }
    return {amount};
}
