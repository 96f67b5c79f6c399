#include "host/Host.h"
#include "ui/common/QtClipboard.h"
#include "ui/common/QtPrompt.h"
#include "ui/common/QtTicker.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Earnmeter"));
    // Closing a window only hides it; the program ends through Exit alone.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPrompt prompt;
    QtClipboard clipboard;
    QtTicker mainTick, advancedTick, blink;
    Host host({prompt, clipboard, mainTick, advancedTick, blink, QCoreApplication::applicationDirPath(), [] {
                   QCoreApplication::exit(0);
               }});
    if (!host.start())
        return 0;
    return QApplication::exec();
}
