#include "platform/DbusMeter.h"

#include "MeterInterface.h"
#include "engine/MeterStatus.h"
#include "platform/BusConnection.h"

#include <QDateTime>
#include <QTimer>

#include <dbus/dbus.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace {

constexpr const char* PropertiesInterface = DBUS_INTERFACE_PROPERTIES;

constexpr std::int64_t Second = 1'000'000; // in the wall clock's microseconds
// A tick this long after the one before came after a suspend or a stall.
constexpr std::int64_t LateTick = 3 * Second;

std::int64_t systemMicroseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

// The figures a client works out for itself while the meter runs.
bool countsOnItsOwn(const std::string& name)
{
    return name == "Elapsed" || name == "Total" || name == "Today" || name == "TodaySeconds" || name == "CountedAt";
}

std::int64_t wholeNumber(const DbusMeter::Properties& properties, const char* name)
{
    const auto found = properties.find(name);
    if (found == properties.end())
        return 0;
    if (const auto* narrow = std::get_if<std::int32_t>(&found->second))
        return *narrow;
    const auto* wide = std::get_if<std::int64_t>(&found->second);
    return wide != nullptr ? *wide : 0;
}

// Whether a client told `told` works `now` out itself: the meter ran on, a
// second a second since CountedAt, today's seconds with it, and nothing else changed.
bool foreseen(const DbusMeter::Properties& told, const DbusMeter::Properties& now)
{
    if (now.at("State") != DbusMeter::Value(std::string("running")))
        return false;
    for (const auto& [name, value] : now) {
        const auto was = told.find(name);
        if (was == told.end() || (!countsOnItsOwn(name) && was->second != value))
            return false;
    }
    const std::int64_t seconds = wholeNumber(now, "Elapsed") - wholeNumber(told, "Elapsed");
    const std::int64_t drift = wholeNumber(now, "CountedAt") - wholeNumber(told, "CountedAt") - seconds * Second;
    return seconds >= 0 && wholeNumber(now, "TodaySeconds") - wholeNumber(told, "TodaySeconds") == seconds &&
           std::abs(drift) < Second;
}

// What every object answers besides its own interface; libdbus itself answers Peer.
constexpr std::string_view StandardInterfaces = R"xml(  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg name="xml_data" type="s" direction="out"/></method>
  </interface>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get">
      <arg name="interface_name" type="s" direction="in"/>
      <arg name="property_name" type="s" direction="in"/>
      <arg name="value" type="v" direction="out"/>
    </method>
    <method name="GetAll">
      <arg name="interface_name" type="s" direction="in"/>
      <arg name="properties" type="a{sv}" direction="out"/>
    </method>
    <method name="Set">
      <arg name="interface_name" type="s" direction="in"/>
      <arg name="property_name" type="s" direction="in"/>
      <arg name="value" type="v" direction="in"/>
    </method>
    <signal name="PropertiesChanged">
      <arg name="interface_name" type="s"/>
      <arg name="changed_properties" type="a{sv}"/>
      <arg name="invalidated_properties" type="as"/>
    </signal>
  </interface>
  <interface name="org.freedesktop.DBus.Peer">
    <method name="Ping"/>
    <method name="GetMachineId"><arg name="machine_uuid" type="s" direction="out"/></method>
  </interface>
)xml";

std::string introspection()
{
    std::string xml = MeterInterfaceXml;
    const std::size_t end = xml.rfind("</node>");
    if (end != std::string::npos)
        xml.insert(end, StandardInterfaces);
    return xml;
}

std::string orEmpty(const char* text)
{
    return text != nullptr ? std::string(text) : std::string();
}

void appendBasic(DBusMessageIter* into, const DbusMeter::Value& value)
{
    if (const auto* text = std::get_if<std::string>(&value)) {
        const char* chars = text->c_str();
        dbus_message_iter_append_basic(into, DBUS_TYPE_STRING, &chars);
    } else if (const auto* number = std::get_if<std::int32_t>(&value)) {
        const dbus_int32_t chars = *number;
        dbus_message_iter_append_basic(into, DBUS_TYPE_INT32, &chars);
    } else {
        const dbus_int64_t wide = std::get<std::int64_t>(value);
        dbus_message_iter_append_basic(into, DBUS_TYPE_INT64, &wide);
    }
}

