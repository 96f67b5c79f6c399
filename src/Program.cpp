#include "Program.h"

#include "engine/Version.h"
#include "host/Host.h"
#include "platform/ControlServer.h"
#include "platform/DataFolder.h"
#include "platform/DbusMeter.h"
#include "platform/DiskFileSystem.h"
#include "platform/QtClipboard.h"
#include "platform/QtProgramFacts.h"
#include "platform/QtPrompt.h"
#include "platform/QtShellOpen.h"
#include "platform/QtTicker.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "platform/tray/SysTray.h"
#include "ui/common/ProgramIcon.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <iostream>

namespace {

bool displayNamed()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(name); value && *value)
            return true;
    return false;
}

// Before anything runs: on standard error, and in a box when there is a display to show one.
int failToStart(int argc, char* argv[], const std::string& text)
{
    std::cerr << "earnmeter: " << text << std::endl;
    if (displayNamed()) {
        QApplication app(argc, argv);
        QtPrompt().ask({text, "Error", Message::Buttons::Ok, Message::Icon::Critical});
    }
    return 1;
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Earnmeter"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.earnmeter"));
    // Closing a window only hides it; the program ends through Exit alone.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());
}

void warnUnlocked(Prompt& prompt, const std::string& text)
{
    std::cerr << "earnmeter: " << text << std::endl;
    prompt.ask({text, Version::ProductName, Message::Buttons::Ok, Message::Icon::Exclamation});
}

// Without a channel the meter runs as before; only the command line cannot reach it.
void openChannel(ControlServer& server, const SingleInstance& instance, bool ownsLock)
{
    const std::string problem =
        instance.address().ok() ? server.listen(instance.address().socketPath, ownsLock) : instance.address().problem;
    if (!problem.empty())
        std::cerr << "earnmeter: no control channel for the command line: " << problem << std::endl;
}

int runHost(SingleInstance& instance, SingleInstance::Claim claim, const std::string& dataFolder)
{
    QtPrompt prompt;
    QtClipboard clipboard;
    QtShellOpen shell;
    QtProgramFacts facts;
    DiskFileSystem files;
    QtTicker runTick, blink;
    Host host({prompt, clipboard, shell, facts, files, runTick, blink, dataFolder,
               QCoreApplication::applicationDirPath().toStdString(),
               [] { return std::make_unique<SysTray>(QString::fromLatin1(Version::FileDescription)); },
               [] {
                   QCoreApplication::exit(0);
               }});
    if (claim == SingleInstance::Claim::Unlocked)
        warnUnlocked(prompt, instance.lockProblemText());
    ControlServer server(host.control());
    openChannel(server, instance, claim == SingleInstance::Claim::Ours);

    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::ending, &host, [&host] {
        host.saveCountAtSessionEnd();
        QCoreApplication::exit(0);
    });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &host, [&host] { host.saveCountAtSessionEnd(); });

    if (!host.start())
        return 0;
    // Once the first window is up, so the bus costs the start-up nothing.
    std::unique_ptr<DbusMeter> dbus;
    QTimer::singleShot(0, &host, [&dbus, &host] { dbus = DbusMeter::publish(host.control()); });
    return QApplication::exec();
}

} // namespace

int runProgram(int argc, char* argv[])
{
    const DataFolder folder = dataFolderForThisProgram();
    if (!folder.ok())
        return failToStart(argc, argv, dataFolderProblemText(folder));
    SingleInstance instance(folder.path, controlAddressFor(folder.path));
    const SingleInstance::Claim claim = instance.claim();
    if (claim == SingleInstance::Claim::AnotherCopy)
        return 0;

    QApplication app(argc, argv);
    setUpApplication();
    return runHost(instance, claim, folder.path);
}
