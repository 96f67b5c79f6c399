#pragma once

#include <QRect>

// Layouts are given in twips: 15 to a pixel at 96 dpi. Qt scales logical pixels
// on high-DPI screens itself, so a twip is always a fifteenth of a logical pixel.
namespace Twips {
inline constexpr int PerPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + (twips >= 0 ? PerPixel / 2 : -PerPixel / 2)) / PerPixel;
}

constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
} // namespace Twips