const char* signatureOf(const DbusMeter::Value& value)
{
    if (std::holds_alternative<std::string>(value))
        return DBUS_TYPE_STRING_AS_STRING;
    return std::holds_alternative<std::int32_t>(value) ? DBUS_TYPE_INT32_AS_STRING : DBUS_TYPE_INT64_AS_STRING;
}

void appendVariant(DBusMessageIter* into, const DbusMeter::Value& value)
{
    DBusMessageIter variant;
    dbus_message_iter_open_container(into, DBUS_TYPE_VARIANT, signatureOf(value), &variant);
    appendBasic(&variant, value);
    dbus_message_iter_close_container(into, &variant);
}

void appendDictionary(DBusMessageIter* into, const DbusMeter::Properties& properties)
{
    DBusMessageIter array;
    dbus_message_iter_open_container(into, DBUS_TYPE_ARRAY, "{sv}", &array);
    for (const auto& [name, value] : properties) {
        DBusMessageIter entry;
        dbus_message_iter_open_container(&array, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
        const char* key = name.c_str();
        dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key);
        appendVariant(&entry, value);
        dbus_message_iter_close_container(&array, &entry);
    }
    dbus_message_iter_close_container(into, &array);
}

// The leading string arguments of a call whose arguments are `signature`.
template <std::size_t N> bool readStrings(DBusMessage* call, const char* signature, std::array<std::string, N>& into)
{
    if (!dbus_message_has_signature(call, signature))
        return false;
    DBusMessageIter arguments;
    dbus_message_iter_init(call, &arguments);
    for (std::string& text : into) {
        const char* chars = nullptr;
        dbus_message_iter_get_basic(&arguments, &chars);
        text = orEmpty(chars);
        dbus_message_iter_next(&arguments);
    }
    return true;
}

DBusHandlerResult handleMessage(DBusConnection*, DBusMessage* message, void* meter)
{
    if (dbus_message_get_type(message) != DBUS_MESSAGE_TYPE_METHOD_CALL)
        return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
    // What is not answered here libdbus refuses with UnknownMethod.
    return static_cast<DbusMeter*>(meter)->answer(message) ? DBUS_HANDLER_RESULT_HANDLED
                                                           : DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
}

// Every other path: no object there. Introspection is left to libdbus, which
// lists the children on the way to the meter.
DBusHandlerResult handleElsewhere(DBusConnection* connection, DBusMessage* message, void*)
{
    // The meter's own calls that it does not know reach here too: libdbus names them UnknownMethod.
    if (dbus_message_get_type(message) != DBUS_MESSAGE_TYPE_METHOD_CALL ||
        dbus_message_is_method_call(message, DBUS_INTERFACE_INTROSPECTABLE, "Introspect") ||
        dbus_message_has_path(message, DbusMeter::ObjectPath))
        return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
    const std::string text = "No object at " + orEmpty(dbus_message_get_path(message));
    if (DBusMessage* error = dbus_message_new_error(message, DBUS_ERROR_UNKNOWN_OBJECT, text.c_str())) {
        dbus_connection_send(connection, error, nullptr);
        dbus_message_unref(error);
    }
    return DBUS_HANDLER_RESULT_HANDLED;
}

// "running", "paused", "idle": the phase as the bus spells it.
std::string stateName(Phase phase)
{
    std::string state = phaseName(phase);
    for (char& letter : state)
        letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    return state;
}

} // namespace

DbusMeter::DbusMeter(MeterRemote& meter, std::unique_ptr<BusConnection> bus, WallClock wallClock)
    : m_meter(meter), m_bus(std::move(bus)), m_wallClock(wallClock ? std::move(wallClock) : systemMicroseconds)
{
    noteCount();
    m_announced = properties(m_counted, {}, m_countedAt);
    m_meter.onStatusChanged([this, alive = std::weak_ptr<bool>(m_alive)] {
        if (alive.expired())
            return;
        noteCount();
        // Once the windows have had their turn: the bus daemon, woken by the
        // signal, then takes the processor from a thread that is done.
        if (!std::exchange(m_announcing, true))
            QTimer::singleShot(0, this, [this] {
                m_announcing = false;
                announceChanges();
            });
    });
    awaitMidnight();
}

