#pragma once

#include "engine/MeterRemote.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>

class BusConnection;
struct DBusMessage;
struct DBusMessageIter;

// The running meter on the session bus (data/dbus/org.example.earnmeter.Meter.xml):
// the commands, the status in JSON and the figures as properties. PropertiesChanged
// tells every change but the count's own second by second: while the meter runs a
// client adds the seconds since CountedAt itself, so a running meter is quiet on
// the bus. Served on a connection of its own in this thread (see BusConnection).
class DbusMeter final : public QObject
{
public:
    static constexpr const char* ServiceName = "org.example.earnmeter";
    static constexpr const char* ObjectPath = "/org/example/earnmeter";
    static constexpr const char* InterfaceName = "org.example.earnmeter.Meter";

    using Value = std::variant<std::string, std::int32_t, std::int64_t>;
    using Properties = std::map<std::string, Value>;
    // Microseconds since the epoch, as the wall clock says now.
    using WallClock = std::function<std::int64_t()>;

    // Serves the meter on the session bus (or the bus at `busAddress`); nothing
    // when there is no bus or the name belongs to another copy (one on another
    // data folder).
    static std::unique_ptr<DbusMeter> publish(MeterRemote& meter, const std::string& busAddress = {},
                                              WallClock wallClock = {});
    ~DbusMeter() override;

    // The figures as the properties State, Elapsed, Total, HourlyWage and
    // CountedAt, and with today's figure Today and TodaySeconds.
    static Properties properties(const MeterStatus& status, const std::optional<DayFigures>& day = {},
                                 std::int64_t countedAt = 0);

    // A call on the object: answered and true, or false for one that is not ours.
    bool answer(DBusMessage* call);
    // Local midnight: today's figure starts again, which no client can foresee.
    void dayTurned();

private:
    DbusMeter(MeterRemote& meter, std::unique_ptr<BusConnection> bus, WallClock wallClock);
    void noteCount();
    void awaitMidnight();
    bool answerMeter(DBusMessage* call, const std::string& member);
    bool answerProperties(DBusMessage* call, const std::string& member);
    bool replyWith(DBusMessage* call, const Value& value);
    bool reply(DBusMessage* call, const std::function<void(DBusMessageIter*)>& append);
    bool fail(DBusMessage* call, const char* error, const std::string& text);
    void send(DBusMessage* message);
    void announceChanges();
    Properties current() const;

    MeterRemote& m_meter;
    std::unique_ptr<BusConnection> m_bus;
    WallClock m_wallClock;
    MeterStatus m_counted;        // as of the last change
    std::int64_t m_countedAt = 0; // when the count had m_counted's seconds; 0 when not running
    bool m_leapt = false;         // a tick came late, as after a suspend: tell the count again
    Properties m_announced;       // what clients were told, the ground of what they work out
    bool m_announcing = false;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
