#include "ui/common/Modality.h"

#include <QWidget>
#include <QWindow>

namespace Modality {
void blockOnly(QWidget& dialog, QWidget* owner)
{
    // Qt takes a change of modality only while the dialog is hidden.
    if (dialog.isVisible())
        return;
    dialog.setWindowModality(Qt::WindowModal);
    // A window-modal dialog blocks the windows it stands over; a dialog without
    // a parent widget is told which one through its native window.
    if (owner == nullptr || dialog.parentWidget() != nullptr)
        return;
    dialog.winId();
    owner->winId();
    dialog.windowHandle()->setTransientParent(owner->windowHandle());
}
} // namespace Modality
