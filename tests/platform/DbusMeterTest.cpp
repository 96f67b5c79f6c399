#include "platform/DbusMeter.h"

#include "PrivateBus.h"
#include "fakes/FakeMeter.h"

#include <QTest>

#include <dbus/dbus.h>
#include <gtest/gtest.h>

#include <functional>
#include <future>

namespace {

const MeterStatus Running{Phase::Running, 7, Currency::fromUnits(700), Currency::fromUnits(360'000), false};
constexpr const char* Meter = "org.example.earnmeter.Meter";
constexpr const char* Properties = "org.freedesktop.DBus.Properties";

// A private bus for each test, and a client on it that calls from a thread of
// its own while the test's event loop serves the meter.
class DbusMeterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(bus.start());
        meter.current = Running;
        published = DbusMeter::publish(meter, bus.address, [this] { return wall; });
        ASSERT_NE(published, nullptr);
    }

    // Calls `member` with the string arguments given and renders the answer.
    std::string call(const char* interface, const char* member, std::vector<const char*> strings = {},
                     const char* path = DbusMeter::ObjectPath)
    {
        DBusMessage* message = dbus_message_new_method_call(DbusMeter::ServiceName, path, interface, member);
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
            DBusMessage* reply = dbus_connection_send_with_reply_and_block(bus.connection, message, 5000, &error);
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

    // The next PropertiesChanged the client hears within a second, or "".
    std::string nextChange()
    {
        std::string heard;
        (void)QTest::qWaitFor(
            [this, &heard] {
                dbus_connection_read_write(bus.connection, 0);
                while (DBusMessage* message = dbus_connection_pop_message(bus.connection)) {
                    if (heard.empty() && dbus_message_is_signal(message, Properties, "PropertiesChanged"))
                        heard = render(message);
                    dbus_message_unref(message);
                }
                return !heard.empty();
            },
            1000);
        return heard;
    }

    PrivateBus bus;
    FakeMeter meter;
    std::int64_t wall = 1'700'000'000'000'000; // microseconds, as the wall clock says
    std::unique_ptr<DbusMeter> published;      // gone before the bus it is on
};

struct CallCase
{
    const char* interface;
    const char* member;
    std::vector<const char*> arguments;
    std::string answer;
    const char* path = DbusMeter::ObjectPath;
};

// What a client asks, right or wrong, gets an answer and leaves the meter as it was;
// only the meter's path has an object.
TEST_F(DbusMeterTest, EveryCallIsAnsweredWithTheFiguresOrANamedError)
{
    const std::vector<CallCase> cases = {
        {Meter, "Status", {}, "'" + statusJson(Running, DayFigures{}) + "'"},
        {nullptr, "Status", {}, "'" + statusJson(Running, DayFigures{}) + "'"},
        {Properties, "Get", {Meter, "Total"}, "<'0.0700'>"},
        {Properties, "Get", {"", "Elapsed"}, "<7>"},
        {Properties,
         "GetAll",
         {Meter},
         "[{'CountedAt': <int64 1700000000000000>}, {'Elapsed': <7>}, {'HourlyWage': <'36.0000'>}, {'State': "
         "<'running'>}, {'Today': <'0.0000'>}, "
         "{'TodaySeconds': <int64 0>}, {'Total': <'0.0700'>}]"},
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
        {Meter, "Status", {}, "error org.freedesktop.DBus.Error.UnknownObject", "/org/example/other"},
        {Meter, "Start", {}, "error org.freedesktop.DBus.Error.UnknownObject", "/org/example/earnmeter/more"},
    };
    for (const CallCase& c : cases)
        EXPECT_EQ(call(c.interface, c.member, c.arguments, c.path), c.answer) << c.path << " " << c.member;
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

// The description names the meter's interface and the standard ones gdbus and d-feet read;
// the paths on the way to it list their children.
TEST_F(DbusMeterTest, TheObjectAndTheWayToItAreIntrospected)
{
    for (const auto& [path, part] :
         {std::pair{DbusMeter::ObjectPath, "<interface name=\"org.example.earnmeter.Meter\">"},
          {DbusMeter::ObjectPath, "<interface name=\"org.freedesktop.DBus.Properties\">"},
          {DbusMeter::ObjectPath, "</node>"},
          {"/org/example", "<node name=\"earnmeter\"/>"}}) {
        const std::string xml = call("org.freedesktop.DBus.Introspectable", "Introspect", {}, path);
        EXPECT_NE(xml.find(part), std::string::npos) << path << ": " << part;
    }
}

constexpr std::int64_t Second = 1'000'000;

struct Step
{
    const char* what;
    std::function<void(MeterStatus&, TodayFigure&, std::int64_t& wall)> change;
    std::string heard; // the PropertiesChanged it brings, "" for none
};

// `seconds` counted, `late` microseconds after the clock's, each paid `units`.
auto tick(int seconds = 1, std::int64_t late = 0, int units = 100)
{
    return [=](MeterStatus& status, TodayFigure& today, std::int64_t& wall) {
        status.elapsedSeconds += seconds;
        status.total = Currency::fromUnits(status.total.units + seconds * units);
        today.total.seconds += seconds;
        today.total.earned = Currency::fromUnits(today.total.earned.units + seconds * units);
        wall += seconds * Second + late;
    };
}

std::string changed(const std::string& dictionary)
{
    return "'org.example.earnmeter.Meter', [" + dictionary + "], []";
}

// The count's own progress goes unsaid, since a client works it out from
// CountedAt; all else that changes is told, and only what changed.
TEST_F(DbusMeterTest, PropertiesChangedTellsWhatAClientCannotWorkOutItself)
{
    DBusError error;
    dbus_error_init(&error); // with an error to fill, the rule is in place when the call returns
    dbus_bus_add_match(bus.connection, "type='signal',interface='org.freedesktop.DBus.Properties'", &error);
    ASSERT_FALSE(dbus_error_is_set(&error));
    const auto set = [](std::function<void(MeterStatus&)> change) {
        return [change](MeterStatus& status, TodayFigure&, std::int64_t& wall) {
            change(status);
            wall += Second / 2;
        };
    };
    const std::vector<Step> steps = {
        {"the first tick: today's figure, not read before anyone asked, is news", tick(),
         changed("{'CountedAt': <int64 1700000001000000>}, {'Elapsed': <8>}, {'Today': <'0.0100'>}, "
                 "{'TodaySeconds': <int64 1>}, {'Total': <'0.0800'>}")},
        {"a tick", tick(), ""},
        {"pausing", set([](MeterStatus& s) { s.phase = Phase::Paused; }),
         changed("{'CountedAt': <int64 0>}, {'Elapsed': <9>}, {'State': <'paused'>}, {'Today': <'0.0200'>}, "
                 "{'TodaySeconds': <int64 2>}, {'Total': <'0.0900'>}")},
        {"resuming", set([](MeterStatus& s) { s.phase = Phase::Running; }),
         changed("{'CountedAt': <int64 1700000003000000>}, {'State': <'running'>}")},
        {"a new wage", set([](MeterStatus& s) { s.hourlyWage = Currency::fromUnits(720'000); }),
         changed("{'HourlyWage': <'72.0000'>}")},
        {"time away taken off", set([](MeterStatus& s) { s.elapsedSeconds -= 5; }),
         changed("{'CountedAt': <int64 1700000004000000>}, {'Elapsed': <4>}")},
        {"a tick after a suspend counts the time asleep, unpaid", tick(60, 0, 0),
         changed("{'CountedAt': <int64 1700000064000000>}, {'Elapsed': <64>}, {'TodaySeconds': <int64 62>}")},
        {"ticks 0.3 s slow: the third is 0.9 s behind", tick(1, 3 * Second / 10), ""},
        {"", tick(1, 3 * Second / 10), ""},
        {"", tick(1, 3 * Second / 10), ""},
        {"the fourth has drifted a second", tick(1, 3 * Second / 10),
         changed("{'CountedAt': <int64 1700000069200000>}, {'Elapsed': <68>}, {'Today': <'0.0600'>}, "
                 "{'TodaySeconds': <int64 66>}, {'Total': <'0.1300'>}")},
        {"midnight: today starts again",
         [](MeterStatus& s, TodayFigure& t, std::int64_t& wall) {
             ++s.elapsedSeconds;
             t.total = {};
             wall += Second;
         },
         changed("{'CountedAt': <int64 1700000070200000>}, {'Elapsed': <69>}, {'Today': <'0.0000'>}, "
                 "{'TodaySeconds': <int64 0>}")},
        {"a tick of the new day", tick(), ""},
        {"a reset", set([](MeterStatus& s) {
             s = {Phase::Idle, 0, {}, s.hourlyWage, false};
         }),
         changed("{'CountedAt': <int64 0>}, {'Elapsed': <0>}, {'State': <'idle'>}, {'Today': <'0.0100'>}, "
                 "{'TodaySeconds': <int64 1>}, {'Total': <'0.0000'>}")},
        {"midnight with the meter idle: no tick tells it",
         [this](MeterStatus&, TodayFigure& today, std::int64_t&) {
             today.total = {};
             published->dayTurned();
         },
         changed("{'Today': <'0.0000'>}, {'TodaySeconds': <int64 0>}")},
    };
    for (const Step& step : steps) {
        MeterStatus next = meter.current;
        step.change(next, meter.dayFigures.today, wall);
        meter.change(next);
        QCoreApplication::processEvents(); // each change announced on its own
        if (!step.heard.empty()) {
            EXPECT_EQ(nextChange(), step.heard) << step.what;
        }
    }
    EXPECT_EQ(nextChange(), "") << "the last change was told once";
}

// A second copy on another data folder finds the name taken and runs without it;
// an unreachable bus is no bus, and the bus going away ends the service, not the program.
TEST_F(DbusMeterTest, WithoutTheNameOrTheBusThereIsNoServiceAndNoFailure)
{
    FakeMeter other;
    EXPECT_EQ(DbusMeter::publish(other, bus.address), nullptr);
    EXPECT_EQ(DbusMeter::publish(other, "unix:path=/nonexistent/bus"), nullptr);
    bus.daemon.kill();
    bus.daemon.waitForFinished();
    QTest::qWait(100);
    meter.change(MeterStatus{Phase::Paused, 9, Currency::fromUnits(900), Running.hourlyWage, false});
    QTest::qWait(50);
    published.reset();
}

} // namespace
