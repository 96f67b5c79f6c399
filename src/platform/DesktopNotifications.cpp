#include "platform/DesktopNotifications.h"

#include "platform/BusConnection.h"

#include <QTimer>

#include <dbus/dbus.h>

namespace {

constexpr const char* Service = "org.freedesktop.Notifications";
constexpr const char* Path = "/org/freedesktop/Notifications";
constexpr const char* ActionKey = "start";
constexpr int ReplyTimeoutMs = 5000;

void appendString(DBusMessageIter* into, const std::string& text)
{
    const char* chars = text.c_str();
    dbus_message_iter_append_basic(into, DBUS_TYPE_STRING, &chars);
}

// Notify's arguments: app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout.
DBusMessage* notifyCall(const std::string& text, const std::string& action)
{
    DBusMessage* call = dbus_message_new_method_call(Service, Path, Service, "Notify");
    if (call == nullptr)
        return nullptr;
    DBusMessageIter arguments, actions, hints, entry, value;
    dbus_message_iter_init_append(call, &arguments);
    appendString(&arguments, "Earnmeter");
    const dbus_uint32_t replaces = 0;
    dbus_message_iter_append_basic(&arguments, DBUS_TYPE_UINT32, &replaces);
    appendString(&arguments, "org.example.earnmeter");
    appendString(&arguments, "Earnmeter");
    appendString(&arguments, text);
    dbus_message_iter_open_container(&arguments, DBUS_TYPE_ARRAY, DBUS_TYPE_STRING_AS_STRING, &actions);
    if (!action.empty())
        appendString(&actions, ActionKey), appendString(&actions, action);
    dbus_message_iter_close_container(&arguments, &actions);
    dbus_message_iter_open_container(&arguments, DBUS_TYPE_ARRAY, "{sv}", &hints);
    dbus_message_iter_open_container(&hints, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
    appendString(&entry, "desktop-entry");
    dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, DBUS_TYPE_STRING_AS_STRING, &value);
    appendString(&value, "org.example.earnmeter");
    dbus_message_iter_close_container(&entry, &value);
    dbus_message_iter_close_container(&hints, &entry);
    dbus_message_iter_close_container(&arguments, &hints);
    const dbus_int32_t expires = -1;
    dbus_message_iter_append_basic(&arguments, DBUS_TYPE_INT32, &expires);
    return call;
}

DBusHandlerResult filter(DBusConnection*, DBusMessage* message, void* notifications)
{
    static_cast<DesktopNotifications*>(notifications)->heard(message);
    // Others on the connection may want it too.
    return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
}

// What the answer to a Notify with an action needs once it comes.
struct Waiting
{
    DesktopNotifications* notifications;
    std::weak_ptr<bool> alive;
    std::function<void()> onAction;
};

void answered(DBusPendingCall* pending, void* data)
{
    const auto* waiting = static_cast<Waiting*>(data);
    DBusMessage* reply = dbus_pending_call_steal_reply(pending);
    dbus_uint32_t id = 0;
    if (reply != nullptr && !waiting->alive.expired() &&
        dbus_message_get_args(reply, nullptr, DBUS_TYPE_UINT32, &id, DBUS_TYPE_INVALID))
        waiting->notifications->shown(id, waiting->onAction);
    if (reply != nullptr)
        dbus_message_unref(reply);
}

} // namespace

DesktopNotifications::DesktopNotifications(std::string address) : m_address(std::move(address)) {}

DesktopNotifications::~DesktopNotifications()
{
    if (m_bus)
        dbus_connection_remove_filter(m_bus->raw(), filter, this);
}

bool DesktopNotifications::connected()
{
    if (std::exchange(m_tried, true))
        return m_bus != nullptr;
    m_bus = BusConnection::open(m_address);
    if (!m_bus)
        return false;
    // Without an error to fill, the rules go out without waiting for the bus.
    dbus_bus_add_match(m_bus->raw(), "type='signal',interface='org.freedesktop.Notifications'", nullptr);
    dbus_connection_add_filter(m_bus->raw(), filter, this, nullptr);
    return true;
}

void DesktopNotifications::notify(const std::string& text, const std::string& action, std::function<void()> onAction)
{
    if (!connected())
        return;
    DBusMessage* call = notifyCall(text, onAction ? action : std::string());
    if (call == nullptr)
        return;
    DBusPendingCall* pending = nullptr;
    if (!onAction) {
        dbus_message_set_no_reply(call, true);
        dbus_connection_send(m_bus->raw(), call, nullptr);
    } else if (dbus_connection_send_with_reply(m_bus->raw(), call, &pending, ReplyTimeoutMs) && pending != nullptr) {
        auto* waiting = new Waiting{this, m_alive, std::move(onAction)};
        dbus_pending_call_set_notify(pending, answered, waiting,
                                     [](void* data) { delete static_cast<Waiting*>(data); });
        dbus_pending_call_unref(pending);
    }
    dbus_message_unref(call);
}

void DesktopNotifications::shown(std::uint32_t id, std::function<void()> onAction)
{
    m_actions[id] = std::move(onAction);
}

bool DesktopNotifications::heard(DBusMessage* signal)
{
    dbus_uint32_t id = 0;
    if (dbus_message_is_signal(signal, Service, "NotificationClosed") &&
        dbus_message_get_args(signal, nullptr, DBUS_TYPE_UINT32, &id, DBUS_TYPE_INVALID))
        return m_actions.erase(id) > 0;
    const char* key = nullptr;
    if (!dbus_message_is_signal(signal, Service, "ActionInvoked") ||
        !dbus_message_get_args(signal, nullptr, DBUS_TYPE_UINT32, &id, DBUS_TYPE_STRING, &key, DBUS_TYPE_INVALID))
        return false;
    const auto found = m_actions.find(id);
    if (found == m_actions.end() || std::string(key) != ActionKey)
        return false;
    // From the event loop: the action may open a box, and libdbus is dispatching now.
    QTimer::singleShot(0, this, [action = std::move(found->second)] { action(); });
    m_actions.erase(found);
    return true;
}
