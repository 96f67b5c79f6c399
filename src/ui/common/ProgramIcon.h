#pragma once

#include <QIcon>

// The bank-building icon of the windows and the tray: one icon, loaded lazily
// at the sizes they draw, so each picture is decoded at most once.
inline QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon sizes;
        for (int size : {16, 22, 24, 32, 48})
            sizes.addFile(QStringLiteral(":/earnmeter/icons/earnmeter-%1.png").arg(size), QSize(size, size));
        return sizes;
    }();
    return icon;
}
