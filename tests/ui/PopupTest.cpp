#include "WindowFixture.h"

#include <QMenuBar>

#include <vector>

namespace {

using PopupTest = WindowFixture;
using Captions = std::vector<std::string>;

struct PopupRow
{
    const char* name;
    WindowId window;
    const char* target; // empty: the window's background
    Qt::MouseButton button;
    bool opens;
};

class RightButtonPopup : public WindowFixture, public ::testing::WithParamInterface<PopupRow>
{
protected:
    // A point of the client area where no control stands.
    static QPoint background(QWidget& area)
    {
        for (int y = 1; y < area.height(); y += 3)
            for (int x = 1; x < area.width(); x += 3)
                if (area.childAt(x, y) == nullptr)
                    return {x, y};
        throw std::runtime_error("no background left to click");
    }
};

TEST_P(RightButtonPopup, OpensOnlyOverTheNamedControls)
{
    if (GetParam().window == WindowId::Advanced)
        switchMode();
    QMainWindow& window = GetParam().window == WindowId::Main ? static_cast<QMainWindow&>(mainWindow())
                                                              : static_cast<QMainWindow&>(advancedWindow());
    if (*GetParam().target == '\0') {
        QWidget& area = *window.centralWidget();
        QTest::mouseClick(&area, GetParam().button, Qt::NoModifier, background(area));
    } else {
        clickNearLeft(control(window, GetParam().target), GetParam().button);
    }
    EXPECT_EQ(popupMenu().isVisible(), GetParam().opens);
    popupMenu().close();
}

INSTANTIATE_TEST_SUITE_P(
    BothWindows, RightButtonPopup,
    ::testing::Values(PopupRow{"MainBackground", WindowId::Main, "", Qt::RightButton, true},
                      PopupRow{"MainWageCaption", WindowId::Main, "lblGeneric1", Qt::RightButton, true},
                      PopupRow{"MainElapsedTime", WindowId::Main, "lblSeconds", Qt::RightButton, true},
                      PopupRow{"MainTotal", WindowId::Main, "lblTotal", Qt::RightButton, true},
                      PopupRow{"MainElapsedCaptionNot", WindowId::Main, "Label1", Qt::RightButton, false},
                      PopupRow{"MainLeftButtonNot", WindowId::Main, "lblTotal", Qt::LeftButton, false},
                      PopupRow{"MainBackgroundLeftButtonNot", WindowId::Main, "", Qt::LeftButton, false},
                      PopupRow{"AdvancedBackground", WindowId::Advanced, "", Qt::RightButton, true},
                      PopupRow{"AdvancedTotal", WindowId::Advanced, "lblTotal", Qt::RightButton, true},
                      PopupRow{"AdvancedDreamWage", WindowId::Advanced, "optMaxWage", Qt::RightButton, true},
                      PopupRow{"AdvancedMinimumWage", WindowId::Advanced, "optMinWage", Qt::RightButton, true},
                      PopupRow{"AdvancedElapsedTimeNot", WindowId::Advanced, "lblSeconds", Qt::RightButton, false},
                      PopupRow{"AdvancedElapsedCaptionNot", WindowId::Advanced, "Label1", Qt::RightButton, false},
                      PopupRow{"AdvancedMyWageNot", WindowId::Advanced, "optRegWage", Qt::RightButton, false},
                      PopupRow{"AdvancedStartNot", WindowId::Advanced, "cmdStart", Qt::RightButton, false},
                      PopupRow{"AdvancedLeftButtonNot", WindowId::Advanced, "optMaxWage", Qt::LeftButton, false}),
    RowName());

Captions CaptionsOf(const QWidget& menu)
{
    Captions captions;
    for (const QAction* action : menu.actions())
        captions.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return captions;
}

TEST_F(PopupTest, PopupOffersResetCopyAndExitAndNeverShowsInTheMenuBar)
{
    EXPECT_EQ(CaptionsOf(popupMenu()), Captions({"&Reset Timer...", "-", "&Copy to Clipboard", "-", "E&xit"}));
    EXPECT_EQ(CaptionsOf(control<QMenu>(mainWindow(), "mnuHiddenClip")),
              Captions({"Elapsed &Time", "Calculated &Wage"}));
    EXPECT_EQ(CaptionsOf(*mainWindow().menuBar()), Captions({"&File", "&Edit", "&Help"}));
    EXPECT_EQ(CaptionsOf(*advancedWindow().menuBar()), Captions({"&File", "&Edit", "&Help"}));
}

} // namespace
