#pragma once

#include <QObject>

#include <memory>
#include <string>

struct DBusConnection;
struct DBusWatch;
struct DBusTimeout;

// A private session-bus connection served by this thread's event loop. What the
// program sends leaves from this thread at once: Qt's own connections hand every
// message to a thread of theirs, which a signal each second would wake (and which
// then preempts the thread that ticks).
class BusConnection final : public QObject
{
public:
    // The session bus, or the bus at `address` (tests); null when it cannot be reached.
    static std::unique_ptr<BusConnection> open(const std::string& address = {});
    // The system bus, or the bus at `address` (tests).
    static std::unique_ptr<BusConnection> openSystem(const std::string& address = {});
    ~BusConnection() override;

    DBusConnection* raw() const { return m_connection; }

private:
    explicit BusConnection(DBusConnection* connection);
    static std::unique_ptr<BusConnection> open(const std::string& address, bool system);
    void scheduleDispatch();
    void dispatch();

    static unsigned addWatch(DBusWatch* watch, void* self);
    static void removeWatch(DBusWatch* watch, void* self);
    static void toggleWatch(DBusWatch* watch, void* self);
    static unsigned addTimeout(DBusTimeout* timeout, void* self);
    static void removeTimeout(DBusTimeout* timeout, void* self);
    static void toggleTimeout(DBusTimeout* timeout, void* self);

    DBusConnection* m_connection;
    bool m_dispatchScheduled = false;
};
