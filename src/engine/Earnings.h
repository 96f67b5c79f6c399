#pragma once

#include "engine/Currency.h"

#include <cstdint>

// The total for a whole count at a rate: the rate divided by 3600 first, then
// multiplied by the count in double precision, then rounded half to even at the
// fourth decimal. Never a running sum, so a changed rate reprices the whole
// count. A total beyond the money range is held at its largest amount.
Currency totalEarnedFor(Currency hourlyWage, std::int32_t elapsedSeconds);
