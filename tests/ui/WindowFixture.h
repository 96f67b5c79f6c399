#pragma once

#include "host/HostFixture.h"
#include "ui/options/OptionsDialog.h"
#include "ui/preferences/PreferencesDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include <tuple>

// Both working windows of a host started as usual, the live one active.
class WindowFixture : public HostFixture
{
protected:
    explicit WindowFixture(QLocale numbers = QLocale::c()) : HostFixture(numbers) {}
    void SetUp() override
    {
        startWith(config);
        showLive();
    }

    MainWindow& simple() { return host.mainWindow(); }
    AdvancedWindow& advanced() { return host.advancedWindow(); }
    std::string rate() { return CurrencyText(host.runTimer().hourlyWage()); }
    // The main window's wage box and the rate in force, e.g. "12.35 12.3457".
    std::string entered() { return wageText(simple()) + " " + rate(); }
    static QLineEdit& wageBox(QWidget& window) { return control<QLineEdit>(window, "txtWage"); }
    static std::string wageText(QWidget& window) { return wageBox(window).text().toStdString(); }
    static bool enabled(QWidget& window, const char* name) { return control(window, name).isEnabled(); }
    static std::string label(QWidget& w, const char* name) { return control<QLabel>(w, name).text().toStdString(); }
    // A window at a glance: "caption | elapsed | total | buttons on", and " | struck" while paused.
    static std::string shows(QWidget& window)
    {
        return window.windowTitle().toStdString() + " | " + label(window, "lblSeconds") + " | " +
               label(window, "lblTotal") + " |" + (enabled(window, "cmdStart") ? " Start" : "") +
               (enabled(window, "cmdPause") ? " Pause" : "") +
               (control<QLabel>(window, "lblSeconds").font().strikeOut() ? " | struck" : "");
    }
    // Which window counts and whether the total blinks, e.g. "advanced -" or "- blink".
    std::string ticking()
    {
        const char* live = host.runTimer().liveWindow() == WindowId::Advanced ? "advanced" : "main";
        return std::string(runTick.enabled() ? live : "-") + (blinkTick.enabled() ? " blink" : " -");
    }

    void showLive()
    {
        host.showLiveWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host.liveWindow()));
    }
    // The live window's "Advanced Mode" box; then the other window is the live one.
    void switchMode()
    {
        click(host.liveWindow(), "chkAdvanced");
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host.liveWindow()));
    }
    // The user clicks into the wage box, types over its whole text and may press a key there.
    static void typeWage(QWidget& window, const QString& typed, Qt::Key then = Qt::Key_unknown)
    {
        QTest::mouseClick(&wageBox(window), Qt::LeftButton);
        QTest::keyClick(&wageBox(window), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&wageBox(window), typed);
        if (then != Qt::Key_unknown)
            press(window, then);
    }
    // A key typed wherever the window's focus is.
    static void press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.focusWidget() != nullptr ? window.focusWidget() : &window, key, modifiers);
    }
    // A menu shortcut typed while the focus is in the wage box.
    static void ctrlInWageBox(QWidget& window, Qt::Key key)
    {
        QTest::mouseClick(&wageBox(window), Qt::LeftButton);
        press(window, key, Qt::ControlModifier);
    }
    static void click(QWidget& window, const char* name) { QTest::mouseClick(&control(window, name), Qt::LeftButton); }
    // Options take a click only on their mark or caption, which start at the left.
    static void choose(QWidget& window, const char* option)
    {
        QTest::mouseClick(&control(window, option), Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    }
    static void trigger(QWidget& window, const char* action) { control<QAction>(window, action).trigger(); }

    std::string config = DefaultConfig;
};
