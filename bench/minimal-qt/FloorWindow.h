#pragma once

#include <QLabel>

// Earnmeter's simple window is of a fixed size (menu bar included, at 96 dpi),
// so it is shown without asking its contents for a size; the floor's window is
// the same, or its text layout would move before its map and the two programs
// would not pay for the same things at the same moments.
inline void ShowAsFloorWindow(QLabel& label, const QString& title)
{
    label.setFixedSize(297, 140);
    label.setWindowTitle(title);
    label.show();
}
