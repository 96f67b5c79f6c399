#include "platform/tray/SysTray.h"

#include "FakeTrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {
const QString Description = QStringLiteral("Earnmeter: How much money did you make today?");

QIcon Square(Qt::GlobalColor colour)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

class SysTrayTest : public testing::Test
{
protected:
    std::unique_ptr<SysTray> makeTray()
    {
        return std::make_unique<SysTray>(std::make_unique<FakeTrayIcon>(panel), Description);
    }

    // The old tray leaves the panel before the new one enters it.
    void reload()
    {
        tray.reset();
        tray = makeTray();
    }

    QMenu* menu() const { return panel.menu; }
    QAction* item(int index) const { return menu()->findChild<QAction*>(QStringLiteral("mnuSysTray%1").arg(index)); }

    // The tray menu of the program, in its order.
    void addProgramMenu()
    {
        tray->AddMenuItem("&Open Earnmeter...", "open", true);
        tray->AddMenuItem("-");
        tray->AddMenuItem("&Start Timer", "start");
        tray->AddMenuItem("&Pause Timer", "pause");
        tray->AddMenuItem("-");
        tray->AddMenuItem("&E-Mail Dorvan", "Email");
        tray->AddMenuItem("&About...", "About");
        tray->AddMenuItem("-");
        tray->AddMenuItem("E&xit", "close");
    }

    TrayPanel panel;
    std::unique_ptr<SysTray> tray = makeTray();
};

TEST_F(SysTrayTest, LoadingShowsTheWindowIconWithTheDescriptionAsTip)
{
    const QIcon windowIcon = Square(Qt::darkBlue);
    QApplication::setWindowIcon(windowIcon);
    reload();

    EXPECT_TRUE(panel.shown);
    EXPECT_EQ(panel.tip, Description);
    EXPECT_EQ(panel.iconKey, windowIcon.cacheKey());
    EXPECT_EQ(panel.menu->objectName(), "mnuPopup");
}

TEST_F(SysTrayTest, ItemsAreNumberedFromZeroInTheOrderAdded)
{
    EXPECT_EQ(tray->AddMenuItem("&Open Earnmeter...", "open", true), 0);
    EXPECT_EQ(tray->AddMenuItem("-"), 1);
    EXPECT_EQ(tray->AddMenuItem("&Start Timer", "start"), 2);

    ASSERT_EQ(menu()->actions().size(), 3);
    EXPECT_EQ(item(0)->text(), "&Open Earnmeter...");
    EXPECT_TRUE(item(1)->isSeparator());
    EXPECT_EQ(item(2)->data().toString(), "start");
}

TEST_F(SysTrayTest, FirstItemIsTheDefaultUntilAnotherIsAddedAsDefault)
{
    tray->AddMenuItem("First");
    EXPECT_EQ(menu()->defaultAction(), item(0));

    tray->AddMenuItem("Second", "second", true);
    tray->AddMenuItem("Third", "third", false);

    EXPECT_EQ(menu()->defaultAction(), item(1));
}

TEST_F(SysTrayTest, OpenIsTheBoldDefaultOfTheProgramMenu)
{
    addProgramMenu();

    EXPECT_EQ(menu()->actions().size(), 9);
    EXPECT_EQ(menu()->defaultAction(), item(0));
    EXPECT_EQ(menu()->defaultAction()->data().toString(), "open");
}

TEST_F(SysTrayTest, ChosenItemReportsItsIndexAndKeyOnceTheMenuIsDone)
{
    addProgramMenu();
    QSignalSpy clicks(tray.get(), &SysTray::MenuClick);

    item(6)->trigger();
    EXPECT_EQ(clicks.count(), 0);
    QCoreApplication::processEvents();

    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 6);
    EXPECT_EQ(clicks.at(0).at(1).toString(), "About");
}

TEST_F(SysTrayTest, HandlerMayDeleteTheTrayWhenAnItemIsChosen)
{
    addProgramMenu();
    QString key;
    QObject::connect(tray.get(), &SysTray::MenuClick, tray.get(), [&](int, const QString& chosen) {
        key = chosen;
        tray.reset();
    });

    item(8)->trigger();
    QCoreApplication::processEvents();

    EXPECT_EQ(key, "close");
    EXPECT_FALSE(panel.shown);
}

TEST_F(SysTrayTest, TipIsCutToWhatTheTrayKeeps)
{
    tray->setToolTip(QString(63, 'a'));
    EXPECT_EQ(panel.tip, QString(63, 'a'));

    tray->setToolTip(QString(65, 'b'));
    EXPECT_EQ(panel.tip, QString(64, 'b'));
    EXPECT_EQ(tray->toolTip(), QString(64, 'b'));
    EXPECT_EQ(panel.tipSends, 2);
}

TEST_F(SysTrayTest, SameIconIsNotSentAgain)
{
    const QIcon bank = Square(Qt::darkGreen);
    tray->setIcon(bank);
    tray->setIcon(bank);
    tray->setIcon(QIcon(bank));
    EXPECT_EQ(panel.iconSends, 1);
    EXPECT_EQ(panel.iconKey, bank.cacheKey());

    tray->setIcon(Square(Qt::red));
    EXPECT_EQ(panel.iconSends, 2);
}

TEST_F(SysTrayTest, NullIconKeepsTheIconShown)
{
    const qint64 shown = panel.iconKey;
    tray->setIcon(QIcon());

    EXPECT_EQ(panel.iconSends, 0);
    EXPECT_EQ(panel.iconKey, shown);
}

