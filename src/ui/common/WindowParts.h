#pragma once

#include <QString>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// Controls both working windows build the same way, placed in twips.
namespace WindowParts {
// The point size of the readouts and of most captions.
inline constexpr qreal ReadoutPoints = 9.75;

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height,
              Qt::Alignment alignment);
// The grey, bordered box that shows the elapsed time and the current rate.
QLabel* readout(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height,
                Qt::Alignment alignment);
// The green total, bold fixed-pitch.
QLabel* total(QWidget* parent, int left, int top);
QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height);
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height);
// A 2-pixel decoration line from one point to another (horizontal or vertical).
QFrame* line(QWidget* parent, const char* name, int x1, int y1, int x2, int y2);
} // namespace WindowParts
