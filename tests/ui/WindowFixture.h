#pragma once

#include "engine/Currency.h"
#include "fakes/FakePrompt.h"
#include "fakes/ManualClock.h"
#include "fakes/RecordingClipboard.h"
#include "help/FakeProgramFacts.h"
#include "help/RecordingShellOpen.h"
#include "host/Host.h"
#include "platform/FakeTrayIcon.h"
#include "platform/tray/SysTray.h"
#include "storage/FakeFileSystem.h"
#include "storage/FileSystem.h"
#include "ui/advanced/AdvancedWindow.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

// Names each row of a table-driven test after the row's own `name`.
struct RowName
{
    template <typename Row> std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};

// Both working windows under a host whose prompt, clipboard, files, tray,
// tickers and quit are stand-ins: a second passes only when a test advances the
// clock. Start-up is left out; the tray is there, so a closed window can hide.
// Texts are read back as std::string so that failures print them.
class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.trayHost().create();
        showLive();
    }
    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    MainWindow& mainWindow() { return host.mainWindow(); }
    AdvancedWindow& advancedWindow() { return host.advancedWindow(); }
    RunState& state() { return host.state(); }
    std::string hourlyWage() { return CurrencyText(state().HourlyWage); }
    std::string dataFile(std::string_view name) { return PathInFolder(DataFolder, name); }
    QMenu& popupMenu() { return control<QMenu>(mainWindow(), "mnuHidden"); }

    template <typename T = QWidget> static T& control(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            throw std::runtime_error(std::string("no ") + name + " in " + window.objectName().toStdString());
        return *found;
    }
    static std::string label(QWidget& window, const char* name)
    {
        return control<QLabel>(window, name).text().toStdString();
    }
    static std::string caption(QWidget& window) { return window.windowTitle().toStdString(); }
    static QLineEdit& wageBox(QWidget& window) { return control<QLineEdit>(window, "txtWage"); }
    static std::string wageText(QWidget& window) { return wageBox(window).text().toStdString(); }
    static bool enabled(QWidget& window, const char* name) { return control(window, name).isEnabled(); }
    static bool struckThrough(QWidget& window) { return control<QLabel>(window, "lblSeconds").font().strikeOut(); }

    void showLive()
    {
        host.showLiveWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host.liveWindow()));
    }

    // The user clicks into the wage box and types over its whole text.
    static void typeWage(QWidget& window, const QString& typed)
    {
        QLineEdit& box = wageBox(window);
        QTest::mouseClick(&box, Qt::LeftButton);
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&box, typed);
    }

    // A key typed wherever the window's focus is.
    static void press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
        QTest::keyClick(target, key, modifiers);
    }

    // A menu shortcut typed while the focus is in the wage box.
    static void pressInWageBox(QWidget& window, Qt::Key key)
    {
        QTest::mouseClick(&wageBox(window), Qt::LeftButton);
        press(window, key, Qt::ControlModifier);
    }

    static void click(QWidget& window, const char* name) { QTest::mouseClick(&control(window, name), Qt::LeftButton); }

    // Options and check boxes take a click only on their mark or caption, which start at the left.
    static void clickNearLeft(QWidget& control, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(&control, button, Qt::NoModifier, QPoint(8, control.height() / 2));
    }
    static void choose(QWidget& window, const char* option) { clickNearLeft(control(window, option)); }
    static void trigger(QWidget& window, const char* action) { control<QAction>(window, action).trigger(); }

    void startMain(const QString& wage)
    {
        typeWage(mainWindow(), wage);
        click(mainWindow(), "cmdStart");
    }

    void tick(int seconds = 1) { clock.advanceSeconds(seconds); }

    // The live window's "Advanced Mode" box; then the other window is the live one.
    void switchMode()
    {
        click(host.liveWindow(), "chkAdvanced");
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host.liveWindow()));
    }

    static constexpr const char* DataFolder = "/home/user/.local/share/Earnmeter";

    ManualClock clock;
    ManualTicker& mainTick = clock.addTicker();
    ManualTicker& advancedTick = clock.addTicker();
    ManualTicker& blinkTick = clock.addTicker();
    FakePrompt prompt;
    RecordingClipboard clipboard;
    RecordingShellOpen shell;
    FakeProgramFacts facts;
    FakeFileSystem files;
    TrayPanel panel;
    int quitCalls = 0;
    Host host{{prompt, clipboard, shell, facts, files, mainTick, advancedTick, blinkTick, DataFolder,
               facts.programFolder,
               [this] { return std::make_unique<SysTray>(std::make_unique<FakeTrayIcon>(panel), "Earnmeter"); },
               [this] {
                   ++quitCalls;
               }}};
};
