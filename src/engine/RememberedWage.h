#pragma once

#include "engine/PayPeriod.h"
#include "engine/WageTypes.h"

#include <string>

// The wage boxes as the user left them, carried into the next run: each
// working window's box exactly as shown, and the advanced window's wage type
// and pay period.
struct RememberedWage
{
    std::string mainEntry = "0.00";
    WageType type = WageType::MyWage;
    std::string advancedEntry = "0.00";
    PayPeriod period = PayPeriod::Hourly;

    friend bool operator==(const RememberedWage&, const RememberedWage&) = default;
};
