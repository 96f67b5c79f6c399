#pragma once

#include <QProcess>

#include <dbus/dbus.h>
#include <gtest/gtest.h>

#include <string>

// A session bus of the test's own, and the test's connection to it.
struct PrivateBus
{
    ~PrivateBus() { stop(); }

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

    void stop()
    {
        if (connection != nullptr) {
            dbus_connection_close(connection);
            dbus_connection_unref(connection);
            connection = nullptr;
        }
        daemon.kill();
        daemon.waitForFinished();
    }

    QProcess daemon;
    std::string address;
    DBusConnection* connection = nullptr;
};
