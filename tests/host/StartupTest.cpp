#include "HostFixture.h"

#include "ui/options/OptionsDialog.h"

namespace {

using StartupTest = HostFixture;

void ExpectFirstRunMessages(const std::vector<Message>& asked)
{
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "File not found for /Config.ewg");
    EXPECT_EQ(asked[0].caption, "Error");
    EXPECT_EQ(asked[0].icon, Message::Icon::Critical);
    EXPECT_EQ(asked[0].buttons, Message::Buttons::Ok);
    EXPECT_EQ(asked[1].text, "/Config.ewg will be recreated now. Please launch the software again.");
    EXPECT_EQ(asked[1].caption, "Notice");
    EXPECT_EQ(asked[1].icon, Message::Icon::Information);
    EXPECT_EQ(asked[1].buttons, Message::Buttons::Ok);
}

TEST_F(StartupTest, FirstRunWithoutSettingsWritesTheDefaultsTellsTwiceAndEnds)
{
    EXPECT_FALSE(host.start());

    ExpectFirstRunMessages(prompt.answers.asked());
    EXPECT_EQ(file("Config.ewg"), "\"v2.5\",6.75,45.5,0,0,-1\r\n");
    EXPECT_EQ(file("Saved.ewg"), Missing);
    EXPECT_EQ(file("Prev.ewg"), Missing);
    EXPECT_FALSE(host.mainWindow().isVisible());
    EXPECT_FALSE(host.advancedWindow().isVisible());
    EXPECT_FALSE(host.options().isVisible());
    EXPECT_EQ(host.trayHost().tray(), nullptr);
    EXPECT_FALSE(panel.shown);
}

TEST_F(StartupTest, FirstRunInAnUnwritableFolderAlsoSaysWhyNoSettingsWereWritten)
{
    files.failWrites(path("Config.ewg"), "Permission denied");

    EXPECT_FALSE(host.start());

    ASSERT_EQ(prompt.texts().size(), 3u);
    EXPECT_EQ(prompt.texts().back(), "Permission denied for /Config.ewg");
    EXPECT_EQ(file("Config.ewg"), Missing);
    EXPECT_FALSE(host.options().isVisible());
}

TEST_F(StartupTest, AnOrdinaryStartAsksNothingAndShowsTheSimpleWindow)
{
    startWith();

    EXPECT_TRUE(prompt.texts().empty());
    EXPECT_TRUE(host.mainWindow().isVisible());
    EXPECT_FALSE(host.mainWindow().isMinimized());
    EXPECT_FALSE(host.advancedWindow().isVisible());
    EXPECT_TRUE(panel.shown);
    EXPECT_EQ(text(host.advancedWindow(), "optMinWage"), "Minimum Wage  ($6.75)/hr");
    EXPECT_EQ(text(host.advancedWindow(), "optMaxWage"), "DREAM Wage  ($45.50)/hr");
}

// ---- An empty file of each kind: its notice, then start-up goes on.

struct EmptyFileRow
{
    std::string name;
    std::string emptyFile;
};

class EmptyFileAtStartup : public HostFixture, public testing::WithParamInterface<EmptyFileRow>
{};

TEST_P(EmptyFileAtStartup, TellsTheEndOfTheFileAndGoesOnWithoutRewritingIt)
{
    putFiles(DefaultConfig, DefaultSaved, "0\r\n");
    put(GetParam().emptyFile, "");

    ASSERT_TRUE(host.start());

    ASSERT_EQ(prompt.answers.asked().size(), 1u);
    const Message& notice = prompt.answers.asked().front();
    EXPECT_EQ(notice.text, "End of " + GetParam().emptyFile + " file reached.");
    EXPECT_EQ(notice.caption, "Earnmeter");
    EXPECT_EQ(notice.icon, Message::Icon::Information);
    EXPECT_EQ(file(GetParam().emptyFile), "");
    EXPECT_TRUE(host.mainWindow().isVisible());
}

INSTANTIATE_TEST_SUITE_P(EachStateFile, EmptyFileAtStartup,
                         testing::Values(EmptyFileRow{"Settings", "Config.ewg"}, EmptyFileRow{"Positions", "Saved.ewg"},
                                         EmptyFileRow{"ElapsedTime", "Prev.ewg"}),
                         RowName());

// ---- The continue question.

struct ContinueRow
{
    std::string name;
    Answer answer;
    std::int32_t elapsed;
    std::string shown;
};

