#pragma once

#include "engine/Currency.h"

// The user's settings: the two reference wages the advanced window offers and
// the three start-up switches. Before any are read, the wages are 0 and the
// switches off.
struct Settings
{
    Currency MinimumWage;
    Currency DreamWage;
    bool MinimizeOnStartup = false;
    bool StartInAdvancedMode = false;
    bool SavePositionOnExit = false;

    // What Restore Defaults fills in and a first start writes.
    static constexpr Settings defaults()
    {
        return {Currency::fromUnits(67'500), Currency::fromUnits(455'000), false, false, true};
    }

    friend bool operator==(const Settings&, const Settings&) = default;
};
