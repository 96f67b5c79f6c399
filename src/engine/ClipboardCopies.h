#pragma once

#include "engine/Clipboard.h"
#include "engine/Currency.h"

#include <cstdint>

// "01:30:00": the elapsed time as the windows show it.
void CopyElapsedToClipboard(std::int32_t elapsedSeconds, Clipboard& clipboard);
// "12.35": the total of the last tick, without a dollar sign.
void CopyWageToClipboard(Currency totalEarned, Clipboard& clipboard);
