#include "host/WindowPlacement.h"

#include "platform/WindowFrame.h"
#include "ui/common/Twips.h"

#include <QEvent>
#include <QTimer>
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
    if (const std::optional<QPoint> real = x11FramePosition(window))
        return *real;
    return window.isVisible() ? window.frameGeometry().topLeft() : window.pos();
}

} // namespace

WindowPlacement::WindowPlacement(QWidget& main) : m_main(main)
{
    follow(main);
    // Until a position file says otherwise, the windows stand where an exit puts them.
    apply(WindowPositions{});
}

void WindowPlacement::attachAdvanced(QWidget& advanced)
{
    m_advanced = &advanced;
    follow(advanced);
    m_advanced->move(m_advancedPosition);
    m_frames[m_advanced] = m_advancedPosition;
}

void WindowPlacement::follow(QWidget& window)
{
    window.installEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Hide && !m_unplaced.count(window)) {
        // Where the user left it, as the server has it, before it goes.
        if (const std::optional<QPoint> real = x11FramePosition(*window))
            m_frames[window] = *real;
    } else if (event->type() == QEvent::Show && m_frames.count(window)) {
        m_unplaced.insert(window);
        placeOnceFramed(*window);
    } else if (event->type() == QEvent::WindowStateChange && !window->isMinimized() && m_unplaced.count(window)) {
        placeOnceFramed(*window);
    }
    return false;
}

// A window minimized before it was placed is placed once restored: moving it
// while minimized brings it back (openbox), and where it stood meanwhile is
// the window manager's guess, not the user's.
void WindowPlacement::placeOnceFramed(QWidget& window)
{
    QTimer::singleShot(FramedAfterMs, &window, [this, &window] {
        if (window.isMinimized() || !m_unplaced.erase(&window))
            return;
        placeFrameAt(window, m_frames[&window]);
    });
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
    const QPoint main(Twips::toPixels(positions.mainLeft), Twips::toPixels(positions.mainTop));
    m_main.move(main);
    m_frames[&m_main] = main;
    m_advancedPosition = QPoint(Twips::toPixels(positions.advancedLeft), Twips::toPixels(positions.advancedTop));
    if (m_advanced) {
        m_advanced->move(m_advancedPosition);
        m_frames[m_advanced] = m_advancedPosition;
    }
}
