#include "WindowFixture.h"

#include "engine/Formats.h"

#include <QComboBox>
#include <QPushButton>
#include <QStyleOptionComboBox>

#include <limits>
#include <tuple>
#include <vector>

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

TEST_F(FiguresFitTest, LargeAndNegativeTotalsShrinkInTheirBoxesAndCoverNoControl)
{
    for (const auto& [wage, countBefore, total] : {std::tuple{"360000000", 0, "$100000.00"},
                                                   {"922337203685477.5807", 5399, "$922337203685477.58"},
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
}

TEST_F(FiguresFitTest, TheLongestCountAndTheLargestRateFitTheirBoxes)
{
    for (const auto& [count, shown] :
         {std::pair{3600 * 1000, "1000:00:00"}, {std::numeric_limits<std::int32_t>::max(), "596523:14:07"}}) {
        host.runTimer().restoreCount(count);
        EXPECT_EQ(label(simple(), "lblSeconds"), shown);
        expectTidy(simple());
        advanced().show();
        EXPECT_EQ(label(advanced(), "lblSeconds"), shown);
        expectTidy(advanced());
        advanced().hide();
    }
    switchMode();
    typeWage(advanced(), "99999999.99");
    click(advanced(), "cmdPeriodOK");
    EXPECT_EQ(label(advanced(), "lblCurrent"), "99999999.99");
    expectTidy(advanced());
    typeWage(advanced(), "922337203685477.58");
    click(advanced(), "cmdPeriodOK");
    EXPECT_EQ(control<QLabel>(advanced(), "lblCurrent").toolTip().toStdString(), "922337203685477.58");
}

TEST_F(FiguresFitTest, EveryPayPeriodIsReadableInTheClosedList)
{
    auto& periods = control<QComboBox>(advanced(), "cboPeriod");
    QStyleOptionComboBox option;
    option.initFrom(&periods);
    option.frame = true;
    const QRect field = periods.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField);
    ASSERT_EQ(periods.count(), 6);
    for (int i = 0; i < periods.count(); ++i)
        EXPECT_LE(periods.fontMetrics().horizontalAdvance(periods.itemText(i)), field.width() - 2)
            << periods.itemText(i).toStdString();
    EXPECT_GE(periods.font().pointSizeF(), 8);
}

} // namespace
