#pragma once

#include <QColor>

// Text must stay readable on light and dark themes alike: WCAG's contrast
// ratio, and a colour brought within it.
namespace Contrast {
inline constexpr double ForText = 4.5;

// From 1 (the same luminance) to 21 (black on white).
double ratio(const QColor& a, const QColor& b);

// `wanted` where it reads well enough on `background`; otherwise the first mix
// of it towards white or black (whichever stands further from the background)
// that does. The program's green total stays green on a dark window, only lighter.
QColor readableOn(const QColor& wanted, const QColor& background, double needed = ForText);
} // namespace Contrast
