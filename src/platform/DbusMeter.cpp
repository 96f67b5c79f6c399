#include "platform/DbusMeter.h"

#include "meteradaptor.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTimer>

DbusMeter::DbusMeter(MeterRemote& meter) : m_meter(meter), m_announced(properties())
{
    new MeterAdaptor(this);
    m_meter.onStatusChanged([this, alive = std::weak_ptr<bool>(m_alive)] {
        if (!alive.expired())
            announceChanges();
    });
}

DbusMeter::~DbusMeter()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(QString::fromLatin1(ObjectPath));
    bus.unregisterService(QString::fromLatin1(ServiceName));
}

std::unique_ptr<DbusMeter> DbusMeter::publish(MeterRemote& meter)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return nullptr;
    std::unique_ptr<DbusMeter> published(new DbusMeter(meter));
    if (!bus.registerObject(QString::fromLatin1(ObjectPath), published.get()))
        return nullptr;
    const auto registered =
        bus.interface()->registerService(QString::fromLatin1(ServiceName), QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!registered.isValid() || registered.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus.unregisterObject(QString::fromLatin1(ObjectPath));
        return nullptr;
    }
    return published;
}

QString DbusMeter::state() const
{
    return QString::fromStdString(phaseName(m_meter.status().phase)).toLower();
}

int DbusMeter::elapsed() const
{
    return m_meter.status().elapsedSeconds;
}

QString DbusMeter::total() const
{
    return QString::fromStdString(fourDecimals(m_meter.status().total));
}

QString DbusMeter::hourlyWage() const
{
    return QString::fromStdString(fourDecimals(m_meter.status().hourlyWage));
}

void DbusMeter::Start()
{
    perform(RemoteCommand::Start);
}

void DbusMeter::Pause()
{
    perform(RemoteCommand::Pause);
}

void DbusMeter::Toggle()
{
    perform(RemoteCommand::Toggle);
}

void DbusMeter::Show()
{
    perform(RemoteCommand::Show);
}

QString DbusMeter::Status() const
{
    return QString::fromStdString(statusJson(m_meter.status()));
}

// The caller gets its reply first: a command may open a modal box.
void DbusMeter::perform(RemoteCommand command)
{
    QTimer::singleShot(0, this, [this, command] { m_meter.perform(command); });
}

QVariantMap DbusMeter::properties() const
{
    return {{QStringLiteral("State"), state()},
            {QStringLiteral("Elapsed"), elapsed()},
            {QStringLiteral("Total"), total()},
            {QStringLiteral("HourlyWage"), hourlyWage()}};
}

void DbusMeter::announceChanges()
{
    const QVariantMap now = properties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (m_announced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    m_announced = now;
    if (changed.isEmpty())
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(QString::fromLatin1(ObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(InterfaceName) << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}
