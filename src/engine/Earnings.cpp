#include "engine/Earnings.h"

#include <cmath>

Currency totalEarnedFor(Currency hourlyWage, std::int32_t elapsedSeconds)
{
    const double perSecond = CurrencyAsDouble(hourlyWage) / 3600.0;
    const double total = perSecond * static_cast<double>(elapsedSeconds);
    const CurrencyResult result = CurrencyFromDouble(total);
    if (result.ok())
        return result.value;
    return total < 0 ? Currency::min() : Currency::max();
}
