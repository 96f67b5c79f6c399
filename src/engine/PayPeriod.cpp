#include "engine/PayPeriod.h"

namespace {

CurrencyResult Divide(CurrencyResult product, double divisor)
{
    if (!product.ok())
        return product;
    return CurrencyFromDouble(CurrencyAsDouble(product.value) / divisor);
}

} // namespace

CurrencyResult HourlyRateFor(Currency amount, std::string_view period)
{
    if (period == "Weekly")
        return Divide(CurrencyMultiply(amount, 52), 2080.0);
    if (period == "Bi-Weekly")
        return Divide({amount}, 80.0);
    if (period == "Semi-Monthly") {
        const CurrencyResult twice = CurrencyMultiply(amount, 2);
        return Divide(twice.ok() ? CurrencyMultiply(twice.value, 12) : twice, 2080.0);
    }
    if (period == "Monthly")
        return Divide(CurrencyMultiply(amount, 12), 2080.0);
    if (period == "Annually")
        return Divide({amount}, 2080.0);
    return {amount};
}
