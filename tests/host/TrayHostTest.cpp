#include "HostFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QTimer>

#include <optional>

namespace {

const char* const AdvancedConfig = "\"v2.5\",6.75,45.5,0,-1,-1\r\n";

// Closes a modal window as soon as one runs its own event loop, and notes its
// name, so that a window opened by mistake cannot hold the test.
class ModalCloser final : public QObject
{
public:
    void arm()
    {
        QTimer::singleShot(0, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                closed.push_back(modal->objectName().toStdString());
                modal->close();
            }
        });
    }

    std::vector<std::string> closed;
};

class TrayHostTest : public HostFixture
{
protected:
    QMenu& menu() { return *panel.menu; }
    // The host acts on the key alone; the index is what the tray would send.
    void choose(const QString& key) { host.trayHost().m_frmSysTray_MenuClick(-1, key); }
    // The user picks an item from the tray's own menu; the tray reports it queued.
    void pick(int index)
    {
        menu().actions().at(index)->trigger();
        QCoreApplication::processEvents();
    }

    ModalCloser modals;
};

TEST_F(TrayHostTest, MenuHoldsTheNineItemsInOrderWithOpenAsDefault)
{
    startWith();

    const std::vector<std::pair<QString, QString>> expected = {
        {"&Open Earnmeter...", "open"}, {"-", ""}, {"&Start Timer", "start"},
        {"&Pause Timer", "pause"},      {"-", ""}, {"&E-Mail Dorvan", "Email"},
        {"&About...", "About"},         {"-", ""}, {"E&xit", "close"},
    };
    const QList<QAction*> items = menu().actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const bool separator = expected[i].first == "-";
        EXPECT_EQ(items[i]->isSeparator(), separator);
        if (!separator) {
            EXPECT_EQ(items[i]->text(), expected[i].first);
        }
        EXPECT_EQ(items[i]->data().toString(), expected[i].second);
        EXPECT_TRUE(items[i]->isEnabled());
    }
    EXPECT_EQ(menu().defaultAction(), items[0]);
    EXPECT_EQ(panel.tip, "Earnmeter");
}

struct ModeRow
{
    std::string name;
    std::string config;
    bool advanced;
};

class TrayInEachMode : public TrayHostTest, public testing::WithParamInterface<ModeRow>
{
protected:
    QWidget& live() { return GetParam().advanced ? static_cast<QWidget&>(host.advancedWindow()) : host.mainWindow(); }
    QWidget& other() { return GetParam().advanced ? static_cast<QWidget&>(host.mainWindow()) : host.advancedWindow(); }
    ManualTicker& liveTick() { return GetParam().advanced ? advancedTick : mainTick; }
    ManualTicker& otherTick() { return GetParam().advanced ? mainTick : advancedTick; }
};

TEST_P(TrayInEachMode, OpenShowsTheLiveWindowAgain)
{
    startWith(GetParam().config);
    live().close();
    ASSERT_FALSE(live().isVisible());

    choose("open");

    EXPECT_TRUE(live().isVisible());
    EXPECT_FALSE(other().isVisible());
}

TEST_P(TrayInEachMode, DoubleClickShowsTheLiveWindowAgain)
{
    startWith(GetParam().config);
    live().close();

    panel.click(QSystemTrayIcon::DoubleClick);

    EXPECT_TRUE(live().isVisible());
    EXPECT_FALSE(other().isVisible());
}

TEST_P(TrayInEachMode, StartAndPauseReachTheLiveWindowsRun)
{
    startWith(GetParam().config);

    choose("start");
    EXPECT_TRUE(liveTick().enabled());
    EXPECT_FALSE(otherTick().enabled());
    EXPECT_FALSE(control(live(), "cmdStart").isEnabled());
    EXPECT_TRUE(control(live(), "cmdPause").isEnabled());
    tick(3);
    EXPECT_EQ(host.state().ElapsedSeconds, 3);

    choose("pause");
    EXPECT_FALSE(liveTick().enabled());
    EXPECT_FALSE(otherTick().enabled());
    EXPECT_TRUE(blinkTick.enabled());
    EXPECT_TRUE(control(live(), "cmdStart").isEnabled());
    tick(3);
    EXPECT_EQ(host.state().ElapsedSeconds, 3);
}

INSTANTIATE_TEST_SUITE_P(Modes, TrayInEachMode,
                         testing::Values(ModeRow{"Simple", HostFixture::DefaultConfig, false},
                                         ModeRow{"Advanced", AdvancedConfig, true}),
                         RowName());

struct KeyRow
{
    std::string name;
    std::string key;
};

class KeyThatMatchesNothing : public TrayHostTest, public testing::WithParamInterface<KeyRow>
{};

TEST_P(KeyThatMatchesNothing, DoesNothing)
{
    startWith();
    host.mainWindow().close();

    modals.arm();
    choose(QString::fromStdString(GetParam().key));
    QCoreApplication::processEvents();

    EXPECT_TRUE(prompt.texts().empty());
    EXPECT_TRUE(modals.closed.empty());
    EXPECT_TRUE(shell.addresses.empty());
    EXPECT_FALSE(host.mainWindow().isVisible());
    EXPECT_FALSE(mainTick.enabled());
    EXPECT_FALSE(advancedTick.enabled());
    EXPECT_EQ(quitCalls, 0);
    EXPECT_TRUE(panel.shown);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyThatMatchesNothing,
                         testing::Values(KeyRow{"LowerCaseAbout", "about"}, KeyRow{"LowerCaseEmail", "email"},
                                         KeyRow{"CapitalOpen", "Open"}, KeyRow{"UpperCaseStart", "START"},
                                         KeyRow{"CapitalClose", "Close"}, KeyRow{"Exit", "exit"}, KeyRow{"Empty", ""},
                                         KeyRow{"TrailingSpace", "open "}),
                         RowName());

