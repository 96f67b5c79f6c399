#include "FloorWindow.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Minimal Qt"));
    ShowAsFloorWindow(label, QStringLiteral("Minimal Qt"));
    return QApplication::exec();
}
