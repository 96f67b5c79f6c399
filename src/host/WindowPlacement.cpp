#include "host/WindowPlacement.h"

#include "ui/common/Twips.h"

#include <QWidget>

#include <algorithm>
#include <limits>

namespace {

std::int16_t ToStoredTwips(int pixels)
{
    // The file holds 16-bit twips: a window beyond 2184 pixels is kept at the edge of that range.
    const int twips = Twips::fromPixels(pixels);
    return static_cast<std::int16_t>(
        std::clamp<int>(twips, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

QPoint framePosition(const QWidget& window)
{
    return window.isVisible() ? window.frameGeometry().topLeft() : window.pos();
}

} // namespace

WindowPlacement::WindowPlacement(QWidget& main) : m_main(main)
{
    // Until a position file says otherwise, the windows stand where an exit puts them.
    apply(WindowPositions{});
}

void WindowPlacement::attachAdvanced(QWidget& advanced)
{
    m_advanced = &advanced;
    m_advanced->move(m_advancedPosition);
}

WindowPositions WindowPlacement::current() const
{
    const QPoint main = framePosition(m_main);
    const QPoint advanced = m_advanced ? framePosition(*m_advanced) : m_advancedPosition;
    return {ToStoredTwips(main.x()), ToStoredTwips(main.y()), ToStoredTwips(advanced.x()), ToStoredTwips(advanced.y())};
}

void WindowPlacement::apply(const WindowPositions& positions)
{
    // Moving a top-level window places its outer frame; the sizes are fixed by the windows themselves.
    m_main.move(Twips::toPixels(positions.mainLeft), Twips::toPixels(positions.mainTop));
    m_advancedPosition = QPoint(Twips::toPixels(positions.advancedLeft), Twips::toPixels(positions.advancedTop));
    if (m_advanced)
        m_advanced->move(m_advancedPosition);
}