// ---- Exit from the tray's own menu.

struct TrayExitRow
{
    std::string name;
    std::string prev; // the count carried over
    std::optional<Answer> answer;
    std::string prevAfter;
    int quits;
};

class TrayExit : public TrayHostTest, public testing::WithParamInterface<TrayExitRow>
{};

TEST_P(TrayExit, AsksOnlyWithACountAndEndsUnlessCancelled)
{
    prompt.answers.queueAnswer(Answer::Yes); // keep the count carried over
    startWith(DefaultConfig, DefaultSaved, GetParam().prev);
    prompt.answers.forgetAsked();
    if (GetParam().answer)
        prompt.answers.queueAnswer(*GetParam().answer);

    pick(8);

    if (GetParam().answer) {
        ASSERT_EQ(prompt.answers.asked().size(), 1u);
        EXPECT_EQ(prompt.answers.asked().front().text, "Do you want to save your elapsed time?");
        EXPECT_EQ(prompt.answers.asked().front().caption, "Save Earnmeter Progress");
    } else {
        EXPECT_TRUE(prompt.texts().empty());
    }
    EXPECT_EQ(file("Prev.ewg"), GetParam().prevAfter);
    EXPECT_EQ(quitCalls, GetParam().quits);
    EXPECT_EQ(panel.shown, GetParam().quits == 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, TrayExit,
                         testing::Values(TrayExitRow{"NoCount", "0\r\n", std::nullopt, "0\r\n", 1},
                                         TrayExitRow{"Yes", "5400\r\n", Answer::Yes, "5400\r\n", 1},
                                         TrayExitRow{"No", "5400\r\n", Answer::No, "0\r\n", 1},
                                         TrayExitRow{"Cancel", "5400\r\n", Answer::Cancel, "5400\r\n", 0}),
                         RowName());

// ---- The tooltip.

struct ToolTipRow
{
    std::string name;
    QLocale locale;
    double total;
    QString expected;
};

class ToolTipText : public testing::TestWithParam<ToolTipRow>
{};

TEST_P(ToolTipText, ShowsTheTotalInTheLocalesCurrencyThenTheProductName)
{
    EXPECT_EQ(TrayHost::ToolTipText(GetParam().total, GetParam().locale), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Locales, ToolTipText,
                         testing::Values(ToolTipRow{"UnitedStates", QLocale(QLocale::English, QLocale::UnitedStates),
                                                    1234.5, "$1,234.50 (Earnmeter)"},
                                         ToolTipRow{"UnitedStatesSmall",
                                                    QLocale(QLocale::English, QLocale::UnitedStates), 12.5,
                                                    "$12.50 (Earnmeter)"},
                                         // German puts the sign after the amount, behind a no-break space.
                                         ToolTipRow{"Germany", QLocale(QLocale::German, QLocale::Germany), 1234.5,
                                                    QStringLiteral("1.234,50\u00A0\u20AC (Earnmeter)")}),
                         RowName());

TEST_F(TrayHostTest, EveryTickRewritesTheTooltipAndAPauseKeepsIt)
{
    startWith();
    startEarningADollarASecond();

    tick();
    EXPECT_EQ(panel.tip, TrayHost::ToolTipText(1.0, QLocale::system()));
    tick();
    EXPECT_EQ(panel.tip, TrayHost::ToolTipText(2.0, QLocale::system()));

    choose("pause");
    tick(3);
    EXPECT_EQ(panel.tip, TrayHost::ToolTipText(2.0, QLocale::system()));
}

// ---- Closing a working window.

struct CloseRow
{
    std::string name;
    bool trayAvailable;
    bool visibleAfter;
};

class ClosingAWindow : public TrayHostTest, public testing::WithParamInterface<CloseRow>
{};

TEST_P(ClosingAWindow, HidesWhileATrayCanBringItBackAndMinimizesOtherwise)
{
    panel.available = GetParam().trayAvailable;
    startWith();

    host.mainWindow().close();

    EXPECT_EQ(host.mainWindow().isVisible(), GetParam().visibleAfter);
    EXPECT_EQ(host.mainWindow().isMinimized(), !GetParam().trayAvailable);
}

TEST_F(TrayHostTest, OnceATrayAppearsAClosedWindowHidesAgain)
{
    panel.available = false;
    startWith();
    host.mainWindow().close();
    ASSERT_TRUE(host.mainWindow().isMinimized());

    panel.available = true;
    host.trayHost().tray()->checkAvailability();
    host.showLiveWindow();
    host.mainWindow().close();

    EXPECT_FALSE(host.mainWindow().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Trays, ClosingAWindow,
                         testing::Values(CloseRow{"WithTray", true, false}, CloseRow{"WithoutTray", false, true}),
                         RowName());

} // namespace
