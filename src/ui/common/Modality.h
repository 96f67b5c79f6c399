#pragma once

class QWidget;

namespace Modality {
// Makes a dialog modal to the window it belongs to, and to nothing else: an
// application-modal dialog would also block the tray icon's own window (an
// XEMBED tray), leaving no menu to open the program or end it from.
void blockOnly(QWidget& dialog, QWidget* owner);
} // namespace Modality
