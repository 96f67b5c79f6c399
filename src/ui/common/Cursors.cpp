#include "ui/common/Cursors.h"

#include <QPixmap>

namespace Cursors {
QCursor hand()
{
    return QCursor(QPixmap(QStringLiteral(":/earnmeter/cursor-hand.png")), 12, 1);
}

QCursor ibeam()
{
    return QCursor(QPixmap(QStringLiteral(":/earnmeter/cursor-ibeam.png")), 6, 25);
}
} // namespace Cursors
