#include "FloorWindow.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("00:00:00"));
    ShowAsFloorWindow(label, QStringLiteral("Minimal Qt timer"));
    int seconds = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &label, [&label, &seconds] {
        ++seconds;
        const QString elapsed = QStringLiteral("%1:%2:%3")
                                    .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                                    .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                    .arg(seconds % 60, 2, 10, QLatin1Char('0'));
        label.setText(elapsed);
        label.setWindowTitle(elapsed + QStringLiteral(" - Minimal Qt timer"));
    });
    tick.start(1000);
    return QApplication::exec();
}
