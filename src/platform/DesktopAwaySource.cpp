#include "platform/DesktopAwaySource.h"

#include "platform/BusConnection.h"
#include "platform/WaylandIdle.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <dbus/dbus.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char* MutterName = "org.gnome.Mutter.IdleMonitor";
constexpr const char* SaverName = "org.freedesktop.ScreenSaver";
constexpr const char* LogindName = "org.freedesktop.login1";

Display* x11Display()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

bool hasOwner(BusConnection* bus, const char* name)
{
    return bus && dbus_bus_name_has_owner(bus->raw(), name, nullptr);
}

// logind's object path for a session id: every byte but a letter or a digit,
// and a digit first, as _ and two hexadecimal digits.
std::string sessionPath(const std::string& id)
{
    std::string path = "/org/freedesktop/login1/session/";
    for (std::size_t i = 0; i < id.size(); ++i) {
        const auto c = static_cast<unsigned char>(id[i]);
        if (std::isalpha(c) || (std::isdigit(c) && i > 0)) {
            path += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "_%02x", c);
            path += escaped;
        }
    }
    return path;
}

DBusHandlerResult filter(DBusConnection*, DBusMessage* message, void* source)
{
    static_cast<DesktopAwaySource*>(source)->heard(message);
    return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
}

bool boolArgument(DBusMessage* message, bool& value)
{
    dbus_bool_t flag = false;
    if (!dbus_message_get_args(message, nullptr, DBUS_TYPE_BOOLEAN, &flag, DBUS_TYPE_INVALID))
        return false;
    value = flag;
    return true;
}

void listen(BusConnection* bus, const char* rule, void* source)
{
    // Without an error to fill, the rule goes out without waiting for the bus.
    dbus_bus_add_match(bus->raw(), rule, nullptr);
    dbus_connection_add_filter(bus->raw(), filter, source, nullptr);
}

} // namespace

DesktopAwaySource::DesktopAwaySource(std::string sessionAddress, std::string systemAddress)
    : m_sessionAddress(std::move(sessionAddress)), m_systemAddress(std::move(systemAddress))
{}

DesktopAwaySource::~DesktopAwaySource()
{
    // Only where a filter was added: libdbus complains of any other.
    if (m_session && m_screenSaver)
        dbus_connection_remove_filter(m_session->raw(), filter, this);
    if (m_system && m_logind)
        dbus_connection_remove_filter(m_system->raw(), filter, this);
}

void DesktopAwaySource::watch(std::int64_t thresholdSeconds)
{
    begin();
    if (m_waylandIdle)
        m_wayland->watch(thresholdSeconds);
}

void DesktopAwaySource::begin()
{
    if (std::exchange(m_begun, true))
        return;
    // Under Wayland the X server (Xwayland) sees only its own clients' input.
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland && *wayland) {
        m_wayland = std::make_unique<WaylandIdle>();
        m_waylandIdle = m_wayland->open();
    }
    int event = 0, error = 0;
    Display* display = m_waylandIdle ? nullptr : x11Display();
    m_x11Idle = display && XScreenSaverQueryExtension(display, &event, &error);
    m_session = BusConnection::open(m_sessionAddress);
    m_system = BusConnection::openSystem(m_systemAddress);
    m_mutterIdle = !m_waylandIdle && !m_x11Idle && hasOwner(m_session.get(), MutterName);
    if ((m_screenSaver = hasOwner(m_session.get(), SaverName)))
        listen(m_session.get(), "type='signal',interface='org.freedesktop.ScreenSaver',member='ActiveChanged'", this);
    if ((m_logind = hasOwner(m_system.get(), LogindName))) {
        if (const char* id = std::getenv("XDG_SESSION_ID"); id && *id)
            m_sessionPath = sessionPath(id);
        listen(m_system.get(), "type='signal',interface='org.freedesktop.login1.Manager',member='PrepareForSleep'",
               this);
        if (!m_sessionPath.empty())
            dbus_bus_add_match(
                m_system->raw(),
                ("type='signal',interface='org.freedesktop.login1.Session',path='" + m_sessionPath + "'").c_str(),
                nullptr);
    }
}

std::optional<std::int64_t> DesktopAwaySource::idleSeconds()
{
    if (m_waylandIdle)
        return m_wayland->idleSeconds();
    if (m_x11Idle) {
        XScreenSaverInfo* info = XScreenSaverAllocInfo();
        const bool read = info && XScreenSaverQueryInfo(x11Display(), DefaultRootWindow(x11Display()), info);
        const std::int64_t idle = read ? static_cast<std::int64_t>(info->idle / 1000) : -1;
        XFree(info);
        return idle >= 0 ? std::optional(idle) : std::nullopt;
    }
    if (!m_mutterIdle)
        return std::nullopt;
    DBusMessage* call =
        dbus_message_new_method_call(MutterName, "/org/gnome/Mutter/IdleMonitor/Core", MutterName, "GetIdletime");
    // Asked only as often as the threshold needs; a short wait on a live compositor.
    DBusMessage* reply =
        call ? dbus_connection_send_with_reply_and_block(m_session->raw(), call, 250, nullptr) : nullptr;
    dbus_uint64_t milliseconds = 0;
    const bool read =
        reply && dbus_message_get_args(reply, nullptr, DBUS_TYPE_UINT64, &milliseconds, DBUS_TYPE_INVALID);
    for (DBusMessage* message : {call, reply})
        if (message)
            dbus_message_unref(message);
    return read ? std::optional(static_cast<std::int64_t>(milliseconds / 1000)) : std::nullopt;
}

std::vector<std::string> DesktopAwaySource::ways() const
{
    std::vector<std::string> ways;
    if (m_waylandIdle)
        ways.emplace_back(m_wayland->protocol());
    if (m_x11Idle)
        ways.emplace_back(QT_TRANSLATE_NOOP("AwayWays", "the X server's idle time"));
    if (m_mutterIdle)
        ways.emplace_back(QT_TRANSLATE_NOOP("AwayWays", "GNOME's idle monitor"));
    if (m_screenSaver || !m_sessionPath.empty())
        ways.emplace_back(QT_TRANSLATE_NOOP("AwayWays", "the screen lock"));
    if (m_logind)
        ways.emplace_back(QT_TRANSLATE_NOOP("AwayWays", "suspend and resume"));
    return ways;
}

void DesktopAwaySource::heard(DBusMessage* signal)
{
    if (dbus_message_get_type(signal) != DBUS_MESSAGE_TYPE_SIGNAL)
        return;
    const char* path = dbus_message_get_path(signal);
    if (dbus_message_is_signal(signal, "org.freedesktop.ScreenSaver", "ActiveChanged"))
        boolArgument(signal, m_screenLocked);
    else if (dbus_message_is_signal(signal, "org.freedesktop.login1.Manager", "PrepareForSleep"))
        boolArgument(signal, m_asleep);
    else if (path && path == m_sessionPath && dbus_message_is_signal(signal, "org.freedesktop.login1.Session", "Lock"))
        m_sessionLocked = true;
    else if (path && path == m_sessionPath &&
             dbus_message_is_signal(signal, "org.freedesktop.login1.Session", "Unlock"))
        m_sessionLocked = false;
    else
        return;
    tell();
}

void DesktopAwaySource::tell()
{
    const bool away = m_screenLocked || m_sessionLocked || m_asleep;
    if (away != std::exchange(m_away, away) && onAway)
        onAway(away);
}
