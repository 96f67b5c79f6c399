#include "ui/common/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

QColor mix(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](double a, double b) {
        return a + (b - a) * share;
    };
    return QColor::fromRgbF(static_cast<float>(channel(from.redF(), to.redF())),
                            static_cast<float>(channel(from.greenF(), to.greenF())),
                            static_cast<float>(channel(from.blueF(), to.blueF())));
}
} // namespace

namespace Contrast {
double ratio(const QColor& a, const QColor& b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableOn(const QColor& wanted, const QColor& background, double needed)
{
    if (ratio(wanted, background) >= needed)
        return wanted;
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const QColor towards = ratio(white, background) >= ratio(black, background) ? white : black;
    for (int step = 1; step < 20; ++step) {
        const QColor candidate = mix(wanted, towards, step / 20.0);
        if (ratio(candidate, background) >= needed)
            return candidate;
    }
    return towards;
}
} // namespace Contrast
