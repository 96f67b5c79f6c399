#include "HostFixture.h"

#include <QCoreApplication>

namespace {

class CheckpointTest : public HostFixture
{
protected:
    void SetUp() override
    {
        startWith();
        startEarningADollarASecond();
    }

    // Reports of a failed checkpoint wait for the event loop, outside the tick.
    void tickAndDeliver(int seconds)
    {
        tick(seconds);
        QCoreApplication::processEvents();
    }

    int reportsOfPrev() const
    {
        int reports = 0;
        for (const std::string& text : prompt.texts())
            reports += text.find("/Prev.ewg") != std::string::npos ? 1 : 0;
        return reports;
    }
};

TEST_F(CheckpointTest, EveryFiveCountedMinutesTheCountIsWritten)
{
    tick(299);
    EXPECT_EQ(file("Prev.ewg"), "0\r\n");
    tick(1);
    EXPECT_EQ(file("Prev.ewg"), "300\r\n");
    tick(300);
    EXPECT_EQ(file("Prev.ewg"), "600\r\n");
    EXPECT_TRUE(prompt.texts().empty());
}

TEST_F(CheckpointTest, AFailingWriteIsToldAfterTheTickOnceUntilAWriteWorksAgain)
{
    files.failWrites(path("Prev.ewg"), "Permission denied");
    tick(300);
    EXPECT_EQ(reportsOfPrev(), 0); // a box inside the tick would let further ticks run inside it
    QCoreApplication::processEvents();
    ASSERT_EQ(reportsOfPrev(), 1);
    EXPECT_EQ(prompt.texts().front().rfind("Permission denied for /Prev.ewg", 0), 0u) << prompt.texts().front();
    tickAndDeliver(300);
    EXPECT_EQ(reportsOfPrev(), 1);

    files.heal(path("Prev.ewg"));
    tickAndDeliver(300);
    EXPECT_EQ(file("Prev.ewg"), "900\r\n");
    EXPECT_EQ(reportsOfPrev(), 1);

    files.failWrites(path("Prev.ewg"), "Permission denied");
    tickAndDeliver(300);
    EXPECT_EQ(reportsOfPrev(), 2);
    EXPECT_EQ(host.state().ElapsedSeconds, 1200);
}

// ---- The session ends: the count is kept without asking, once it is the user's.

using SessionEndTest = HostFixture;

TEST_F(SessionEndTest, BeforeStartUpNothingIsWritten)
{
    putFiles(DefaultConfig, DefaultSaved, "5400\r\n");

    host.saveCountAtSessionEnd();

    EXPECT_EQ(file("Prev.ewg"), "5400\r\n");
    EXPECT_EQ(files.writes, 0);
}

struct EndDuringStartupRow
{
    std::string name;
    std::string saved;
    std::string duringMessage; // the start of the text of the message that is up
};

class SessionEndDuringStartup : public HostFixture, public testing::WithParamInterface<EndDuringStartupRow>
{};

// The desktop ends the session while start-up waits on a message. A box cut
// short that way returns as if answered No, so nothing after it is the user's
// choice: the program is to end and keep the count it found.
TEST_P(SessionEndDuringStartup, EndsTheProgramAndLeavesTheSavedCountAsItIs)
{
    putFiles(DefaultConfig, GetParam().saved, "5400\r\n");
    prompt.whileAsked = [this](const Message& message) {
        if (message.text.rfind(GetParam().duringMessage, 0) == 0)
            host.saveCountAtSessionEnd();
    };
    prompt.answers.setDefaultAnswer(Answer::No);

    EXPECT_FALSE(host.start());
    EXPECT_FALSE(host.mainWindow().isVisible());
    host.saveCountAtSessionEnd(); // the end request that follows, as a second SIGTERM or the logout

    EXPECT_EQ(file("Prev.ewg"), "5400\r\n");
    EXPECT_EQ(files.writes, 0);
}

INSTANTIATE_TEST_SUITE_P(Messages, SessionEndDuringStartup,
                         testing::Values(EndDuringStartupRow{"EmptyPositionsNotice", "", "End of Saved.ewg"},
                                         EndDuringStartupRow{"ContinueQuestion", HostFixture::DefaultSaved,
                                                             "Do you want to continue"}),
                         RowName());

TEST_F(SessionEndTest, DuringTheFirstRunNoCountFileAppears)
{
    prompt.whileAsked = [this](const Message&) {
        host.saveCountAtSessionEnd();
    };

    EXPECT_FALSE(host.start());

    EXPECT_EQ(file("Prev.ewg"), Missing);
}

TEST_F(SessionEndTest, AfterStartUpTheCountIsWrittenWithoutAsking)
{
    prompt.answers.queueAnswer(Answer::Yes);
    startWith(DefaultConfig, DefaultSaved, "5400\r\n");
    startEarningADollarASecond();
    tick(7);
    prompt.answers.forgetAsked();

    host.saveCountAtSessionEnd();

    EXPECT_EQ(file("Prev.ewg"), "5407\r\n");
    EXPECT_TRUE(prompt.texts().empty());
    EXPECT_EQ(quitCalls, 0);
}

TEST_F(SessionEndTest, AFailedWriteAtSessionEndIsToldNamingTheFileAndTheReason)
{
    startWith();
    startEarningADollarASecond();
    tick(7);
    files.failWrites(path("Prev.ewg"), "No space left on device");

    host.saveCountAtSessionEnd();

    ASSERT_EQ(prompt.texts().size(), 1u);
    EXPECT_EQ(prompt.texts().front().rfind("No space left on device for /Prev.ewg", 0), 0u) << prompt.texts().front();
}

} // namespace
