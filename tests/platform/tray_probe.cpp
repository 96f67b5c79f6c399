// Puts a tray icon with a small menu up and keeps it there until killed or
// until an item is chosen, for the checks under Xvfb. It answers the icon the
// way the program does (right button: ShowMenu) and prints every event.
#include "platform/tray/SysTray.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each event reaches the script as it happens
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::darkGreen);
    QApplication::setWindowIcon(QIcon(pixmap));
    SysTray tray("Earnmeter: How much money did you make today?");
    const auto say = [](const QString& what, auto value) {
        std::puts(qPrintable(what.arg(value)));
    };
    // The program asks only when a window closes; the probe looks every second to report a late tray.
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &tray, [&, last = -1]() mutable {
        if (const int now = tray.available() ? 1 : 0; now != last)
            say("available %1", last = now);
    });
    look.start(1000);
    QObject::connect(&tray, &SysTray::SysTrayDoubleClick, &tray, [&](int button) { say("double %1", button); });
    QObject::connect(&tray, &SysTray::SysTrayMouseDown, &tray, [&](int button) {
        say("down %1", button);
        if (button == SysTray::RightButton)
            tray.ShowMenu();
    });
    QObject::connect(&tray, &SysTray::MenuClick, &tray, [&](int index, const QString& key) {
        say(QString("menu %1 %2").arg(index), key);
        QCoreApplication::quit();
    });
    tray.AddMenuItem("&Open Earnmeter...", "open", true);
    tray.AddMenuItem("-");
    tray.AddMenuItem("E&xit", "close");
    return app.exec();
}
