#include "platform/QtPrompt.h"

#include "support/BlockLog.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
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
