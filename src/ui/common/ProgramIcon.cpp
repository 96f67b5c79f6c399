#include "ui/common/ProgramIcon.h"

#include "ui/resources/Pixels.h"

#include <QPixmap>

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon sizes;
        for (const EmbeddedPixels& pixels : {Pixels::programIcon16, Pixels::programIcon22, Pixels::programIcon24,
                                             Pixels::programIcon32, Pixels::programIcon48})
            sizes.addPixmap(QPixmap::fromImage(pixels.image()));
        return sizes;
    }();
    return icon;
}
