#pragma once

#include "engine/AwaySource.h"
#include "engine/Clipboard.h"
#include "engine/Clock.h"
#include "engine/DesktopNotifier.h"
#include "engine/Prompt.h"
#include "engine/Ticker.h"
#include "help/ProgramFacts.h"
#include "help/ShellOpen.h"
#include "host/TrayHost.h"
#include "platform/DesktopTraits.h"
#include "storage/FileSystem.h"
#include "storage/HistoryKeeper.h"
#include "storage/LoginStart.h"
#include "ui/history/HistoryWindow.h"

#include <QLocale>

#include <functional>
#include <string>

// What the host reaches the world through; tests hand in fakes.
struct HostServices
{
    Prompt& prompt;
    Clipboard& clipboard;
    ShellOpen& shell;
    const ProgramFacts& facts;
    FileSystem& files;
    Ticker& runTick;
    Ticker& blink;
    const Clock& clock;        // the date and time the history files each second under
    DesktopNotifier& notifier; // what the working day tells
    LoginStart& loginStart;    // the desktop's start of the program at login
    AwaySource& away;          // what the desktop tells of the user's absence
    std::string dataFolder;    // where the settings and state files live
    std::string programFolder; // where the executable and Readme.html lie
    TrayHost::TrayFactory makeTray;
    std::function<void()> quit; // ends the process; nothing runs after it
    // What no one is there to be asked about, such as a failed save as the
    // session ends: standard error.
    std::function<void(const std::string&)> warn;
    HistoryKeeper::Opener openHistory; // the history file, opened once the first window shows
    HistoryWindow::ChooseFile chooseExportFile;
    DesktopTraits desktop = DesktopTraits::ofThisSession();
    // The desktop's: how money is written in a chosen currency, and how the wage
    // and amount boxes read and show numbers.
    QLocale locale = QLocale::system();
};