TEST_F(SysTrayTest, ShowMenuOpensTheMenuOnlyOnce)
{
    addProgramMenu();
    QSignalSpy opened(menu(), &QMenu::aboutToShow);

    tray->ShowMenu();
    tray->ShowMenu();

    EXPECT_TRUE(menu()->isVisible());
    EXPECT_EQ(opened.count(), 1);
    menu()->hide();
}

// Where Qt draws the icon it opens the context menu on the right button's
// press before it reports the click; the owner's ShowMenu must not add a second.
TEST_F(SysTrayTest, RightClickGivesOneMenuWhenQtHasOpenedIt)
{
    addProgramMenu();
    QObject::connect(tray.get(), &SysTray::SysTrayMouseDown, tray.get(), [&](int button) {
        if (button == SysTray::RightButton)
            tray->ShowMenu();
    });
    QSignalSpy opened(menu(), &QMenu::aboutToShow);

    menu()->popup(QPoint(10, 10));
    panel.click(QSystemTrayIcon::Context);

    EXPECT_EQ(opened.count(), 1);
    menu()->hide();
}

TEST_F(SysTrayTest, EmptyMenuIsNotShown)
{
    tray->ShowMenu();
    EXPECT_FALSE(menu()->isVisible());
}

TEST_F(SysTrayTest, UnloadTakesTheIconOutAndSendsNothingMore)
{
    tray->unload();
    EXPECT_FALSE(panel.shown);

    tray->setToolTip("$1.00 (Earnmeter)");
    tray->setIcon(Square(Qt::yellow));
    EXPECT_EQ(panel.tipSends, 0);
    EXPECT_EQ(panel.iconSends, 0);
}

TEST_F(SysTrayTest, DestroyingTheTrayRemovesTheIcon)
{
    tray->setToolTip("$1.00 (Earnmeter)");
    tray.reset();
    EXPECT_FALSE(panel.shown);
}

QTimer* AvailabilityTimer(SysTray& tray)
{
    return tray.findChild<QTimer*>("tmrAvailability");
}

TEST_F(SysTrayTest, PresentTrayIsNeverLookedForAgain)
{
    EXPECT_TRUE(tray->available());
    EXPECT_FALSE(AvailabilityTimer(*tray)->isActive());
}

TEST_F(SysTrayTest, MissingTrayIsLookedForEveryFiveSecondsUntilItAppears)
{
    panel.available = false;
    reload();
    QSignalSpy changes(tray.get(), &SysTray::availabilityChanged);

    EXPECT_FALSE(tray->available());
    EXPECT_TRUE(panel.shown);
    ASSERT_TRUE(AvailabilityTimer(*tray)->isActive());
    EXPECT_EQ(AvailabilityTimer(*tray)->interval(), 5000);

    tray->checkAvailability();
    EXPECT_EQ(changes.count(), 0);

    panel.available = true;
    tray->checkAvailability();

    EXPECT_TRUE(tray->available());
    ASSERT_EQ(changes.count(), 1);
    EXPECT_TRUE(changes.at(0).at(0).toBool());
    EXPECT_FALSE(AvailabilityTimer(*tray)->isActive());
}

// How a click on the icon, as Qt reports it, reaches the owner.
struct ClickRow
{
    const char* name;
    QSystemTrayIcon::ActivationReason reason;
    int mouseDown; // button raised with SysTrayMouseDown, 0 for none
    int doubleClick;
};

void PrintTo(const ClickRow& row, std::ostream* out)
{
    *out << row.name;
}

class SysTrayClickTest : public SysTrayTest, public testing::WithParamInterface<ClickRow>
{};

TEST_P(SysTrayClickTest, RaisesTheEventOfTheClick)
{
    QSignalSpy downs(tray.get(), &SysTray::SysTrayMouseDown);
    QSignalSpy ups(tray.get(), &SysTray::SysTrayMouseUp);
    QSignalSpy moves(tray.get(), &SysTray::SysTrayMouseMove);
    QSignalSpy doubles(tray.get(), &SysTray::SysTrayDoubleClick);

    panel.click(GetParam().reason);

    ASSERT_EQ(downs.count(), GetParam().mouseDown ? 1 : 0);
    if (GetParam().mouseDown) {
        EXPECT_EQ(downs.at(0).at(0).toInt(), GetParam().mouseDown);
    }
    ASSERT_EQ(doubles.count(), GetParam().doubleClick ? 1 : 0);
    if (GetParam().doubleClick) {
        EXPECT_EQ(doubles.at(0).at(0).toInt(), GetParam().doubleClick);
    }
    EXPECT_EQ(ups.count(), 0);
    EXPECT_EQ(moves.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Clicks, SysTrayClickTest,
                         testing::Values(ClickRow{"LeftClick", QSystemTrayIcon::Trigger, SysTray::LeftButton, 0},
                                         ClickRow{"LeftDoubleClick", QSystemTrayIcon::DoubleClick, 0,
                                                  SysTray::LeftButton},
                                         ClickRow{"RightClick", QSystemTrayIcon::Context, SysTray::RightButton, 0},
                                         ClickRow{"MiddleClick", QSystemTrayIcon::MiddleClick, 0, 0},
                                         ClickRow{"UnknownReason", QSystemTrayIcon::Unknown, 0, 0}),
                         [](const testing::TestParamInfo<ClickRow>& info) { return std::string(info.param.name); });
} // namespace
