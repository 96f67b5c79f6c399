#include "WindowFixture.h"

#include "engine/Formats.h"

#include <limits>

namespace {

class FiguresFitTest : public WindowFixture
{
protected:
    static void expectTidy(QMainWindow& window)
    {
        SCOPED_TRACE(window.objectName().toStdString() + " showing " + label(window, "lblTotal"));
        // What the user sees and clicks, less the options' frame and the decoration lines drawn beneath.
        std::vector<QWidget*> all;
        for (QWidget* child : window.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->objectName().startsWith("Line") && child->objectName() != "fraWageType")
                all.push_back(child);
        const QRect area = window.centralWidget()->rect();
        for (QWidget* control : all) {
            EXPECT_TRUE(area.contains(control->geometry())) << control->objectName().toStdString();
            for (QWidget* other : all) {
                // Where a caption meets the box below it the layout leaves a one-pixel seam; more is a cover.
                const QRect shared = control->geometry().intersected(other->geometry());
                EXPECT_FALSE(control != other && shared.width() > 1 && shared.height() > 1)
                    << control->objectName().toStdString() << " covers " << other->objectName().toStdString();
            }
            if (auto* text = qobject_cast<QLabel*>(control)) {
                EXPECT_LE(text->sizeHint().width(), text->width()) << control->objectName().toStdString();
                // Only a rate beyond what 8 points can show is cut, and then told whole in its tooltip.
                const bool whole = text->toolTip().isEmpty() || text->toolTip().startsWith(QStringLiteral("Today"));
                EXPECT_TRUE(whole || control->objectName() == "lblCurrent") << control->objectName().toStdString();
            }
        }
        QWidget& pause = control(window, "cmdPause");
        EXPECT_EQ(window.centralWidget()->childAt(pause.geometry().center()), &pause);
    }
};

// The longest count, the largest totals either way, and the largest rate 8 points show whole.
TEST_F(FiguresFitTest, LargeAndNegativeTotalsShrinkInTheirBoxesAndCoverNoControl)
{
    for (const auto& [wage, countBefore, total] :
         {std::tuple{"360000000", 0, "$100000.00"},
          {"922337203685477.5807", std::numeric_limits<std::int32_t>::max() - 1, "$922337203685477.58"},
          {"-36000", 0, "$(10.00)"},
          {"-922337203685477.5808", 5399, "$(922337203685477.58)"}}) {
        host.runTimer().restoreCount(countBefore);
        typeWage(simple(), wage, Qt::Key_Return);
        tick();
        EXPECT_EQ(label(simple(), "lblTotal"), total);
        expectTidy(simple());
        switchMode();
        tick();
        EXPECT_EQ(label(advanced(), "lblTotal"), "$" + FormatMoney(host.runTimer().totalEarned()));
        expectTidy(advanced());
        prompt.queueAnswer(Answer::Yes);
        trigger(advanced(), "mnuFileReset");
        switchMode();
        expectTidy(simple());
    }
    switchMode();
    typeWage(advanced(), "99999999.99");
    click(advanced(), "cmdPeriodOK");
    EXPECT_EQ(label(advanced(), "lblCurrent"), "99999999.99");
    expectTidy(advanced());
}

} // namespace
