#pragma once

#include <QProcess>

#include <dbus/dbus.h>
#include <gtest/gtest.h>

#include <string>

// A session bus of the test's own, and the test's connection to it.
struct PrivateBus
{
    // Within ASSERT_NO_FATAL_FAILURE: a bus that does not start fails the test.
    void start()
    {
        daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                     QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
        ASSERT_TRUE(daemon.waitForReadyRead(5000)) << "dbus-daemon did not start";
        address = daemon.readLine().trimmed().toStdString();
        connection = dbus_connection_open_private(address.c_str(), nullptr);
        ASSERT_NE(connection, nullptr);
        ASSERT_TRUE(dbus_bus_register(connection, nullptr));
    }

    ~PrivateBus()
    {
        if (connection != nullptr) {
            dbus_connection_close(connection);
            dbus_connection_unref(connection);
        }
        daemon.kill();
        daemon.waitForFinished();
    }

    QProcess daemon;
    std::string address;
    DBusConnection* connection = nullptr;
};

// A message's arguments as gdbus prints them: 'text', 7, <variant>, [array], {key: value}.
inline std::string render(DBusMessageIter* iterator)
{
    std::string text;
    for (int type; (type = dbus_message_iter_get_arg_type(iterator)) != DBUS_TYPE_INVALID;
         dbus_message_iter_next(iterator)) {
        if (!text.empty())
            text += ", ";
        DBusBasicValue value{};
        if (dbus_type_is_basic(type))
            dbus_message_iter_get_basic(iterator, &value);
        if (type == DBUS_TYPE_STRING)
            text += "'" + std::string(value.str) + "'";
        else if (type == DBUS_TYPE_INT32)
            text += std::to_string(value.i32);
        else if (type == DBUS_TYPE_UINT32)
            text += "uint32 " + std::to_string(value.u32);
        else if (type == DBUS_TYPE_INT64)
            text += "int64 " + std::to_string(value.i64);
        else {
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

inline std::string render(DBusMessage* message)
{
    DBusMessageIter arguments;
    dbus_message_iter_init(message, &arguments);
    return render(&arguments);
}
