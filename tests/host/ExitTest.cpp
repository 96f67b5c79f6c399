#include "HostFixture.h"

#include "ui/common/Twips.h"

namespace {

// Moves a window's frame to a place given in twips, as the user drags it.
void MoveTo(QWidget& window, int leftTwips, int topTwips)
{
    window.move(Twips::toPixels(leftTwips), Twips::toPixels(topTwips));
}

class ExitTest : public HostFixture
{
protected:
    // A run of 5400 s carried over, with both windows dragged away from where they started.
    void startWithACount(const std::string& config = "\"v2.5\",6.75,45.5,0,0,-1\r\n")
    {
        prompt.answers.queueAnswer(Answer::Yes);
        startWith(config, "1500,1500,3000,3000\r\n", "5400\r\n");
        prompt.answers.forgetAsked();
        MoveTo(host.mainWindow(), 1515, 1530);
        MoveTo(host.advancedWindow(), 3015, 3030);
    }
};

TEST_F(ExitTest, WithNoCountEndsWithoutAskingAndKeepsZero)
{
    startWith();

    host.requestExit();

    EXPECT_TRUE(prompt.texts().empty());
    EXPECT_EQ(quitCalls, 1);
    EXPECT_EQ(file("Prev.ewg"), "0\r\n");
    EXPECT_EQ(file("Saved.ewg"), "4425,3930,4425,2625\r\n");
    EXPECT_FALSE(panel.shown);
}

struct ExitAnswerRow
{
    std::string name;
    Answer answer;
    std::string prev;
    std::string saved;
    int quits;
};

class ExitAnswer : public ExitTest, public testing::WithParamInterface<ExitAnswerRow>
{};

TEST_P(ExitAnswer, SavesTheCountOnYesDropsItOnNoAndChangesNothingOnCancel)
{
    startWithACount();
    prompt.answers.queueAnswer(GetParam().answer);

    host.requestExit();

    ASSERT_EQ(prompt.answers.asked().size(), 1u);
    const Message& question = prompt.answers.asked().front();
    EXPECT_EQ(question.text, "Do you want to save your elapsed time?");
    EXPECT_EQ(question.caption, "Save Earnmeter Progress");
    EXPECT_EQ(question.buttons, Message::Buttons::YesNoCancel);
    EXPECT_EQ(question.icon, Message::Icon::Exclamation);
    EXPECT_EQ(file("Prev.ewg"), GetParam().prev);
    EXPECT_EQ(file("Saved.ewg"), GetParam().saved);
    EXPECT_EQ(quitCalls, GetParam().quits);
}

INSTANTIATE_TEST_SUITE_P(Answers, ExitAnswer,
                         testing::Values(ExitAnswerRow{"Yes", Answer::Yes, "5400\r\n", "1515,1530,3015,3030\r\n", 1},
                                         ExitAnswerRow{"No", Answer::No, "0\r\n", "1515,1530,3015,3030\r\n", 1},
                                         ExitAnswerRow{"Cancel", Answer::Cancel, "5400\r\n", "1500,1500,3000,3000\r\n",
                                                       0}),
                         RowName());

TEST_F(ExitTest, WithoutSavePositionWritesTheDefaultPlacesWhereverTheWindowsWere)
{
    startWithACount("\"v2.5\",6.75,45.5,0,0,0\r\n");
    prompt.answers.queueAnswer(Answer::No);

    host.requestExit();

    EXPECT_EQ(file("Saved.ewg"), "4425,3930,4425,2625\r\n");
}

TEST_F(ExitTest, AMinimizedWindowIsRestoredFirstSoItsNormalPlaceIsSaved)
{
    startWith("\"v2.5\",6.75,45.5,-1,0,-1\r\n", "1500,1500,3000,3000\r\n");
    ASSERT_TRUE(host.mainWindow().isMinimized());

    host.requestExit();

    EXPECT_FALSE(host.mainWindow().isMinimized());
    EXPECT_EQ(file("Saved.ewg"), "1500,1500,3000,3000\r\n");
}

struct ExitWriteFailureRow
{
    std::string name;
    std::string failing;
    std::string written;
    std::string writtenContent;
};

class ExitWriteFailure : public ExitTest, public testing::WithParamInterface<ExitWriteFailureRow>
{};

TEST_P(ExitWriteFailure, NamesTheFileAndTheReasonAndStillEnds)
{
    startWithACount();
    startEarningADollarASecond();
    tick(60);
    files.failWrites(path(GetParam().failing), "No space left on device");
    prompt.answers.queueAnswer(Answer::Yes);

    host.requestExit();

    ASSERT_EQ(prompt.answers.asked().size(), 2u);
    const Message& told = prompt.answers.asked().back();
    EXPECT_EQ(told.text, "No space left on device for /" + GetParam().failing);
    EXPECT_EQ(told.caption, "Earnmeter");
    EXPECT_EQ(file(GetParam().written), GetParam().writtenContent);
    EXPECT_EQ(quitCalls, 1);
}

INSTANTIATE_TEST_SUITE_P(EachFile, ExitWriteFailure,
                         testing::Values(ExitWriteFailureRow{"Positions", "Saved.ewg", "Prev.ewg", "5460\r\n"},
                                         ExitWriteFailureRow{"ElapsedTime", "Prev.ewg", "Saved.ewg",
                                                             "1515,1530,3015,3030\r\n"}),
                         RowName());

} // namespace
