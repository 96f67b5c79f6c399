#include "engine/ClipboardCopies.h"

#include "engine/Formats.h"

void CopyElapsedToClipboard(std::int32_t elapsedSeconds, Clipboard& clipboard)
{
    clipboard.setText(FormatElapsed(elapsedSeconds));
}

void CopyWageToClipboard(Currency totalEarned, Clipboard& clipboard)
{
    clipboard.setText(FormatMoney(totalEarned));
}
