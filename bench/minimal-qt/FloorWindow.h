#pragma once

#include <QWidget>

// Earnmeter's simple window is of a fixed size (menu bar included, at 96 dpi),
// so it is shown without asking its contents for a size; the floors' windows are
// the same, or their layout would move before the map and the programs would
// not pay for the same things at the same moments.
inline void ShowAsFloorWindow(QWidget& window, const QString& title)
{
    window.setFixedSize(297, 140);
    window.setWindowTitle(title);
    window.show();
}
