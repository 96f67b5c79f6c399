#include "Program.h"

#include "engine/Version.h"
#include "host/Host.h"
#include "host/Messages.h"
#include "platform/ControlServer.h"
#include "platform/AutostartEntry.h"
#include "platform/DataFolder.h"
#include "platform/DbusMeter.h"
#include "platform/DesktopAwaySource.h"
#include "platform/DesktopNotifications.h"
#include "platform/DiskFileSystem.h"
#include "platform/QtClipboard.h"
#include "platform/QtProgramFacts.h"
#include "platform/QtPrompt.h"
#include "platform/QtShellOpen.h"
#include "platform/QtTicker.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "platform/StandardError.h"
#include "platform/SystemClock.h"
#include "platform/Translations.h"
#include "storage/HistoryStore.h"
#include "platform/tray/SysTray.h"
#include "ui/common/DeferredIconStyle.h"
#include "ui/common/ProgramIcon.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <cstdlib>
#include <optional>

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
    printErrorLine("earnmeter: " + text);
    if (displayNamed()) {
        QApplication app(argc, argv);
        installTranslations(app);
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
    // The user's style (from -style or the desktop), but for one icon read late.
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
}

void warnUnlocked(Host& host, const std::string& text)
{
    printErrorLine("earnmeter: " + text);
    host.tellAtStart(Messages::failure(text));
}

// Without a channel the meter runs as before; only the command line cannot reach it.
// A refused folder is told once in a box: the user may want to know who took it.
void openChannel(ControlServer& server, const ControlAddress& address, bool ownsLock, Host& host)
{
    const std::string problem = address.ok() ? server.listen(address.socketPath, ownsLock) : address.problem;
    if (!problem.empty())
        printErrorLine("earnmeter: no control channel for the command line: " + problem);
    if (address.refused())
        printErrorLine("earnmeter: the control channel in " + address.refusedFolder + " is refused: it " +
                       address.refusal);
    if (address.refusalIsNew) {
        const std::string own = problem.empty() ? address.socketPath.substr(0, address.socketPath.rfind('/')) : "";
        host.tellAtStart(Messages::channelRefused(address.refusedFolder, address.refusal, own, problem));
    }
}

// What the program reaches the world through.
struct Platform
{
    QtPrompt prompt;
    QtClipboard clipboard;
    QtShellOpen shell;
    QtProgramFacts facts;
    DiskFileSystem files;
    QtTicker runTick, blink;
    SystemClock clock;
    DesktopNotifications notifications;
    DesktopAwaySource away;
    AutostartEntry loginStart = AutostartEntry::forThisProgram();
};

std::optional<std::string> chooseExportFile(QWidget* parent, const std::string& suggested)
{
    const QString chosen =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Export the History"), QString::fromStdString(suggested),
                                     QStringLiteral("CSV files (*.csv)"));
    return chosen.isEmpty() ? std::nullopt : std::optional(chosen.toStdString());
}

HostServices servicesOf(Platform& p, const std::string& dataFolder)
{
    return {p.prompt,
            p.clipboard,
            p.shell,
            p.facts,
            p.files,
            p.runTick,
            p.blink,
            p.clock,
            p.notifications,
            p.loginStart,
            p.away,
            dataFolder,
            QCoreApplication::applicationDirPath().toStdString(),
            [] { return std::make_unique<SysTray>(QString::fromLatin1(Version::FileDescription)); },
            [] { QCoreApplication::exit(0); },
            [](const std::string& text) { printErrorLine(text); },
            [&p, history = pathInFolder(dataFolder, HistoryStore::FileName)] {
                return HistoryStore::open(history, HistoryStore::Mode::ReadWrite, p.clock);
            },
            chooseExportFile};
}

// The session's end saves the count once and ends; a logout first asks for the data.
void followTheSession(SessionEnd& sessionEnd, Host& host)
{
    QObject::connect(&sessionEnd, &SessionEnd::ending, &host, [&host] {
        host.endSession();
        QCoreApplication::exit(0);
    });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &host, [&host] { host.commitData(); });
}

int runHost(SingleInstance& instance, SingleInstance::Claim claim, const std::string& dataFolder)
{
    Platform platform;
    Host host(servicesOf(platform, dataFolder));
    if (claim == SingleInstance::Claim::Unlocked)
        warnUnlocked(host, instance.lockProblemText());
    ControlServer server(host.control());
    openChannel(server, controlAddressFor(dataFolder, FolderUse::Make), claim == SingleInstance::Claim::Ours, host);
    SessionEnd sessionEnd;
    followTheSession(sessionEnd, host);
    // Only the copy that holds the lock may take what a write left behind for a crashed copy's.
    if (claim == SingleInstance::Claim::Ours)
        host.sweepStaleFiles();
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
    // Only looked for here: the copy that runs makes (and records) its channel's folder.
    SingleInstance instance(folder.path, controlAddressFor(folder.path, FolderUse::Find));
    const SingleInstance::Claim claim = instance.claim();
    if (claim == SingleInstance::Claim::AnotherCopy)
        return 0;

    // The menu bar stays in the window. Otherwise Qt asks the session bus for a
    // global menu while the window is built, a round trip the window waits for.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    installTranslations(app);
    setUpApplication();
    return runHost(instance, claim, folder.path);
}

int earnmeter_run_program(int argc, char* argv[])
{
    return runProgram(argc, argv);
}
