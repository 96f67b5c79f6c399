#include "WindowFixture.h"

#include <QDialog>
#include <QTimer>

namespace {

using ProgramLifeTest = WindowFixture;

TEST_F(ProgramLifeTest, ClosingEitherWindowHidesItWhileTheRunGoesOn)
{
    startMain("15");
    mainWindow().close();
    EXPECT_FALSE(mainWindow().isVisible());
    tick(2);
    EXPECT_EQ(quitCalls, 0);
    showLive();
    EXPECT_EQ(label(mainWindow(), "lblSeconds"), "00:00:02");

    switchMode();
    advancedWindow().close();
    EXPECT_FALSE(advancedWindow().isVisible());
    EXPECT_FALSE(mainWindow().isVisible());
    tick();
    EXPECT_EQ(label(advancedWindow(), "lblSeconds"), "00:00:03");
    EXPECT_EQ(quitCalls, 0);
}

TEST_F(ProgramLifeTest, ClosingWithoutATrayMinimizesSoTheWindowCanComeBack)
{
    panel.available = false;
    host.trayHost().tray()->checkAvailability();
    mainWindow().close();
    EXPECT_TRUE(mainWindow().isVisible());
    EXPECT_TRUE(mainWindow().isMinimized());
}

// Counts the requests to end the event loop that reach the application.
class QuitRequests final : public QObject
{
public:
    QuitRequests() { qApp->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == qApp && event->type() == QEvent::Quit)
            ++count;
        return false;
    }
};

TEST_F(ProgramLifeTest, ProgramOutlivesItsLastVisibleWindow)
{
    ASSERT_FALSE(QApplication::quitOnLastWindowClosed());
    QuitRequests quitRequests;
    QTimer::singleShot(0, qApp, [&] {
        mainWindow().close();
        advancedWindow().close();
        // A dialog closed while both windows are hidden was the last window on screen.
        QDialog dialog;
        dialog.show();
        dialog.accept();
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(42); });
    });
    EXPECT_EQ(QApplication::exec(), 42) << "the event loop was ended by something else";
    EXPECT_EQ(quitRequests.count, 0);
    EXPECT_EQ(quitCalls, 0);
}

enum class Via
{
    MainFileMenu,
    Popup,
    CtrlXInWageBox,
    AdvancedFileMenu
};

struct ExitRow
{
    const char* name;
    Via via;
    int count;
    Answer answer; // ignored when nothing is asked
    int quits;
    const char* prevFile; // the count kept for the next start; none: nothing written
};

class ExitPrompt : public WindowFixture, public ::testing::WithParamInterface<ExitRow>
{
protected:
    QWidget& exitFrom()
    {
        if (GetParam().via == Via::AdvancedFileMenu)
            switchMode();
        return host.liveWindow();
    }

    void exit(QWidget& window)
    {
        switch (GetParam().via) {
        case Via::MainFileMenu:
        case Via::AdvancedFileMenu:
            return trigger(window, "mnuFileExit");
        case Via::Popup:
            return trigger(mainWindow(), "mnuHiddenExit");
        case Via::CtrlXInWageBox:
            return pressInWageBox(window, Qt::Key_X);
        }
    }
};

TEST_P(ExitPrompt, AsksToSaveOnlyWithACountAndEndsUnlessCancelled)
{
    QWidget& window = exitFrom();
    typeWage(window, "15");
    click(window, "cmdStart");
    tick(GetParam().count);
    prompt.queueAnswer(GetParam().answer);
    exit(window);

    EXPECT_EQ(quitCalls, GetParam().quits);
    if (GetParam().prevFile != nullptr)
        EXPECT_EQ(files.content(dataFile("Prev.ewg")), GetParam().prevFile);
    else
        EXPECT_FALSE(files.exists(dataFile("Prev.ewg")));
    if (GetParam().count == 0) {
        EXPECT_TRUE(prompt.asked().empty());
        return;
    }
    ASSERT_EQ(prompt.asked().size(), 1u);
    EXPECT_EQ(prompt.lastAsked().text, "Do you want to save your elapsed time?");
    EXPECT_EQ(prompt.lastAsked().caption, "Save Earnmeter Progress");
    EXPECT_EQ(prompt.lastAsked().buttons, Message::Buttons::YesNoCancel);
    EXPECT_EQ(prompt.lastAsked().icon, Message::Icon::Exclamation);
    if (GetParam().answer == Answer::Cancel) {
        tick();
        EXPECT_EQ(state().ElapsedSeconds, GetParam().count + 1) << "the run goes on untouched";
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothWindows, ExitPrompt,
    ::testing::Values(ExitRow{"NoCountEndsWithoutAsking", Via::MainFileMenu, 0, Answer::Cancel, 1, "0\r\n"},
                      ExitRow{"CancelLeavesTheRunUntouched", Via::MainFileMenu, 5, Answer::Cancel, 0, nullptr},
                      ExitRow{"YesEndsKeepingTheCount", Via::MainFileMenu, 5, Answer::Yes, 1, "5\r\n"},
                      ExitRow{"NoEndsDroppingTheCount", Via::MainFileMenu, 5, Answer::No, 1, "0\r\n"},
                      ExitRow{"PopupCancel", Via::Popup, 5, Answer::Cancel, 0, nullptr},
                      ExitRow{"CtrlXInWageBoxYes", Via::CtrlXInWageBox, 5, Answer::Yes, 1, "5\r\n"},
                      ExitRow{"AdvancedFileMenuNo", Via::AdvancedFileMenu, 5, Answer::No, 1, "0\r\n"},
                      ExitRow{"AdvancedNoCountEndsWithoutAsking", Via::AdvancedFileMenu, 0, Answer::Cancel, 1,
                              "0\r\n"}),
    RowName());

} // namespace