class ContinueQuestion : public HostFixture, public testing::WithParamInterface<ContinueRow>
{};

TEST_P(ContinueQuestion, OffersTheSavedTimeAndKeepsItOnlyOnYes)
{
    prompt.answers.queueAnswer(GetParam().answer);

    startWith(DefaultConfig, DefaultSaved, "5400\r\n");

    ASSERT_EQ(prompt.answers.asked().size(), 1u);
    const Message& question = prompt.answers.asked().front();
    EXPECT_EQ(question.text, "Do you want to continue with your elapsed time of 01:30:00?");
    EXPECT_EQ(question.caption, "Continue Earnmeter");
    EXPECT_EQ(question.buttons, Message::Buttons::YesNo);
    EXPECT_EQ(question.icon, Message::Icon::Question);
    EXPECT_EQ(host.state().ElapsedSeconds, GetParam().elapsed);
    EXPECT_EQ(text(host.mainWindow(), "lblSeconds"), GetParam().shown);
    EXPECT_EQ(text(host.advancedWindow(), "lblSeconds"), GetParam().shown);
    // The file keeps the old count until the next write, whatever the answer.
    EXPECT_EQ(file("Prev.ewg"), "5400\r\n");
}

INSTANTIATE_TEST_SUITE_P(Answers, ContinueQuestion,
                         testing::Values(ContinueRow{"Yes", Answer::Yes, 5400, "01:30:00"},
                                         ContinueRow{"No", Answer::No, 0, "00:00:00"}),
                         RowName());

// ---- Which window comes first, and how.

struct FirstWindowRow
{
    std::string name;
    std::string config;
    bool advanced;
    bool minimized;
};

class FirstWindow : public HostFixture, public testing::WithParamInterface<FirstWindowRow>
{};

TEST_P(FirstWindow, FollowsTheStartUpSwitchesAndKeepsTheOtherHidden)
{
    startWith(GetParam().config);

    QWidget& shown = GetParam().advanced ? static_cast<QWidget&>(host.advancedWindow()) : host.mainWindow();
    QWidget& hidden = GetParam().advanced ? static_cast<QWidget&>(host.mainWindow()) : host.advancedWindow();
    EXPECT_TRUE(shown.isVisible());
    EXPECT_EQ(shown.isMinimized(), GetParam().minimized);
    EXPECT_FALSE(hidden.isVisible());
    EXPECT_EQ(&host.liveWindow(), &shown);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, FirstWindow,
    testing::Values(FirstWindowRow{"Simple", "\"v2.5\",6.75,45.5,0,0,-1\r\n", false, false},
                    FirstWindowRow{"SimpleMinimized", "\"v2.5\",6.75,45.5,-1,0,-1\r\n", false, true},
                    FirstWindowRow{"Advanced", "\"v2.5\",6.75,45.5,0,-1,-1\r\n", true, false},
                    FirstWindowRow{"AdvancedMinimized", "\"v2.5\",6.75,45.5,-1,-1,-1\r\n", true, true}),
    RowName());

// ---- Damaged settings: a notice, start-up goes on, the file stays as it was.

struct DamagedConfigRow
{
    std::string name;
    std::string content;
};

class DamagedConfig : public HostFixture, public testing::WithParamInterface<DamagedConfigRow>
{};

TEST_P(DamagedConfig, KeepsGoingWithANoticeAndLeavesTheFileByteIdentical)
{
    startWith(GetParam().content);

    ASSERT_EQ(prompt.answers.asked().size(), 1u);
    const Message& notice = prompt.answers.asked().front();
    EXPECT_NE(notice.text.find("/Config.ewg"), std::string::npos) << notice.text;
    EXPECT_EQ(notice.caption, "Earnmeter");
    EXPECT_EQ(file("Config.ewg"), GetParam().content);
    EXPECT_EQ(host.state().MinimumWage, Currency::FromUnits(67'500)); // read before the damage
    EXPECT_TRUE(host.mainWindow().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedConfig,
                         testing::Values(DamagedConfigRow{"TooFewFields", "\"v2.5\",6.75\r\n"},
                                         DamagedConfigRow{"DreamWageBeyondMoney", "\"v2.5\",6.75,1e300,0,0,-1\r\n"},
                                         DamagedConfigRow{"SwitchBeyond16Bits", "\"v2.5\",6.75,45.5,0,0,65535\r\n"}),
                         RowName());

} // namespace
