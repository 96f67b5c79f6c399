#include "platform/QtPrompt.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// Whether a modal window blocked a top-level window: Qt tells the window when
// one starts and stops blocking it.
struct BlockLog final : QObject
{
    explicit BlockLog(QWidget& window) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked)
            blocked = event->type() == QEvent::WindowBlocked;
        return false;
    }
    bool blocked = false;
};

// An XEMBED tray icon is a window of its own; a message box must not block it.
TEST(QtPrompt, AMessageBoxBlocksOnlyTheWindowItStandsOver)
{
    QWidget iconWindow;
    iconWindow.show();
    QMainWindow owner;
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    BlockLog icon(iconWindow), window(owner);
    bool iconBlocked = true, ownerBlocked = false;
    QTimer::singleShot(0, &owner, [&] {
        iconBlocked = icon.blocked;
        ownerBlocked = window.blocked;
        QApplication::activeModalWidget()->close();
    });
    QtPrompt prompt;
    EXPECT_EQ(prompt.ask({"Saved.", "Earnmeter", Message::Buttons::Ok, Message::Icon::Information}), Answer::Ok);
    EXPECT_FALSE(iconBlocked);
    EXPECT_TRUE(ownerBlocked);
}
} // namespace
