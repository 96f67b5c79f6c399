#include "engine/Version.h"
#include "platform/QtProgramFacts.h"
#include "platform/QtShellOpen.h"
#include "platform/DataFolder.h"
#include "host/Host.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "platform/tray/SysTray.h"
#include "platform/DiskFileSystem.h"
#include "platform/SystemClock.h"
#include "ui/common/ProgramIcon.h"
#include "platform/QtClipboard.h"
#include "platform/QtPrompt.h"
#include "platform/QtTicker.h"

#include <QApplication>
#include <QFileDialog>

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
    SystemClock clock;
    const std::string historyPath = pathInFolder(dataFolder.toStdString(), HistoryStore::FileName);
    Host host({prompt, clipboard, shell, facts, files, runTick, blink, clock, dataFolder.toStdString(),
               QCoreApplication::applicationDirPath().toStdString(),
               [] { return std::make_unique<SysTray>(QString::fromLatin1(Version::FileDescription)); },
               [] { QCoreApplication::exit(0); },
               [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); },
               [&] { return HistoryStore::open(historyPath, HistoryStore::Mode::ReadWrite, clock); },
               [](QWidget* parent) -> std::optional<std::string> {
                   const QString chosen = QFileDialog::getSaveFileName(parent, QStringLiteral("Export the History"),
                                                                       QStringLiteral("earnmeter-history.csv"),
                                                                       QStringLiteral("CSV files (*.csv)"));
                   return chosen.isEmpty() ? std::nullopt : std::optional(chosen.toStdString());
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
