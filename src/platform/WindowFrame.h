#pragma once

#include <QPoint>

#include <optional>

class QWidget;

// Where a shown window's outer frame stands, as the X server has it. Qt's own
// idea can be stale: under openbox a window placed before it is mapped keeps
// the position asked for as its client area's, so its frame reads a title bar
// too high and an exit that saves it makes the window creep up at every start.
// Nothing where there is no X server to ask (Wayland, offscreen) or the window
// is not shown.
std::optional<QPoint> x11FramePosition(const QWidget& window);

// Moves a shown window so that its frame stands at `frame`, where the window
// manager put it elsewhere (openbox places the client area where the frame
// was asked for). Nothing where it stands right or there is no X server.
void placeFrameAt(QWidget& window, const QPoint& frame);
