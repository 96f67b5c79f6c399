#pragma once

#include "engine/MeterRemote.h"

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <memory>

// The running meter on the session bus (data/dbus/org.example.earnmeter.Meter.xml):
// the commands, the status in JSON and the figures as properties, with
// PropertiesChanged on each change so desktop scripts and widgets need no polling.
class DbusMeter final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString State READ state)
    Q_PROPERTY(int Elapsed READ elapsed)
    Q_PROPERTY(QString Total READ total)
    Q_PROPERTY(QString HourlyWage READ hourlyWage)

public:
    static constexpr const char* ServiceName = "org.example.earnmeter";
    static constexpr const char* ObjectPath = "/org/example/earnmeter";
    static constexpr const char* InterfaceName = "org.example.earnmeter.Meter";

    // Serves the meter on the session bus; nothing when there is no bus or the
    // name belongs to another copy (one on another data folder).
    static std::unique_ptr<DbusMeter> publish(MeterRemote& meter);
    ~DbusMeter() override;

    QString state() const;
    int elapsed() const;
    QString total() const;
    QString hourlyWage() const;

public slots:
    void Start();
    void Pause();
    void Toggle();
    void Show();
    QString Status() const;

private:
    explicit DbusMeter(MeterRemote& meter);
    void perform(RemoteCommand command);
    QVariantMap properties() const;
    void announceChanges();

    MeterRemote& m_meter;
    QVariantMap m_announced;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
