#include "ui/about/AboutWindow.h"

#include "fakes/FakeProgramFacts.h"
#include "fakes/FakePrompt.h"
#include "fakes/RecordingShellOpen.h"
#include "help/Links.h"
#include "help/SupportEmail.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class AboutWindowTest : public testing::Test
{
protected:
    QLabel* label(const char* name) const { return window.findChild<QLabel*>(name); }

    FakePrompt prompt;
    RecordingShellOpen shell;
    FakeProgramFacts facts;
    Links links{shell, "/opt/Earn Meter"};
    SupportEmail support{shell, facts};
    AboutWindow window{prompt, links, support};
};

TEST_F(AboutWindowTest, MailAndInfoTellTheFolderDateAndScreenAsTheyAreNow)
{
    QPushButton* info = window.findChild<QPushButton*>("cmdInfo");
    info->click();
    ASSERT_EQ(prompt.asked().size(), 1u);
    EXPECT_EQ(prompt.lastAsked().text, "Program Path -\r\n/opt/Earn Meter\r\n\r\nEXE Modified Date -\r\n07/12/2024 "
                                       "09:30\r\n\r\nScreen Resolution - \r\n1024 x 768");
    EXPECT_EQ(prompt.lastAsked().caption, "Program Info");
    EXPECT_EQ(prompt.lastAsked().buttons, Message::Buttons::Ok);
    EXPECT_EQ(prompt.lastAsked().icon, Message::Icon::Information);
    // A folder whose "&" and "#" must not end the mail early, an unreadable program file, a scaled screen.
    facts.programFolder = "/home/Tom & Jerry/#1";
    facts.modified.reset();
    facts.screenSize = {1366.5f, 768};
    QTest::mouseClick(label("lblEmail"), Qt::LeftButton);
    info->click();
    EXPECT_EQ(shell.addresses.back(), "mailto:support@earnmeter.example.org?subject=Regarding%20Earnmeter%202.5"
                                      "&body=%0D%0A%0D%0AHelpful%20Support%20Info%20==========================="
                                      "%0D%0AProgram%20Path%20:%20/home/Tom %26 Jerry/%231"
                                      "%0D%0AScreen%20Resolution%20:%201366.5x768");
    EXPECT_EQ(prompt.lastAsked().text, "Program Path -\r\n/home/Tom & Jerry/#1\r\n\r\nEXE Modified Date -\r\n"
                                       "(unknown: the program file could not be read)\r\n\r\nScreen Resolution - "
                                       "\r\n1366.5 x 768");
}

TEST_F(AboutWindowTest, TheAddressesAndTheDonateImageTakeTheFocusAndOpenWithEnterOrSpace)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.findChild<QPushButton*>("cmdOK")->setFocus();
    QStringList reached;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    for (const char* name : {"lblWeb", "lblEmail", "imgDonate"})
        EXPECT_TRUE(reached.contains(name)) << name << " is not reached by Tab";
    for (const auto& [name, key] :
         {std::pair{"lblWeb", Qt::Key_Return}, {"imgDonate", Qt::Key_Space}, {"lblEmail", Qt::Key_Enter}}) {
        label(name)->setFocus();
        QTest::keyClick(label(name), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    ASSERT_EQ(shell.addresses.size(), 3u);
    EXPECT_EQ(shell.addresses[1], "https://earnmeter.example.org/donate.html");
    EXPECT_EQ(shell.addresses[2].rfind("mailto:", 0), 0u);
    EXPECT_TRUE(window.isVisible()) << "Enter on a link pressed OK instead";
    window.hide();
}
} // namespace
