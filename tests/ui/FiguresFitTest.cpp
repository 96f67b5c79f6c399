#include "WindowFixture.h"

#include "engine/Formats.h"

#include <limits>

namespace {

class FiguresFitTest : public WindowFixture
{
protected:
    // What the user sees and clicks: the area's controls, less the frame round the
    // options and the decoration lines, which are drawn beneath them.
    static std::vector<QWidget*> controls(QMainWindow& window)
    {
        std::vector<QWidget*> found;
        for (QWidget* child : window.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString name = child->objectName();
            if (!name.startsWith("Line") && name != "fraWageType")
                found.push_back(child);
        }
        return found;
    }

    // Where a caption meets the box below it the layout leaves a one-pixel seam; more is a cover.
    static bool covers(const QWidget* a, const QWidget* b)
    {
        const QRect shared = a->geometry().intersected(b->geometry());
        return shared.width() > 1 && shared.height() > 1;
    }

    static void expectTidy(QMainWindow& window)
    {
        SCOPED_TRACE(window.objectName().toStdString() + " showing " + label(window, "lblTotal"));
        const std::vector<QWidget*> all = controls(window);
        const QRect area = window.centralWidget()->rect();
        for (QWidget* control : all) {
            EXPECT_TRUE(area.contains(control->geometry())) << control->objectName().toStdString();
            for (QWidget* other : all)
                EXPECT_FALSE(control != other && covers(control, other))
                    << control->objectName().toStdString() << " covers " << other->objectName().toStdString();
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

    void resetTimer()
    {
        prompt.answers.queueAnswer(Answer::Yes);
        trigger(host.liveWindow(), "mnuFileReset");
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
        resetTimer();
        expectTidy(advanced());
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
