#include "platform/DbusMeter.h"

#include "fakes/FakeMeter.h"

#include <QProcess>
#include <QTest>

#include <dbus/dbus.h>
#include <gtest/gtest.h>

#include <future>

namespace {

const MeterStatus Running{Phase::Running, 7, Currency::fromUnits(700), Currency::fromUnits(360'000), false};
constexpr const char* Meter = "org.example.earnmeter.Meter";
constexpr const char* Properties = "org.freedesktop.DBus.Properties";

// A message's arguments as gdbus prints them: 'text', 7, <variant>, [array], {key: value}.
std::string render(DBusMessageIter* iterator)
{
    std::string text;
    for (bool more = dbus_message_iter_get_arg_type(iterator) != DBUS_TYPE_INVALID; more;
         more = dbus_message_iter_next(iterator)) {
        if (!text.empty())
            text += ", ";
        const int type = dbus_message_iter_get_arg_type(iterator);
        if (type == DBUS_TYPE_STRING) {
            const char* value = nullptr;
            dbus_message_iter_get_basic(iterator, &value);
            text += "'" + std::string(value) + "'";
        } else if (type == DBUS_TYPE_INT32) {
            dbus_int32_t value = 0;
            dbus_message_iter_get_basic(iterator, &value);
            text += std::to_string(value);
        } else if (type == DBUS_TYPE_INT64) {
            dbus_int64_t value = 0;
            dbus_message_iter_get_basic(iterator, &value);
            text += "int64 " + std::to_string(value);
        } else {
            DBusMessageIter inner;
            dbus_message_iter_recurse(iterator, &inner);
            std::string content = render(&inner);
            if (type == DBUS_TYPE_VARIANT)
                text += "<" + content + ">";
            else if (type == DBUS_TYPE_DICT_ENTRY)
                text += "{" + content.replace(content.find(", "), 2, ": ") + "}";
            else
                text += "[" + content + "]";
        }
    }
    return text;
}

std::string render(DBusMessage* message)
{
    DBusMessageIter arguments;
    dbus_message_iter_init(message, &arguments);
    return render(&arguments);
}

// A private bus for each test, and a client on it that calls from a thread of
// its own while the test's event loop serves the meter.
class DbusMeterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                     QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
        ASSERT_TRUE(daemon.waitForReadyRead(5000)) << "dbus-daemon did not start";
        address = daemon.readLine().trimmed().toStdString();
        client = dbus_connection_open_private(address.c_str(), nullptr);
        ASSERT_NE(client, nullptr);
        ASSERT_TRUE(dbus_bus_register(client, nullptr));
        meter.current = Running;
        published = DbusMeter::publish(meter, address);
        ASSERT_NE(published, nullptr);
    }

    void TearDown() override
    {
        published.reset();
        if (client != nullptr) {
            dbus_connection_close(client);
            dbus_connection_unref(client);
        }
        daemon.kill();
        daemon.waitForFinished();
    }

    // Calls `member` with the string arguments given and renders the answer.
    std::string call(const char* interface, const char* member, std::vector<const char*> strings = {})
    {
        DBusMessage* message =
            dbus_message_new_method_call(DbusMeter::ServiceName, DbusMeter::ObjectPath, interface, member);
        for (const char*& text : strings)
            dbus_message_append_args(message, DBUS_TYPE_STRING, &text, DBUS_TYPE_INVALID);
        return send(message);
    }

    // Sends the call from a thread of its own and renders the answer: its
    // arguments, or "error " and the error's name.
    std::string send(DBusMessage* message)
    {
        auto answer = std::async(std::launch::async, [this, message] {
            DBusError error;
            dbus_error_init(&error);
            DBusMessage* reply = dbus_connection_send_with_reply_and_block(client, message, 5000, &error);
            dbus_message_unref(message);
            const std::string text = reply != nullptr ? render(reply) : std::string("error ") + error.name;
            if (reply != nullptr)
                dbus_message_unref(reply);
            dbus_error_free(&error);
            return text;
        });
        EXPECT_TRUE(QTest::qWaitFor(
            [&answer] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
        return answer.get();
    }

    // The next PropertiesChanged the client hears within five seconds, or "".
    std::string nextChange()
    {
        std::string heard;
        (void)QTest::qWaitFor(
            [this, &heard] {
                dbus_connection_read_write(client, 0);
                while (DBusMessage* message = dbus_connection_pop_message(client)) {
                    if (heard.empty() && dbus_message_is_signal(message, Properties, "PropertiesChanged"))
                        heard = render(message);
                    dbus_message_unref(message);
                }
                return !heard.empty();
            },
            1000);
        return heard;
    }

    QProcess daemon;
    std::string address;
    DBusConnection* client = nullptr;
    FakeMeter meter;
    std::unique_ptr<DbusMeter> published;
};

struct CallCase
{
    const char* interface;
    const char* member;
    std::vector<const char*> arguments;
    std::string answer;
};

// What a client asks, right or wrong, gets an answer and leaves the meter as it was.
TEST_F(DbusMeterTest, EveryCallIsAnsweredWithTheFiguresOrANamedError)
{
    const std::vector<CallCase> cases = {
        {Meter, "Status", {}, "'" + statusJson(Running, DayFigures{}) + "'"},
        {nullptr, "Status", {}, "'" + statusJson(Running, DayFigures{}) + "'"},
        {Properties, "Get", {Meter, "Total"}, "<'0.0700'>"},
        {Properties, "Get", {Meter, "State"}, "<'running'>"},
        {Properties, "Get", {"", "Elapsed"}, "<7>"},
        {Properties,
         "GetAll",
         {Meter},
         "[{'Elapsed': <7>}, {'HourlyWage': <'36.0000'>}, {'State': <'running'>}, {'Today': <'0.0000'>}, "
         "{'TodaySeconds': <int64 0>}, {'Total': <'0.0700'>}]"},
        {Properties, "Get", {Meter, "TodaySeconds"}, "<int64 0>"},
        {Properties, "Get", {Meter, "Nope"}, "error org.freedesktop.DBus.Error.UnknownProperty"},
        {Properties, "Get", {"org.example.Other", "Total"}, "error org.freedesktop.DBus.Error.UnknownInterface"},
        {Properties, "Get", {Meter}, "error org.freedesktop.DBus.Error.InvalidArgs"},
        {Properties, "GetAll", {"org.example.Other"}, "error org.freedesktop.DBus.Error.UnknownInterface"},
        {Properties, "GetAll", {}, "error org.freedesktop.DBus.Error.InvalidArgs"},
        {Properties, "Set", {Meter, "Total"}, "error org.freedesktop.DBus.Error.InvalidArgs"},
        {Meter, "Status", {"please"}, "error org.freedesktop.DBus.Error.InvalidArgs"},
        {Meter, "Start", {"now"}, "error org.freedesktop.DBus.Error.InvalidArgs"},
        {Meter, "Frob", {}, "error org.freedesktop.DBus.Error.UnknownMethod"},
        {"org.example.Other", "Status", {}, "error org.freedesktop.DBus.Error.UnknownMethod"},
        {"org.freedesktop.DBus.Peer", "Ping", {}, ""},
    };
    for (const CallCase& c : cases)
        EXPECT_EQ(call(c.interface, c.member, c.arguments), c.answer) << c.member;
    EXPECT_TRUE(meter.performed.empty());
}

TEST_F(DbusMeterTest, SettingAPropertyIsRefusedAsReadOnly)
{
    DBusMessage* message =
        dbus_message_new_method_call(DbusMeter::ServiceName, DbusMeter::ObjectPath, Properties, "Set");
    DBusMessageIter arguments, variant;
    dbus_message_iter_init_append(message, &arguments);
    for (const char* text : {Meter, "Total"})
        dbus_message_iter_append_basic(&arguments, DBUS_TYPE_STRING, &text);
    const char* value = "1000000";
    dbus_message_iter_open_container(&arguments, DBUS_TYPE_VARIANT, "s", &variant);
    dbus_message_iter_append_basic(&variant, DBUS_TYPE_STRING, &value);
    dbus_message_iter_close_container(&arguments, &variant);
    EXPECT_EQ(send(message), "error org.freedesktop.DBus.Error.PropertyReadOnly");
    EXPECT_EQ(call(Properties, "Get", {Meter, "Total"}), "<'0.0700'>");
}

// Only the meter's path has an object; the paths on the way to it list their children.
TEST_F(DbusMeterTest, AnotherPathHasNoObjectAndTheWayThereIsIntrospected)
{
    for (const auto& [path, interface, member, answer] :
         {std::tuple{"/org/example/other", Meter, "Status", "error org.freedesktop.DBus.Error.UnknownObject"},
          {"/org/example/earnmeter/more", Meter, "Start", "error org.freedesktop.DBus.Error.UnknownObject"},
          {"/org/example", "org.freedesktop.DBus.Introspectable", "Introspect", "<node name=\"earnmeter\"/>"}}) {
        const std::string heard = send(dbus_message_new_method_call(DbusMeter::ServiceName, path, interface, member));
        EXPECT_NE(heard.find(answer), std::string::npos) << path << ": " << heard;
    }
    EXPECT_TRUE(meter.performed.empty());
}

// The description names the meter's interface and the standard ones gdbus and d-feet read.
TEST_F(DbusMeterTest, TheObjectDescribesItsInterfaceAndTheStandardOnes)
{
    const std::string xml = call("org.freedesktop.DBus.Introspectable", "Introspect");
    for (const char* part :
         {"<interface name=\"org.example.earnmeter.Meter\">", "<property name=\"Elapsed\" type=\"i\"",
          "<interface name=\"org.freedesktop.DBus.Properties\">", "</node>"})
        EXPECT_NE(xml.find(part), std::string::npos) << part;
}

// The caller is answered first; the command runs from the event loop after.
TEST_F(DbusMeterTest, CommandsAreAnsweredThenCarriedOutInOrder)
{
    for (const char* member : {"Start", "Pause", "Toggle", "Show"})
        EXPECT_EQ(call(Meter, member), "") << member;
    EXPECT_TRUE(QTest::qWaitFor([this] { return meter.performed.size() == 4; }));
    EXPECT_EQ(meter.performed, (std::vector<RemoteCommand>{RemoteCommand::Start, RemoteCommand::Pause,
                                                           RemoteCommand::Toggle, RemoteCommand::Show}));
}

// Only what changed is announced, and nothing when nothing did.
TEST_F(DbusMeterTest, PropertiesChangedCarriesOnlyTheFiguresThatChanged)
{
    DBusError error;
    dbus_error_init(&error); // with an error to fill, the rule is in place when the call returns
    dbus_bus_add_match(client, "type='signal',interface='org.freedesktop.DBus.Properties'", &error);
    ASSERT_FALSE(dbus_error_is_set(&error));
    MeterStatus next = Running;
    next.elapsedSeconds = 8;
    next.total = Currency::fromUnits(800);
    meter.dayFigures.today = {{8, Currency::fromUnits(800)}, true};
    meter.change(next);
    EXPECT_EQ(nextChange(), "'org.example.earnmeter.Meter', [{'Elapsed': <8>}, {'Today': <'0.0800'>}, "
                            "{'TodaySeconds': <int64 8>}, {'Total': <'0.0800'>}], []")
        << "today's figure, not read before anyone asked, is news with the first change";
    meter.change(next);
    next.phase = Phase::Paused;
    meter.change(next);
    EXPECT_EQ(nextChange(), "'org.example.earnmeter.Meter', [{'State': <'paused'>}], []") << "the repeat said nothing";
}

// A second copy on another data folder finds the name taken and runs without it;
// an unreachable bus is no bus.
TEST_F(DbusMeterTest, TheNameStaysTheFirstCopysAndNoBusIsNoService)
{
    FakeMeter other;
    EXPECT_EQ(DbusMeter::publish(other, address), nullptr);
    EXPECT_EQ(DbusMeter::publish(other, "unix:path=/nonexistent/bus"), nullptr);
    EXPECT_EQ(call(Meter, "Status"), "'" + statusJson(Running, DayFigures{}) + "'");
}

// The bus going away ends the service, not the program.
TEST_F(DbusMeterTest, TheBusGoingAwayLeavesTheProgramRunning)
{
    daemon.kill();
    daemon.waitForFinished();
    QTest::qWait(100);
    MeterStatus next = Running;
    next.elapsedSeconds = 9;
    meter.change(next);
    QTest::qWait(50);
    published.reset();
    SUCCEED();
}

} // namespace