DbusMeter::~DbusMeter()
{
    dbus_connection_unregister_object_path(m_bus->raw(), ObjectPath);
    dbus_connection_unregister_object_path(m_bus->raw(), "/");
}

std::unique_ptr<DbusMeter> DbusMeter::publish(MeterRemote& meter, const std::string& busAddress, WallClock wallClock)
{
    std::unique_ptr<BusConnection> bus = BusConnection::open(busAddress);
    if (!bus)
        return nullptr;
    static const DBusObjectPathVTable table = {nullptr, handleMessage, nullptr, nullptr, nullptr, nullptr};
    DBusConnection* connection = bus->raw();
    std::unique_ptr<DbusMeter> published(new DbusMeter(meter, std::move(bus), std::move(wallClock)));
    static const DBusObjectPathVTable elsewhere = {nullptr, handleElsewhere, nullptr, nullptr, nullptr, nullptr};
    if (!dbus_connection_register_object_path(connection, ObjectPath, &table, published.get()) ||
        !dbus_connection_register_fallback(connection, "/", &elsewhere, nullptr))
        return nullptr;
    // The object is there before the name that leads to it.
    DBusError error;
    dbus_error_init(&error);
    const int owner = dbus_bus_request_name(connection, ServiceName, DBUS_NAME_FLAG_DO_NOT_QUEUE, &error);
    dbus_error_free(&error);
    if (owner != DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER)
        return nullptr;
    return published;
}

DbusMeter::Properties DbusMeter::properties(const MeterStatus& status, const std::optional<DayFigures>& day,
                                            std::int64_t countedAt)
{
    Properties properties = {{"State", stateName(status.phase)},
                             {"Elapsed", status.elapsedSeconds},
                             {"Total", fourDecimals(status.total)},
                             {"HourlyWage", fourDecimals(status.hourlyWage)},
                             {"CountedAt", status.phase == Phase::Running ? countedAt : 0}};
    if (day) {
        properties.emplace("Today", fourDecimals(day->today.total.earned));
        properties.emplace("TodaySeconds", day->today.total.seconds);
    }
    return properties;
}

DbusMeter::Properties DbusMeter::current() const
{
    return properties(m_meter.status(), m_meter.day(), m_countedAt);
}

// When the count last moved, seen as it moves: the announcement comes later.
void DbusMeter::noteCount()
{
    const MeterStatus now = m_meter.status();
    if (now.phase != Phase::Running) {
        m_countedAt = 0;
    } else if (m_counted.phase != Phase::Running || now.elapsedSeconds != m_counted.elapsedSeconds) {
        const std::int64_t at = m_wallClock();
        m_leapt = m_leapt || (m_countedAt != 0 && at - m_countedAt > LateTick);
        m_countedAt = at;
    }
    m_counted = now;
}

