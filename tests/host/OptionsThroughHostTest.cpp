#include "HostFixture.h"

#include "ui/options/OptionsDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The options dialog as the host opens it, over settings a user had changed.
class OptionsThroughHost : public HostFixture
{
protected:
    static constexpr const char* ChangedConfig = "\"v2.5\",7,50,0,0,0\r\n";

    void SetUp() override
    {
        startWith(ChangedConfig);
        dialog().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog()));
    }

    OptionsDialog& dialog() { return host.options(); }
    void press(const char* button) { control<QPushButton>(dialog(), button).click(); }

    // Types into a wage box and presses Enter there, so the box never loses the focus.
    void typeAndPressEnter(const char* box, const QString& typed)
    {
        auto& edit = control<QLineEdit>(dialog(), box);
        dialog().activateWindow();
        edit.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog()));
        edit.selectAll();
        QTest::keyClicks(&edit, typed);
        QTest::keyClick(&edit, Qt::Key_Return);
    }
};

TEST_F(OptionsThroughHost, OkWithoutChangesWritesNothingAndCloses)
{
    const int writesBefore = files.writes;

    press("cmdSave");

    EXPECT_EQ(files.writes, writesBefore);
    EXPECT_EQ(file("Config.ewg"), ChangedConfig);
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(OptionsThroughHost, RestoreDefaultsThenOkWritesTheDefaultsAndRecaptionsTheRates)
{
    press("cmdRestore");
    press("cmdSave");

    EXPECT_EQ(file("Config.ewg"), "\"v2.5\",6.75,45.5,0,0,-1\r\n");
    EXPECT_EQ(text(host.advancedWindow(), "optMinWage"), "Minimum Wage  ($6.75)/hr");
    EXPECT_EQ(text(host.advancedWindow(), "optMaxWage"), "DREAM Wage  ($45.50)/hr");
    EXPECT_TRUE(host.state().SavePositionOnExit);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(prompt.texts().empty());
}

TEST_F(OptionsThroughHost, ABadWageTypedAndConfirmedWithEnterIsRefusedAndTheDialogStays)
{
    typeAndPressEnter("txtMinWage", QStringLiteral("abc"));

    ASSERT_EQ(prompt.answers.asked().size(), 1u);
    const Message& told = prompt.answers.asked().front();
    EXPECT_EQ(told.text, CurrencyErrorText(CurrencyError::InvalidNumber));
    EXPECT_EQ(told.caption, "Earnmeter");
    EXPECT_EQ(told.icon, Message::Icon::None);
    EXPECT_EQ(control<QLineEdit>(dialog(), "txtMinWage").text(), QStringLiteral("abc"));
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_TRUE(dialog().optionsChanged());
    EXPECT_EQ(file("Config.ewg"), ChangedConfig);
}

TEST_F(OptionsThroughHost, AnUnwritableFolderIsToldWithTheReasonAndTheDialogStays)
{
    files.failWrites(path("Config.ewg"), "Permission denied");

    press("cmdRestore");
    press("cmdSave");

    ASSERT_EQ(prompt.texts().size(), 1u);
    EXPECT_EQ(prompt.texts().front(), "Permission denied for /Config.ewg");
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_TRUE(dialog().optionsChanged());
    EXPECT_EQ(file("Config.ewg"), ChangedConfig);
}

} // namespace
