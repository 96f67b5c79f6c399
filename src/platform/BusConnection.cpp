#include "platform/BusConnection.h"

#include <QSocketNotifier>
#include <QTimer>

#include <dbus/dbus.h>

namespace {

// What the event loop keeps for one of libdbus's sockets: a notifier each for
// reading and writing, as libdbus asks for either or both.
struct WatchNotifiers
{
    std::unique_ptr<QSocketNotifier> read;
    std::unique_ptr<QSocketNotifier> write;
};

void enableAsAsked(DBusWatch* watch)
{
    auto* notifiers = static_cast<WatchNotifiers*>(dbus_watch_get_data(watch));
    const bool enabled = dbus_watch_get_enabled(watch);
    const unsigned flags = dbus_watch_get_flags(watch);
    if (notifiers->read)
        notifiers->read->setEnabled(enabled && (flags & DBUS_WATCH_READABLE));
    if (notifiers->write)
        notifiers->write->setEnabled(enabled && (flags & DBUS_WATCH_WRITABLE));
}

DBusConnection* connectTo(const std::string& address, DBusBusType bus)
{
    DBusError error;
    dbus_error_init(&error);
    DBusConnection* connection = nullptr;
    if (address.empty()) {
        connection = dbus_bus_get_private(bus, &error);
    } else if ((connection = dbus_connection_open_private(address.c_str(), &error)) != nullptr &&
               !dbus_bus_register(connection, &error)) {
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
        connection = nullptr;
    }
    dbus_error_free(&error);
    return connection;
}

} // namespace

std::unique_ptr<BusConnection> BusConnection::open(const std::string& address)
{
    return open(address, false);
}

std::unique_ptr<BusConnection> BusConnection::openSystem(const std::string& address)
{
    return open(address, true);
}

std::unique_ptr<BusConnection> BusConnection::open(const std::string& address, bool system)
{
    DBusConnection* connection = connectTo(address, system ? DBUS_BUS_SYSTEM : DBUS_BUS_SESSION);
    if (connection == nullptr)
        return nullptr;
    // A bus that goes away ends the service, not the program.
    dbus_connection_set_exit_on_disconnect(connection, false);
    return std::unique_ptr<BusConnection>(new BusConnection(connection));
}

BusConnection::BusConnection(DBusConnection* connection) : m_connection(connection)
{
    dbus_connection_set_watch_functions(m_connection, addWatch, removeWatch, toggleWatch, this, nullptr);
    dbus_connection_set_timeout_functions(m_connection, addTimeout, removeTimeout, toggleTimeout, this, nullptr);
    dbus_connection_set_dispatch_status_function(
        m_connection,
        [](DBusConnection*, DBusDispatchStatus status, void* self) {
            if (status == DBUS_DISPATCH_DATA_REMAINS)
                static_cast<BusConnection*>(self)->scheduleDispatch();
        },
        this, nullptr);
    // Messages may have come with the replies to registering.
    scheduleDispatch();
}

BusConnection::~BusConnection()
{
    // No flush: a bus daemon that reads nothing would hold the exit up. The name
    // is let go when the connection closes.
    dbus_connection_close(m_connection);
    dbus_connection_unref(m_connection);
}

void BusConnection::scheduleDispatch()
{
    if (std::exchange(m_dispatchScheduled, true))
        return;
    // Not from inside libdbus's own callbacks, which hold its lock.
    QTimer::singleShot(0, this, [this] { dispatch(); });
}

void BusConnection::dispatch()
{
    m_dispatchScheduled = false;
    while (dbus_connection_dispatch(m_connection) == DBUS_DISPATCH_DATA_REMAINS) {
    }
}

unsigned BusConnection::addWatch(DBusWatch* watch, void* self)
{
    auto* connection = static_cast<BusConnection*>(self);
    auto* notifiers = new WatchNotifiers;
    const int socket = dbus_watch_get_unix_fd(watch);
    const unsigned flags = dbus_watch_get_flags(watch);
    const auto make = [&](QSocketNotifier::Type type, unsigned condition) {
        auto notifier = std::make_unique<QSocketNotifier>(socket, type);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, connection, [connection, watch, condition] {
            dbus_watch_handle(watch, condition);
            connection->scheduleDispatch();
        });
        return notifier;
    };
    if (flags & DBUS_WATCH_READABLE)
        notifiers->read = make(QSocketNotifier::Read, DBUS_WATCH_READABLE);
    if (flags & DBUS_WATCH_WRITABLE)
        notifiers->write = make(QSocketNotifier::Write, DBUS_WATCH_WRITABLE);
    dbus_watch_set_data(watch, notifiers, [](void* data) { delete static_cast<WatchNotifiers*>(data); });
    enableAsAsked(watch);
    return true;
}

void BusConnection::removeWatch(DBusWatch* watch, void*)
{
    dbus_watch_set_data(watch, nullptr, nullptr);
}

void BusConnection::toggleWatch(DBusWatch* watch, void*)
{
    enableAsAsked(watch);
}

unsigned BusConnection::addTimeout(DBusTimeout* timeout, void* self)
{
    // Owned by libdbus, which frees it with the timeout.
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timeout] { dbus_timeout_handle(timeout); });
    dbus_timeout_set_data(timeout, timer, [](void* data) { delete static_cast<QTimer*>(data); });
    toggleTimeout(timeout, self);
    return true;
}

void BusConnection::removeTimeout(DBusTimeout* timeout, void*)
{
    dbus_timeout_set_data(timeout, nullptr, nullptr);
}

void BusConnection::toggleTimeout(DBusTimeout* timeout, void*)
{
    auto* timer = static_cast<QTimer*>(dbus_timeout_get_data(timeout));
    if (dbus_timeout_get_enabled(timeout))
        timer->start(dbus_timeout_get_interval(timeout));
    else
        timer->stop();
}
