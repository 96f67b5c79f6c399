#include "ui/common/Cursors.h"

#include "ui/resources/Pixels.h"

#include <QPixmap>

namespace Cursors {
QCursor hand()
{
    return QCursor(QPixmap::fromImage(Pixels::cursorHand.image()), 12, 1);
}

QCursor ibeam()
{
    return QCursor(QPixmap::fromImage(Pixels::cursorIbeam.image()), 6, 25);
}
} // namespace Cursors
