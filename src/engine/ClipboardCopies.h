#pragma once

#include "engine/Clipboard.h"
#include "engine/RunState.h"

// "01:30:00": the elapsed time as the windows show it.
void CopyElapsedToClipboard(const RunState& state, Clipboard& clipboard);
// "12.35": the total of the last tick, without a dollar sign.
void CopyWageToClipboard(const RunState& state, Clipboard& clipboard);
