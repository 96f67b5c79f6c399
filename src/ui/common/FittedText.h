#pragma once

#include <QString>

class QAbstractButton;
class QComboBox;
class QLabel;
class QWidget;

// Figures keep their boxes: a text too wide for its box at the layout's point
// size is drawn smaller, one point at a time, down to MinimumPoints, rather
// than widen the box over its neighbours or lose digits. At the floor the face
// is narrowed before anything is cut.
namespace FittedText {
inline constexpr qreal MinimumPoints = 8;

// Shows `text` at the largest size from `points` down that fits the label. A
// text that does not fit even then is cut at its end with an ellipsis, and the
// whole of it goes into the tooltip, above `tip`, the label's own tooltip.
void setText(QLabel* label, const QString& text, qreal points, const QString& tip = {});

// The same for a drop-down list: every entry fits the closed box.
void fitEntries(QComboBox* box, qreal points);

// The same for the buttons and check boxes placed on `parent`, each from its own
// size down, as a caption in another language may be longer.
void fitButtons(QWidget* parent);
// Both: the labels and the buttons of a window laid out at fixed places.
void fitCaptions(QWidget* parent);
} // namespace FittedText
