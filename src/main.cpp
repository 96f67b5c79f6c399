#include "engine/Version.h"
#include "platform/QtProgramFacts.h"
#include "platform/QtShellOpen.h"
#include "platform/DataFolder.h"
#include "host/Host.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "platform/tray/SysTray.h"
#include "platform/DiskFileSystem.h"
#include "ui/common/ProgramIcon.h"
#include "platform/QtClipboard.h"
#include "platform/QtPrompt.h"
#include "platform/QtTicker.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Earnmeter"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.earnmeter"));
    // Closing a window only hides it; the program ends through Exit alone.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());

    const QString dataFolder = dataFolderForThisProgram();
    SingleInstance instance(dataFolder);
    if (!instance.claim())
        return 0;

    QtPrompt prompt;
    QtClipboard clipboard;
    QtShellOpen shell;
    QtProgramFacts facts;
    DiskFileSystem files;
    QtTicker runTick, blink;
    Host host({prompt, clipboard, shell, facts, files, runTick, blink, dataFolder.toStdString(),
               QCoreApplication::applicationDirPath().toStdString(),
               [] { return std::make_unique<SysTray>(QString::fromLatin1(Version::FileDescription)); },
               [] { QCoreApplication::exit(0); },
               [](const std::string& text) {
                   std::fprintf(stderr, "%s\n", text.c_str());
               }});
    QObject::connect(&instance, &SingleInstance::showRequested, &host, &Host::showLiveWindow);

    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::ending, &host, [&host] {
        host.endSession();
        QCoreApplication::exit(0);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &host, [&host] { host.commitData(); });

    host.sweepStaleFiles();
    if (!host.start())
        return 0;
    return QApplication::exec();
}
