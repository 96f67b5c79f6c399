#include "WindowFixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>

namespace {

using MainWindowTest = WindowFixture;

TEST_F(MainWindowTest, TabSelectsTheAmountLeavingRewritesOrRefusesItAndStartReadsWhatIsShown)
{
    control(simple(), "chkAdvanced").setFocus();
    press(simple(), Qt::Key_Tab);
    ASSERT_TRUE(wageBox(simple()).hasFocus());
    EXPECT_EQ(wageBox(simple()).selectedText().toStdString(), "0.00") << "typing would add to the amount";
    QTest::keyClicks(&wageBox(simple()), "15");
    // Only leaving the box reads it.
    EXPECT_EQ(entered(), "15 0");
    for (const auto& [typed, shown] :
         {std::pair{"", "15.00 15"}, {"99999999999999999999", "15.00 15"}, {"12.34567", "12.35 12.3457"}}) {
        if (*typed != '\0')
            typeWage(simple(), typed);
        press(simple(), Qt::Key_Tab);
        EXPECT_EQ(entered(), shown) << typed;
    }
    ASSERT_EQ(asked().size(), 1u) << "the oversized wage refused";
    EXPECT_EQ(asked()[0].rfind("(!) ", 0), 0u) << asked()[0];
    EXPECT_EQ(ticking(), "- -");
    click(simple(), "cmdStart");
    EXPECT_EQ(rate(), "12.35");
    typeWage(simple(), "9", Qt::Key_Return);
    EXPECT_EQ(rate(), "12.35") << "Enter while running started again";
    EXPECT_EQ(asked().size(), 1u) << "no question on Start or Enter";
}

TEST_F(MainWindowTest, TheKeypadsEnterStartsWithTheRawTextAsReturnDoes)
{
    typeWage(simple(), "12.34567");
    press(simple(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(ticking(), "- -") << "Ctrl+Enter is no Start";
    press(simple(), Qt::Key_Enter, Qt::KeypadModifier); // as the keypad sends it
    EXPECT_EQ(entered(), "12.35 12.3457");
    EXPECT_TRUE(wageBox(simple()).hasFocus());
    EXPECT_EQ(shows(simple()), "Earnmeter! | 00:00:00 | $0.00 | Pause");
    click(simple(), "cmdPause");
    control(simple(), "chkAdvanced").setFocus();
    press(simple(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ticking(), "main -") << "the keypad's Enter starts from any control";
}

// Ctrl+C, E, R and X in the wage box go to the menus, as Ctrl+H does, unless the user selected text to copy or cut.
TEST_F(MainWindowTest, MenusPopupAndCtrlKeysInTheWageBoxCopyWriteAndAskToResetAndExit)
{
    host.runTimer().restoreCount(5399); // carried over from the last run
    typeWage(simple(), "823.0452", Qt::Key_Return);
    tick();
    for (const char* action : {"mnuEditClipTime", "mnuEditClipWage", "mnuHiddenClipTime", "mnuHiddenClipWage"})
        trigger(simple(), action);
    ctrlInWageBox(simple(), Qt::Key_C);
    EXPECT_EQ(clipboard.texts(), Lines({"01:30:00", "1234.57", "01:30:00", "1234.57", "1234.57"}));
    ctrlInWageBox(simple(), Qt::Key_E);
    ctrlInWageBox(simple(), Qt::Key_H);
    EXPECT_EQ(shell.addresses.size(), 1u);
    EXPECT_TRUE(host.historyWindow().isVisible());
    host.historyWindow().close();
    EXPECT_EQ(wageText(simple()), "823.05") << "no key edited the box";

    wageBox(simple()).clearFocus(); // the amount the box selects as the focus comes leaves the keys to the menus
    wageBox(simple()).setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(wageBox(simple()).hasSelectedText());
    press(simple(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.texts().back(), "1234.57");
    wageBox(simple()).setSelection(0, 3); // the user's selection is the box's to copy and cut
    press(simple(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "823");
    press(simple(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(wageText(simple()), ".05") << "cut, and no exit question";
    EXPECT_EQ(clipboard.texts().size(), 6u);

    ctrlInWageBox(simple(), Qt::Key_X); // each question answered Cancel or No
    trigger(simple(), "mnuHiddenExit");
    ctrlInWageBox(simple(), Qt::Key_R);
    trigger(simple(), "mnuHiddenReset");
    EXPECT_EQ(shows(simple()), "$1234.57 (Earnmeter) | 01:30:00 | $1234.57 | Pause");
    const std::string reset = "(i) Reset Earnmeter: Do you want to reset the timer to zero? [Yes/No]";
    EXPECT_EQ(asked(), Lines({SaveQuestion, SaveQuestion, reset, reset}));
    EXPECT_EQ(quitCalls, 0);
}

// The right button opens the popup over the background and the named controls; from the keyboard
// (Shift+F10, or the Menu key's request) it opens below the focused control, as labels take no focus.
TEST_F(MainWindowTest, PopupOpensForTheRightButtonShiftF10AndTheMenuKeyInBothWindows)
{
    QMenu& popup = control<QMenu>(simple(), "mnuHidden");
    for (const auto& [inAdvanced, target, how, opens] : {std::tuple{false, "", "right", true}, // the background
                                                         {false, "lblSeconds", "right", true},
                                                         {false, "Label1", "right", false},
                                                         {false, "lblTotal", "left", false},
                                                         {false, "cmdStart", "Shift+F10", true},
                                                         {true, "optMaxWage", "right", true},
                                                         {true, "lblSeconds", "right", false},
                                                         {true, "optRegWage", "right", false},
                                                         {true, "optMaxWage", "Menu", true}}) {
        if (inAdvanced && !advanced().isVisible())
            switchMode();
        QMainWindow& shown = inAdvanced ? static_cast<QMainWindow&>(advanced()) : simple();
        QWidget& area = *target != '\0' ? control(shown, target) : *shown.centralWidget();
        QPoint spot(8, area.height() / 2); // a mark or caption starts at the left; the background has gaps
        while (*target == '\0' && area.childAt(spot) != nullptr)
            spot.ry() += 3;
        const std::string way = how;
        if (way == "right" || way == "left")
            QTest::mouseClick(&area, way == "right" ? Qt::RightButton : Qt::LeftButton, Qt::NoModifier, spot);
        else
            area.setFocus();
        if (way == "Shift+F10") {
            press(shown, Qt::Key_F10, Qt::ShiftModifier);
        } else if (way == "Menu") { // the window system sends the focused control a keyboard request
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QPoint());
            QApplication::sendEvent(shown.focusWidget(), &request);
        }
        EXPECT_EQ(popup.isVisible(), opens) << shown.objectName().toStdString() << " " << target << " " << how;
        popup.close();
    }
}

// The keys a user learns: each menu's title, each item's caption (its access key) and shortcut,
// and each button's and option's caption.
std::string keysOf(QWidget& window)
{
    std::string keys;
    for (const QMenu* menu : window.findChildren<QMenu*>())
        keys += menu->title().toStdString() + ":";
    for (const QAction* action : window.findChildren<QAction*>())
        if (!action->isSeparator() && !action->objectName().isEmpty())
            keys += action->text().toStdString() + " " + action->shortcut().toString().toStdString() + "|";
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        keys += button->text().toStdString() + "|";
    return keys;
}

TEST_F(MainWindowTest, EveryMenuItemAndButtonKeepsItsKeys)
{
    const std::string menus = "&File:&Edit:&Copy to Clipboard:&Help:";
    const std::string items = "&Reset Timer... Ctrl+R|&Options... |&Preferences... |&History... Ctrl+H|E&xit Ctrl+X|"
                              "Elapsed &Time |Calculated &Wage Ctrl+C|&E-Mail Dorvan Ctrl+E|Visit &Webpage |"
                              "&Donate Information |&Help and Readme |&About... |";
    EXPECT_EQ(keysOf(simple()), menus + ":Hidden:&Copy to Clipboard:" + items +
                                    "&Reset Timer... |Elapsed &Time |Calculated &Wage |E&xit |"
                                    "&START|&PAUSE|&Advanced Mode||");
    EXPECT_EQ(keysOf(advanced()),
              menus + items +
                  "Minimum Wage  ($6.75)/hr|DREAM Wage  ($45.50)/hr|My &Wage $|O&K|&START|&PAUSE|&Advanced Mode||");
}

} // namespace