void DbusMeter::awaitMidnight()
{
    const QDateTime now = QDateTime::currentDateTime();
    // A second past midnight, when the history's date has turned too; a day
    // with no midnight (a time zone's change) waits at least a minute.
    const qint64 wait = now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0))) + 1000;
    QTimer::singleShot(std::chrono::milliseconds(std::clamp<qint64>(wait, 60'000, 90'000'000)), this,
                       [this] { dayTurned(); });
}

void DbusMeter::dayTurned()
{
    announceChanges();
    awaitMidnight();
}

bool DbusMeter::answer(DBusMessage* call)
{
    const std::string interface = orEmpty(dbus_message_get_interface(call));
    const std::string member = orEmpty(dbus_message_get_member(call));
    if (interface == DBUS_INTERFACE_INTROSPECTABLE && member == "Introspect")
        return replyWith(call, introspection());
    if (interface == PropertiesInterface)
        return answerProperties(call, member);
    // A call may leave out the interface: the method's name is enough here.
    if (interface.empty() || interface == InterfaceName)
        return answerMeter(call, member);
    return false;
}

bool DbusMeter::answerMeter(DBusMessage* call, const std::string& member)
{
    static const std::map<std::string, RemoteCommand> commands = {{"Start", RemoteCommand::Start},
                                                                  {"Pause", RemoteCommand::Pause},
                                                                  {"Toggle", RemoteCommand::Toggle},
                                                                  {"Show", RemoteCommand::Show}};
    const auto command = commands.find(member);
    if (command == commands.end() && member != "Status")
        return false;
    if (!dbus_message_has_signature(call, ""))
        return fail(call, DBUS_ERROR_INVALID_ARGS, member + " takes no arguments");
    if (command == commands.end())
        return replyWith(call, statusJson(m_meter.status(), m_meter.day(), m_meter.money()));
    // The caller gets its reply first: a command may open a modal box.
    send(dbus_message_new_method_return(call));
    QTimer::singleShot(0, this, [this, todo = command->second] { m_meter.perform(todo); });
    return true;
}

bool DbusMeter::answerProperties(DBusMessage* call, const std::string& member)
{
    if (member == "GetAll") {
        std::array<std::string, 1> interface;
        if (!readStrings(call, "s", interface))
            return fail(call, DBUS_ERROR_INVALID_ARGS, "GetAll takes an interface name");
        if (interface[0] != InterfaceName && !interface[0].empty())
            return fail(call, DBUS_ERROR_UNKNOWN_INTERFACE, "No properties in " + interface[0]);
        return reply(call, [this](DBusMessageIter* arguments) { appendDictionary(arguments, current()); });
    }
    const bool get = member == "Get";
    if (!get && member != "Set")
        return false;
    std::array<std::string, 2> names;
    if (!readStrings(call, get ? "ss" : "ssv", names))
        return fail(call, DBUS_ERROR_INVALID_ARGS, member + " takes an interface and a property name");
    if (names[0] != InterfaceName && !names[0].empty())
        return fail(call, DBUS_ERROR_UNKNOWN_INTERFACE, "No properties in " + names[0]);
    const Properties now = current();
    const auto found = now.find(names[1]);
    if (found == now.end())
        return fail(call, DBUS_ERROR_UNKNOWN_PROPERTY, "No property " + names[1] + " in " + names[0]);
    if (!get)
        return fail(call, DBUS_ERROR_PROPERTY_READ_ONLY, names[1] + " is read-only");
    return reply(call, [&found](DBusMessageIter* arguments) { appendVariant(arguments, found->second); });
}

bool DbusMeter::replyWith(DBusMessage* call, const Value& value)
{
    return reply(call, [&value](DBusMessageIter* arguments) { appendBasic(arguments, value); });
}

bool DbusMeter::reply(DBusMessage* call, const std::function<void(DBusMessageIter*)>& append)
{
    DBusMessage* answer = dbus_message_new_method_return(call);
    if (answer == nullptr)
        return true; // out of memory: the caller's own timeout tells it
    DBusMessageIter arguments;
    dbus_message_iter_init_append(answer, &arguments);
    append(&arguments);
    send(answer);
    return true;
}

bool DbusMeter::fail(DBusMessage* call, const char* error, const std::string& text)
{
    send(dbus_message_new_error(call, error, text.c_str()));
    return true;
}

void DbusMeter::send(DBusMessage* message)
{
    if (message == nullptr)
        return;
    // Written to the socket from here and now; what the socket cannot take yet
    // goes when it can (BusConnection's write watch).
    dbus_connection_send(m_bus->raw(), message, nullptr);
    dbus_message_unref(message);
}

void DbusMeter::announceChanges()
{
    Properties now = current();
    if (!m_leapt && foreseen(m_announced, now))
        return;
    m_leapt = false;
    Properties changed;
    for (const auto& [name, value] : now)
        if (m_announced[name] != value)
            changed.emplace(name, value);
    m_announced = std::move(now);
    if (changed.empty())
        return;
    DBusMessage* signal = dbus_message_new_signal(ObjectPath, PropertiesInterface, "PropertiesChanged");
    if (signal == nullptr)
        return;
    DBusMessageIter arguments;
    dbus_message_iter_init_append(signal, &arguments);
    const char* interface = InterfaceName;
    dbus_message_iter_append_basic(&arguments, DBUS_TYPE_STRING, &interface);
    appendDictionary(&arguments, changed);
    DBusMessageIter invalidated;
    dbus_message_iter_open_container(&arguments, DBUS_TYPE_ARRAY, DBUS_TYPE_STRING_AS_STRING, &invalidated);
    dbus_message_iter_close_container(&arguments, &invalidated);
    send(signal);
}
