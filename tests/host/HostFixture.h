#pragma once

#include "fakes/FakeAwaySource.h"
#include "fakes/FakeLoginStart.h"
#include "fakes/FakePrompt.h"
#include "fakes/RecordingNotifier.h"
#include "fakes/ManualClock.h"
#include "fakes/ManualWallClock.h"
#include "fakes/RecordingClipboard.h"
#include "fakes/FakeProgramFacts.h"
#include "fakes/RecordingShellOpen.h"
#include "host/Host.h"
#include "fakes/FakeTrayIcon.h"
#include "platform/tray/SysTray.h"
#include "fakes/FakeFileSystem.h"
#include "ui/advanced/AdvancedWindow.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// A host over stand-ins: files in memory in an installed copy's folder, a clock moved only by
// hand, a quit that only counts. A test whose rows each need a fresh host makes one per row.
struct HostWorld
{
    // The boxes read numbers the C way unless a test gives another desktop's locale.
    explicit HostWorld(DesktopTraits desktop = {}, QLocale numbers = QLocale::c()) : desktop(desktop), numbers(numbers)
    {}

    static constexpr const char* Folder = "/home/user/.local/share/Earnmeter";
    static constexpr const char* DefaultConfig = "\"v2.5\",6.75,45.5,0,0,-1\r\n";
    static constexpr const char* DefaultSaved = "4425,3930,4425,2625\r\n";
    static constexpr const char* Missing = "(missing)";
    static constexpr const char* SaveQuestion =
        "(!) Save Earnmeter Progress: Do you want to save your elapsed time? [Yes/No/Cancel]";

    static std::string path(std::string_view name) { return pathInFolder(Folder, name); }
    std::string file(std::string_view name) const
    {
        return files.exists(path(name)) ? files.content(path(name)) : Missing;
    }
    // Every message asked so far, each as one line: "(!) Caption: text [Yes/No/Cancel]".
    std::vector<std::string> asked() const
    {
        static const char* const icons[] = {"", "(x) ", "(?) ", "(!) ", "(i) "};
        static const char* const buttons[] = {"", " [Yes/No]", " [Yes/No/Cancel]", ""};
        std::vector<std::string> lines;
        for (const Message& m : prompt.asked()) {
            std::string choices;
            for (const std::string& choice : m.choices)
                choices += (choices.empty() ? " [" : "/") + choice;
            lines.push_back(icons[int(m.icon)] + m.caption + ": " + m.text + buttons[int(m.buttons)] +
                            (choices.empty() ? "" : choices + "]"));
        }
        return lines;
    }

    // Starts over the three files as an earlier run left them.
    void startWith(std::string config = DefaultConfig, std::string saved = DefaultSaved, std::string prev = "0\r\n")
    {
        files.put(path("Config.ewg"), std::move(config));
        files.put(path("Saved.ewg"), std::move(saved));
        files.put(path("Prev.ewg"), std::move(prev));
        ASSERT_TRUE(host.start());
    }
    void tick(int seconds = 1) { clock.advanceSeconds(seconds); }
    // Seconds as they pass: the wall clock and the ticks together, each followed by what it queued.
    void elapse(int seconds)
    {
        for (int i = 0; i < seconds; ++i) {
            wallClock.advance(1);
            tick();
            QCoreApplication::processEvents();
        }
    }
    // The user picks an item from the tray's own menu; the tray reports it queued.
    void pick(int item)
    {
        panel.menu->actions().at(item)->trigger();
        QCoreApplication::processEvents();
    }
    template <typename T = QWidget> static T& control(QWidget& window, const char* name)
    {
        if (T* found = window.findChild<T*>(QString::fromLatin1(name)))
            return *found;
        throw std::runtime_error(std::string("no ") + name + " in " + window.objectName().toStdString());
    }

    ManualClock clock;
    ManualTicker& runTick = clock.addTicker();
    ManualTicker& blinkTick = clock.addTicker();
    FakePrompt prompt; // answers from a queue
    RecordingClipboard clipboard;
    RecordingShellOpen shell;
    FakeProgramFacts facts;
    TrayPanel panel;
    FakeFileSystem files;
    // The history goes nowhere unless a test gives it a file.
    std::function<HistoryOpenResult()> openHistory = [] {
        return HistoryOpenResult{nullptr, {}};
    };
    ManualWallClock wallClock{ManualWallClock::at(Date::parse("2026-03-02").value(), 9, 0, 0)};
    int quitCalls = 0;
    DesktopTraits desktop;
    QLocale numbers;
    RecordingNotifier notifier;
    FakeLoginStart loginStart;
    FakeAwaySource awaySource;
    Host host{{prompt,
               clipboard,
               shell,
               facts,
               files,
               runTick,
               blinkTick,
               wallClock,
               notifier,
               loginStart,
               awaySource,
               Folder,
               facts.programFolder,
               [this] { return std::make_unique<SysTray>(std::make_unique<FakeTrayIcon>(panel), "Earnmeter"); },
               [this] { ++quitCalls; },
               [](const std::string&) {},
               [this] { return openHistory(); },
               [](QWidget*, const std::string&) { return std::optional<std::string>(); },
               desktop,
               numbers}};
};

class HostFixture : public testing::Test, public HostWorld
{
protected:
    explicit HostFixture(QLocale numbers = QLocale::c()) : HostWorld({}, numbers) {}
};
