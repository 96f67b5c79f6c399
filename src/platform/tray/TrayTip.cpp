#include "platform/tray/TrayTip.h"

QString trayTip(const QString& text)
{
    qsizetype units = 0;
    for (int characters = 0; characters < TrayTipLength && units < text.size(); ++characters) {
        const bool pair =
            text.at(units).isHighSurrogate() && units + 1 < text.size() && text.at(units + 1).isLowSurrogate();
        units += pair ? 2 : 1;
    }
    return text.left(units);
}
