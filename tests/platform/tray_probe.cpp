// Puts a tray icon with a small menu up and keeps it there until killed or
// until an item is chosen, for the checks under Xvfb. It answers the icon the
// way the program does (right button: ShowMenu) and prints every event.
#include "platform/tray/SysTray.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

namespace {
void Print(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void ConnectReports(SysTray& tray)
{
    QObject::connect(&tray, &SysTray::availabilityChanged, &tray,
                     [](bool available) { Print(QStringLiteral("available %1").arg(available ? 1 : 0)); });
    QObject::connect(&tray, &SysTray::SysTrayMouseDown, &tray, [&tray](int button) {
        Print(QStringLiteral("down %1").arg(button));
        if (button == SysTray::RightButton)
            tray.ShowMenu();
    });
    QObject::connect(&tray, &SysTray::SysTrayDoubleClick, &tray,
                     [](int button) { Print(QStringLiteral("double %1").arg(button)); });
    QObject::connect(&tray, &SysTray::MenuClick, &tray, [](int index, const QString& key) {
        Print(QStringLiteral("menu %1 %2").arg(index).arg(key));
        QCoreApplication::quit();
    });
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::darkGreen);
    QApplication::setWindowIcon(QIcon(pixmap));

    SysTray tray(QStringLiteral("Earnmeter: How much money did you make today?"));
    ConnectReports(tray);
    tray.AddMenuItem(QStringLiteral("&Open Earnmeter..."), QStringLiteral("open"), true);
    tray.AddMenuItem(QStringLiteral("-"));
    tray.AddMenuItem(QStringLiteral("E&xit"), QStringLiteral("close"));
    tray.setToolTip(QStringLiteral("Earnmeter"));
    Print(QStringLiteral("available %1").arg(tray.available() ? 1 : 0));
    return app.exec();
}
