#include "platform/DesktopNotifications.h"

#include "PrivateBus.h"

#include <QTest>

#include <vector>

namespace {

// A notification server of the test's own on a private bus: it answers Notify
// with the next id and keeps each call's arguments.
class DesktopNotificationsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(bus.start());
        ASSERT_EQ(dbus_bus_request_name(bus.connection, "org.freedesktop.Notifications", 0, nullptr),
                  DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER);
    }

    // Serves calls until `count` notifications have come, within two seconds.
    bool serveUntil(std::size_t count)
    {
        return QTest::qWaitFor(
            [this, count] {
                dbus_connection_read_write(bus.connection, 0);
                while (DBusMessage* message = dbus_connection_pop_message(bus.connection)) {
                    if (dbus_message_is_method_call(message, "org.freedesktop.Notifications", "Notify"))
                        answer(message);
                    dbus_message_unref(message);
                }
                return received.size() >= count;
            },
            2000);
    }

    void answer(DBusMessage* call)
    {
        received.push_back(render(call));
        if (dbus_message_get_no_reply(call))
            return;
        DBusMessage* reply = dbus_message_new_method_return(call);
        const dbus_uint32_t id = static_cast<dbus_uint32_t>(received.size());
        dbus_message_append_args(reply, DBUS_TYPE_UINT32, &id, DBUS_TYPE_INVALID);
        dbus_connection_send(bus.connection, reply, nullptr);
        dbus_message_unref(reply);
    }

    void signal(const char* member, dbus_uint32_t id, const char* key)
    {
        DBusMessage* signal =
            dbus_message_new_signal("/org/freedesktop/Notifications", "org.freedesktop.Notifications", member);
        dbus_message_append_args(signal, DBUS_TYPE_UINT32, &id, DBUS_TYPE_INVALID);
        if (key != nullptr)
            dbus_message_append_args(signal, DBUS_TYPE_STRING, &key, DBUS_TYPE_INVALID);
        else
            dbus_message_append_args(signal, DBUS_TYPE_UINT32, &id, DBUS_TYPE_INVALID);
        dbus_connection_send(bus.connection, signal, nullptr);
        dbus_connection_flush(bus.connection);
        dbus_message_unref(signal);
    }

    PrivateBus bus;
    std::vector<std::string> received;
};

// A notification reaches the server as the program's; its Start, once chosen, runs; a closed one's never does.
TEST_F(DesktopNotificationsTest, ReachesTheServerAndItsActionRunsWhenChosen)
{
    DesktopNotifications notifications(bus.address);
    int started = 0;
    notifications.notify("Your working day ended at 17:00.", {}, {});
    notifications.notify("It is 09:00: start Earnmeter?", "Start", [&started] { ++started; });
    notifications.notify("It is 09:30: start Earnmeter?", "Start", [&started] { started += 10; });
    ASSERT_TRUE(serveUntil(3));
    const auto notify = [](const std::string& text, const std::string& actions) {
        return "'Earnmeter', uint32 0, 'org.example.earnmeter', 'Earnmeter', '" + text + "', [" + actions +
               "], [{'desktop-entry': <'org.example.earnmeter'>}], -1";
    };
    EXPECT_EQ(received, (std::vector<std::string>{notify("Your working day ended at 17:00.", ""),
                                                  notify("It is 09:00: start Earnmeter?", "'start', 'Start'"),
                                                  notify("It is 09:30: start Earnmeter?", "'start', 'Start'")}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.offering() == 2; }, 2000)) << "the ids came back";
    signal("NotificationClosed", 3, nullptr);
    signal("ActionInvoked", 2, "other");
    signal("ActionInvoked", 2, "start");
    signal("ActionInvoked", 3, "start");
    EXPECT_TRUE(QTest::qWaitFor([&started] { return started != 0; }, 2000));
    // One more round trip: every signal sent before it has been heard once its id is back.
    notifications.notify("later", "Start", [] {});
    ASSERT_TRUE(serveUntil(4));
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.offering() == 1; }, 2000));
    EXPECT_EQ(started, 1) << "the second notification's Start, once; the closed one's never";
    // Without a bus nothing is shown and nothing fails.
    DesktopNotifications("unix:path=/nonexistent/bus").notify("It is 09:00: start Earnmeter?", "Start", [] {});
}

} // namespace
