#include "platform/WindowFrame.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> Owned<Reply> own(Reply* reply)
{
    return Owned<Reply>(reply, &std::free);
}

xcb_atom_t frameExtentsAtom(xcb_connection_t* connection)
{
    static constexpr char name[] = "_NET_FRAME_EXTENTS";
    const auto reply =
        own(xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The frame's width left and above the client area: _NET_FRAME_EXTENTS, or none.
QPoint frameOffset(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_atom_t extents = frameExtentsAtom(connection);
    if (extents == XCB_ATOM_NONE)
        return {};
    const auto reply = own(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return {};
    const auto* sides = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return QPoint(static_cast<int>(sides[0]), static_cast<int>(sides[2])); // left, right, top, bottom
}

// Where the window's client area stands on the screen, as the server has it.
std::optional<QPoint> clientOrigin(xcb_connection_t* connection, xcb_window_t id)
{
    const auto geometry = own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    if (!geometry)
        return std::nullopt;
    const auto client = own(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, geometry->root, 0, 0), nullptr));
    if (!client)
        return std::nullopt;
    return QPoint(client->dst_x, client->dst_y);
}

} // namespace

std::optional<QPoint> x11FramePosition(const QWidget& window)
{
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr || !window.isVisible() ||
        !window.testAttribute(Qt::WA_WState_Created))
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const std::optional<QPoint> client = clientOrigin(connection, id);
    return client ? std::optional(*client - frameOffset(connection, id)) : std::nullopt;
}

void placeFrameAt(QWidget& window, const QPoint& frame)
{
    const std::optional<QPoint> real = x11FramePosition(window);
    if (!real || *real == frame || !window.windowHandle())
        return;
    // The client area moves by what the frame is off; Qt's own idea of where it is may be stale.
    QWindow& native = *window.windowHandle();
    native.setPosition(native.position() + (frame - *real));
}
