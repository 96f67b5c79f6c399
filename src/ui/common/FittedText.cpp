#include "ui/common/FittedText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QStyle>
#include <QLabel>

#include <algorithm>

namespace {

// Tries the sizes from `points` down to the floor, and there narrower widths of
// the face, until `fits` holds.
template <typename Widget, typename Fits> void stepDown(Widget* widget, qreal points, Fits fits)
{
    QFont font = widget->font();
    const auto tryFont = [&](qreal size, int stretch) {
        if (font.pointSizeF() != size || font.stretch() != stretch) {
            font.setPointSizeF(size);
            font.setStretch(stretch);
            widget->setFont(font);
        }
        return fits(widget);
    };
    for (qreal size = points; size > FittedText::MinimumPoints; --size)
        if (tryFont(size, QFont::Unstretched))
            return;
    for (int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed})
        if (tryFont(FittedText::MinimumPoints, stretch))
            return;
}

bool labelFits(const QLabel* label)
{
    return label->sizeHint().width() <= label->width();
}

// What is left for the text once the frame, margin and indent are taken.
int textRoom(const QLabel* label)
{
    const int room = label->width() + label->fontMetrics().horizontalAdvance(label->text());
    return room - label->sizeHint().width();
}

// A push button's caption within its frame's margins; a check box's or an
// option's with its indicator, as its size hint says (a push button's hint has
// a minimum width of its own).
bool buttonFits(const QAbstractButton* button)
{
    if (!qobject_cast<const QPushButton*>(button))
        return button->sizeHint().width() <= button->width();
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    QString caption = button->text();
    caption.remove(QLatin1Char('&'));
    return button->fontMetrics().horizontalAdvance(caption) + 2 * margin <= button->width();
}

// The whole figure, where it is cut, stays within reach of the mouse and of a
// screen reader; set only when it changes, as a figure is shown anew each second.
void keepWithinReach(QLabel* label, const QString& whole, const QString& tip)
{
    const QString shownTip = whole.isEmpty() || tip.isEmpty() ? whole + tip : whole + QLatin1Char('\n') + tip;
    if (label->toolTip() != shownTip)
        label->setToolTip(shownTip);
    if (label->accessibleName() != whole)
        label->setAccessibleName(whole);
}

} // namespace

namespace FittedText {

void setText(QLabel* label, const QString& text, qreal points, const QString& tip)
{
    if (label->text() != text)
        label->setText(text);
    stepDown(label, points, labelFits);
    const bool cut = !labelFits(label);
    keepWithinReach(label, cut ? text : QString(), tip);
    if (cut)
        label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, textRoom(label)));
}

void fitEntries(QComboBox* box, qreal points)
{
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    stepDown(box, points, [](const QComboBox* fitted) { return fitted->sizeHint().width() <= fitted->width(); });
}

void fitButtons(QWidget* parent)
{
    for (QAbstractButton* button : parent->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        if (!buttonFits(button))
            stepDown(button, button->font().pointSizeF(), buttonFits);
}

void fitCaptions(QWidget* parent)
{
    for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!labelFits(label))
            setText(label, label->text(), label->font().pointSizeF(), label->toolTip());
    fitButtons(parent);
}

} // namespace FittedText
