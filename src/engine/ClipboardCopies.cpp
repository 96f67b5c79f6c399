#include "engine/ClipboardCopies.h"

#include "engine/Formats.h"

void CopyElapsedToClipboard(const RunState& state, Clipboard& clipboard)
{
    clipboard.setText(FormatElapsed(state.ElapsedSeconds));
}

void CopyWageToClipboard(const RunState& state, Clipboard& clipboard)
{
    clipboard.setText(FormatMoney(state.TotalEarned));
}
