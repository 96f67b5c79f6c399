#include "FloorWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

// The least a window with a menu bar costs: three menus over one label, at the
// one-label floor's size. Sizing the menu bar measures its font before the map,
// which the one-label floor does only after it. Like Earnmeter, the menus stay
// in the window rather than asking the session bus for a global menu.
int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&History..."), QKeySequence(Qt::CTRL | Qt::Key_H), [] {});
    file->addAction(QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X), &app, &QApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("&Copy"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About..."));
    window.setCentralWidget(new QLabel(QStringLiteral("Minimal Qt menu"), &window));
    ShowAsFloorWindow(window, QStringLiteral("Minimal Qt menu"));
    return QApplication::exec();
}
