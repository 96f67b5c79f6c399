#include "WindowFixture.h"

namespace {

using MainWindowTest = WindowFixture;

struct EntryRow
{
    const char* name;
    const char* typed;
    Qt::Key key; // Tab leaves the entry; Enter presses Start
    const char* shown;
    const char* rate;
};

class WageEntry : public WindowFixture, public ::testing::WithParamInterface<EntryRow>
{};

TEST_P(WageEntry, TabOrEnterRewritesTheAmountAndSetsTheRate)
{
    typeWage(mainWindow(), GetParam().typed);
    press(mainWindow(), GetParam().key);
    const bool enter = GetParam().key == Qt::Key_Return;
    EXPECT_EQ(wageText(mainWindow()), GetParam().shown);
    EXPECT_EQ(hourlyWage(), GetParam().rate);
    EXPECT_EQ(wageBox(mainWindow()).hasFocus(), enter);
    EXPECT_EQ(mainTick.enabled(), enter);
    EXPECT_EQ(enabled(mainWindow(), "cmdPause"), enter);
    EXPECT_TRUE(prompt.asked().empty());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, WageEntry,
                         ::testing::Values(EntryRow{"TabWholeNumber", "15", Qt::Key_Tab, "15.00", "15"},
                                           EntryRow{"TabFiveDecimals", "12.34567", Qt::Key_Tab, "12.35", "12.3457"},
                                           EntryRow{"TabTrailingText", "12.5/hr", Qt::Key_Tab, "12.50", "12.5"},
                                           EntryRow{"TabLettersReadAsZero", "abc", Qt::Key_Tab, "0.00", "0"},
                                           EntryRow{"EnterStartsWithTheRawText", "15", Qt::Key_Return, "15.00", "15"},
                                           EntryRow{"EnterStartsWithAllFourDecimals", "12.34567", Qt::Key_Return,
                                                    "12.35", "12.3457"}),
                         RowName());

TEST_F(MainWindowTest, TabIntoEntrySelectsTheWholeAmountForOvertyping)
{
    control(mainWindow(), "chkAdvanced").setFocus();
    press(mainWindow(), Qt::Key_Tab);
    QLineEdit& box = wageBox(mainWindow());
    ASSERT_TRUE(box.hasFocus());
    EXPECT_EQ(box.selectedText().toStdString(), "0.00") << "typing would add to the amount, not replace it";

    QTest::keyClicks(&box, "15");
    press(mainWindow(), Qt::Key_Tab);
    EXPECT_EQ(wageText(mainWindow()), "15.00");
    EXPECT_EQ(hourlyWage(), "15");
}

TEST_F(MainWindowTest, StartAfterLeavingTheEntryReadsTheShownAmount)
{
    typeWage(mainWindow(), "12.34567");
    press(mainWindow(), Qt::Key_Tab);
    click(mainWindow(), "cmdStart");
    EXPECT_EQ(hourlyWage(), "12.35");
}

TEST_F(MainWindowTest, EnterWhileRunningDoesNotStartAgain)
{
    typeWage(mainWindow(), "15");
    press(mainWindow(), Qt::Key_Return);
    QTest::keyClicks(&wageBox(mainWindow()), "9");
    press(mainWindow(), Qt::Key_Return);
    EXPECT_EQ(hourlyWage(), "15");
}

TEST_F(MainWindowTest, OversizedWageIsRefusedAndTheEarlierRateStays)
{
    typeWage(mainWindow(), "15");
    press(mainWindow(), Qt::Key_Tab);
    typeWage(mainWindow(), "99999999999999999999");
    press(mainWindow(), Qt::Key_Tab);
    ASSERT_EQ(prompt.asked().size(), 1u);
    EXPECT_EQ(prompt.lastAsked().icon, Message::Icon::Exclamation);
    EXPECT_EQ(hourlyWage(), "15");
    EXPECT_EQ(wageText(mainWindow()), "15.00");
}

TEST_F(MainWindowTest, TicksShowTheRunAndAPausedTotalBlinksInBothWindows)
{
    startMain("15");
    EXPECT_FALSE(enabled(mainWindow(), "cmdStart"));
    tick(10);
    EXPECT_EQ(label(mainWindow(), "lblSeconds"), "00:00:10");
    EXPECT_EQ(label(mainWindow(), "lblTotal"), "$0.04");
    EXPECT_EQ(caption(mainWindow()), "$0.04 (Earnmeter)");
    EXPECT_EQ(caption(advancedWindow()), "Earnmeter");
    EXPECT_EQ(label(advancedWindow(), "lblSeconds"), "00:00:00") << "only the ticking window is refreshed";

    click(mainWindow(), "cmdPause");
    EXPECT_EQ(caption(mainWindow()), "PAUSED (Earnmeter)");
    EXPECT_EQ(caption(advancedWindow()), "PAUSED (Earnmeter)");
    EXPECT_TRUE(struckThrough(mainWindow()));
    EXPECT_TRUE(struckThrough(advancedWindow()));
    EXPECT_TRUE(enabled(mainWindow(), "cmdStart"));
    EXPECT_FALSE(enabled(mainWindow(), "cmdPause"));

    tick();
    EXPECT_EQ(state().ElapsedSeconds, 10);
    EXPECT_EQ(label(mainWindow(), "lblTotal"), "");
    EXPECT_EQ(label(advancedWindow(), "lblTotal"), "");
    tick();
    EXPECT_EQ(label(mainWindow(), "lblTotal"), "$0.04");
    EXPECT_EQ(label(advancedWindow(), "lblTotal"), "$0.04");
    tick();

    click(mainWindow(), "cmdStart");
    EXPECT_FALSE(struckThrough(mainWindow()));
    EXPECT_FALSE(struckThrough(advancedWindow()));
    EXPECT_EQ(label(mainWindow(), "lblTotal"), "") << "a blanked total waits for the next tick";
    tick();
    EXPECT_EQ(label(mainWindow(), "lblSeconds"), "00:00:11");
    EXPECT_EQ(label(mainWindow(), "lblTotal"), "$0.05");
}

struct FontRow
{
    const char* name;
    const char* wage;
    const char* total;
    int points;
};

class TotalFont : public WindowFixture, public ::testing::WithParamInterface<FontRow>
{};

TEST_P(TotalFont, ShrinksFromAThousandDollarsOn)
{
    startMain(GetParam().wage);
    tick();
    EXPECT_EQ(label(mainWindow(), "lblTotal"), GetParam().total);
    EXPECT_EQ(control<QLabel>(mainWindow(), "lblTotal").font().pointSize(), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, TotalFont,
                         ::testing::Values(FontRow{"JustBelowAThousand", "3599900", "$999.97", 24},
                                           FontRow{"AThousandExactly", "3600000", "$1000.00", 20}),
                         RowName());

struct ResetRow
{
    const char* name;
    const char* action; // none: Ctrl+R typed in the wage box
    Answer answer;
};

class ResetTimer : public WindowFixture, public ::testing::WithParamInterface<ResetRow>
{};

TEST_P(ResetTimer, AsksAndOnYesZeroesBothWindows)
{
    startMain("15");
    tick(5);
    prompt.queueAnswer(GetParam().answer);
    if (GetParam().action != nullptr)
        trigger(mainWindow(), GetParam().action);
    else
        pressInWageBox(mainWindow(), Qt::Key_R);

    ASSERT_EQ(prompt.asked().size(), 1u);
    EXPECT_EQ(prompt.lastAsked().text, "Do you want to reset the timer to zero?");
    EXPECT_EQ(prompt.lastAsked().caption, "Reset Earnmeter");
    EXPECT_EQ(prompt.lastAsked().buttons, Message::Buttons::YesNo);
    if (GetParam().answer != Answer::Yes) {
        EXPECT_TRUE(mainTick.enabled());
        EXPECT_EQ(label(mainWindow(), "lblSeconds"), "00:00:05");
        return;
    }
    EXPECT_EQ(state().ElapsedSeconds, 0);
    EXPECT_FALSE(mainTick.enabled() || advancedTick.enabled() || blinkTick.enabled());
    for (QWidget* window : {static_cast<QWidget*>(&mainWindow()), static_cast<QWidget*>(&advancedWindow())}) {
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(label(*window, "lblSeconds"), "00:00:00");
        EXPECT_EQ(label(*window, "lblTotal"), "$0.00");
        EXPECT_EQ(caption(*window), "Earnmeter");
        EXPECT_TRUE(enabled(*window, "cmdStart"));
        EXPECT_FALSE(enabled(*window, "cmdPause"));
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ResetTimer,
                         ::testing::Values(ResetRow{"FileMenuYes", "mnuFileReset", Answer::Yes},
                                           ResetRow{"FileMenuNoChangesNothing", "mnuFileReset", Answer::No},
                                           ResetRow{"PopupMenuYes", "mnuHiddenReset", Answer::Yes},
                                           ResetRow{"CtrlRInWageBoxYes", nullptr, Answer::Yes}),
                         RowName());

struct CopyRow
{
    const char* name;
    const char* action; // none: Ctrl+C typed in the wage box
    const char* copied;
};

class ClipboardCopy : public WindowFixture, public ::testing::WithParamInterface<CopyRow>
{};

TEST_P(ClipboardCopy, PutsTheFigureWithoutCurrencySign)
{
    state().ElapsedSeconds = 5399; // carried over from the last run
    typeWage(mainWindow(), "823.0452");
    press(mainWindow(), Qt::Key_Return); // Start reads all four decimals as typed
    tick();
    ASSERT_EQ(CurrencyText(state().TotalEarned), "1234.5678");

    if (GetParam().action != nullptr)
        trigger(mainWindow(), GetParam().action);
    else
        pressInWageBox(mainWindow(), Qt::Key_C);
    ASSERT_EQ(clipboard.texts().size(), 1u);
    EXPECT_EQ(clipboard.last(), GetParam().copied);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ClipboardCopy,
                         ::testing::Values(CopyRow{"ElapsedTimeFromEditMenu", "mnuEditClipTime", "01:30:00"},
                                           CopyRow{"CalculatedWageFromEditMenu", "mnuEditClipWage", "1234.57"},
                                           CopyRow{"ElapsedTimeFromPopup", "mnuHiddenClipTime", "01:30:00"},
                                           CopyRow{"CalculatedWageFromPopup", "mnuHiddenClipWage", "1234.57"},
                                           CopyRow{"CtrlCInWageBoxCopiesTheTotal", nullptr, "1234.57"}),
                         RowName());

} // namespace
