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
        ASSERT_NO_FATAL_FAILURE(bus.start());
        meter.current = Running;
        published = DbusMeter::publish(meter, bus.address, [this] { return wall; });
        ASSERT_NE(published, nullptr);
    }

    void TearDown() override
    {
        published.reset();
        bus.stop();
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

    // The next PropertiesChanged the client hears within five seconds, or "".
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
    std::unique_ptr<DbusMeter> published;
};

// The number in a rendered answer such as "<7>" or "<int64 7>".
std::int64_t wholeNumber(const std::string& answer)
{
    return std::stoll(answer.substr(answer.find_last_of("< ") + 1));
}

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
         "[{'CountedAt': <int64 1700000000000000>}, {'Elapsed': <7>}, {'HourlyWage': <'36.0000'>}, {'State': "
         "<'running'>}, {'Today': <'0.0000'>}, "
         "{'TodaySeconds': <int64 0>}, {'Total': <'0.0700'>}]"},
        {Properties, "Get", {Meter, "TodaySeconds"}, "<int64 0>"},
        {Properties, "Get", {Meter, "CountedAt"}, "<int64 1700000000000000>"},
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

constexpr std::int64_t Second = 1'000'000;

struct Step
{
    const char* what;
    std::function<void(MeterStatus&, TodayFigure&, std::int64_t& wall)> change;
    std::string heard; // the PropertiesChanged it brings, "" for none
};

// One second counted, `late` microseconds after the clock's second.
auto tick(std::int64_t late = 0)
{
    return [late](MeterStatus& status, TodayFigure& today, std::int64_t& wall) {
        ++status.elapsedSeconds;
        status.total = Currency::fromUnits(status.total.units + 100);
        ++today.total.seconds;
        today.total.earned = Currency::fromUnits(today.total.earned.units + 100);
        wall += Second + late;
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
        {"a tick a little late", tick(Second / 3), ""},
        {"a tick on time again", tick(-Second / 3), ""},
        {"pausing", set([](MeterStatus& s) { s.phase = Phase::Paused; }),
         changed("{'CountedAt': <int64 0>}, {'Elapsed': <11>}, {'State': <'paused'>}, {'Today': <'0.0400'>}, "
                 "{'TodaySeconds': <int64 4>}, {'Total': <'0.1100'>}")},
        {"resuming", set([](MeterStatus& s) { s.phase = Phase::Running; }),
         changed("{'CountedAt': <int64 1700000005000000>}, {'State': <'running'>}")},
        {"a new wage", set([](MeterStatus& s) { s.hourlyWage = Currency::fromUnits(720'000); }),
         changed("{'HourlyWage': <'72.0000'>}")},
        {"time away taken off", set([](MeterStatus& s) { s.elapsedSeconds -= 5; }),
         changed("{'CountedAt': <int64 1700000006000000>}, {'Elapsed': <6>}")},
        {"a tick after a suspend counts the time asleep",
         [](MeterStatus& s, TodayFigure& t, std::int64_t& wall) {
             s.elapsedSeconds += 60;
             t.total.seconds += 60;
             wall += 60 * Second;
         },
         changed("{'CountedAt': <int64 1700000066000000>}, {'Elapsed': <66>}, {'TodaySeconds': <int64 64>}")},
        {"ticks 0.3 s slow: the third is 0.9 s behind", tick(3 * Second / 10), ""},
        {"", tick(3 * Second / 10), ""},
        {"", tick(3 * Second / 10), ""},
        {"the fourth has drifted a second", tick(3 * Second / 10),
         changed("{'CountedAt': <int64 1700000071200000>}, {'Elapsed': <70>}, {'Today': <'0.0800'>}, "
                 "{'TodaySeconds': <int64 68>}, {'Total': <'0.1500'>}")},
        {"midnight: today starts again",
         [](MeterStatus& s, TodayFigure& t, std::int64_t& wall) {
             ++s.elapsedSeconds;
             t.total = {};
             wall += Second;
         },
         changed("{'CountedAt': <int64 1700000072200000>}, {'Elapsed': <71>}, {'Today': <'0.0000'>}, "
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

// A client that heard the count once and then reckons from CountedAt shows
// what Status says, however many ticks later.
TEST_F(DbusMeterTest, AClientReckoningFromCountedAtAgreesWithStatus)
{
    const std::int64_t told = wholeNumber(call(Properties, "Get", {Meter, "Elapsed"}));
    const std::int64_t countedAt = wholeNumber(call(Properties, "Get", {Meter, "CountedAt"}));
    for (int second = 0; second < 10; ++second) {
        MeterStatus next = meter.current;
        tick(second % 2 == 0 ? Second / 5 : -Second / 5)(next, meter.dayFigures.today, wall);
        meter.change(next);
        QCoreApplication::processEvents();
    }
    wall += Second / 2; // a client looks between two ticks
    const std::int64_t reckoned = told + (wall - countedAt) / Second;
    EXPECT_EQ(reckoned, 17);
    EXPECT_NE(call(Meter, "Status").find("\"elapsed\":" + std::to_string(reckoned)), std::string::npos)
        << call(Meter, "Status");
    EXPECT_EQ(call(Properties, "Get", {Meter, "Elapsed"}), "<" + std::to_string(reckoned) + ">");
}

// A second copy on another data folder finds the name taken and runs without it;
// an unreachable bus is no bus.
TEST_F(DbusMeterTest, TheNameStaysTheFirstCopysAndNoBusIsNoService)
{
    FakeMeter other;
    EXPECT_EQ(DbusMeter::publish(other, bus.address), nullptr);
    EXPECT_EQ(DbusMeter::publish(other, "unix:path=/nonexistent/bus"), nullptr);
    EXPECT_EQ(call(Meter, "Status"), "'" + statusJson(Running, DayFigures{}) + "'");
}

// The bus going away ends the service, not the program.
TEST_F(DbusMeterTest, TheBusGoingAwayLeavesTheProgramRunning)
{
    bus.daemon.kill();
    bus.daemon.waitForFinished();
    QTest::qWait(100);
    MeterStatus next = Running;
    next.elapsedSeconds = 9;
    meter.change(next);
    QTest::qWait(50);
    published.reset();
    SUCCEED();
}

} // namespace
