#include "ui/about/AboutWindow.h"

#include "fakes/FakePrompt.h"
#include "help/Links.h"
#include "help/SupportEmail.h"

#include "FakeProgramFacts.h"
#include "RecordingShellOpen.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
class AboutWindowTest : public testing::Test
{
protected:
    QLabel* label(const char* name) const { return window.findChild<QLabel*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const { return window.findChild<QPushButton*>(QString::fromLatin1(name)); }

    void click(const char* name) const { QTest::mouseClick(label(name), Qt::LeftButton); }

    FakePrompt prompt;
    RecordingShellOpen shell;
    FakeProgramFacts facts;
    Links links{shell, "/opt/Earn Meter"};
    SupportEmail support{shell, facts};
    AboutWindow window{prompt, links, support};
};

TEST_F(AboutWindowTest, ShowsNameVersionAuthorMottoAndAddresses)
{
    EXPECT_EQ(window.windowTitle(), "About Earnmeter");
    EXPECT_EQ(label("lblAbout")->text(), "Earnmeter 2.5");
    EXPECT_EQ(label("lblBy")->text(), "Written by Dorvan Quellis");
    EXPECT_EQ(label("Label2")->text(), "\"How much money did you make today?\"");
    EXPECT_EQ(label("lblEmail")->text(), "support@earnmeter.example.org");
    EXPECT_EQ(label("lblWeb")->text(), "https://earnmeter.example.org/");
}

TEST_F(AboutWindowTest, WebAddressAndDonationImageOpenTheirPages)
{
    click("lblWeb");
    click("imgDonate");
    EXPECT_EQ(shell.addresses, (std::vector<std::string>{"https://earnmeter.example.org/",
                                                         "https://earnmeter.example.org/donate.html"}));
}

TEST_F(AboutWindowTest, EmailAddressOpensAPrefilledSupportMail)
{
    click("lblEmail");
    EXPECT_EQ(shell.addresses, std::vector<std::string>{"mailto:support@earnmeter.example.org"
                                                        "?subject=Regarding%20Earnmeter%202.5"
                                                        "&body=%0D%0A%0D%0AHelpful%20Support%20Info%20"
                                                        "===========================%0D%0AProgram%20Path%20:%20"
                                                        "/opt/Earn Meter%0D%0AScreen%20Resolution%20:%201024x768"});
}

TEST_F(AboutWindowTest, InfoShowsTheProgramInformationBox)
{
    button("cmdInfo")->click();
    ASSERT_EQ(prompt.asked().size(), 1u);
    const Message& box = prompt.lastAsked();
    EXPECT_EQ(box.text, "Program Path -\r\n/opt/Earn Meter\r\n\r\nEXE Modified Date -\r\n07/12/2024 09:30\r\n\r\n"
                        "Screen Resolution - \r\n1024 x 768");
    EXPECT_EQ(box.caption, "Program Info");
    EXPECT_EQ(box.buttons, Message::Buttons::Ok);
    EXPECT_EQ(box.icon, Message::Icon::Information);
}

TEST_F(AboutWindowTest, OkHidesTheWindowAndTheSameWindowShowsAgain)
{
    QPushButton* ok = button("cmdOK");
    EXPECT_TRUE(ok->isDefault());
    for (int time = 0; time < 2; ++time) {
        QTimer::singleShot(0, ok, [&] {
            EXPECT_TRUE(window.isVisible());
            EXPECT_TRUE(window.isModal());
            ok->click();
        });
        window.ShowAbout();
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(label("lblAbout")->text(), "Earnmeter 2.5");
}

TEST_F(AboutWindowTest, ShowingItAgainWhileOpenKeepsOneWindow)
{
    QTimer::singleShot(0, &window, [&] {
        window.ShowAbout(); // returns at once instead of nesting a second modal loop
        EXPECT_TRUE(window.isVisible());
        button("cmdOK")->click();
    });
    window.ShowAbout();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(AboutWindowTest, EnterPressesOk)
{
    QTimer::singleShot(0, &window, [&] { QTest::keyClick(&window, Qt::Key_Return); });
    window.ShowAbout();
    EXPECT_FALSE(window.isVisible());
}
} // namespace
