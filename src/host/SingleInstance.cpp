#include "host/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
const QByteArray ShowRequest = "show\n";

QString RuntimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}
} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
{
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(dataFolder).toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    m_name = QStringLiteral("earnmeter-") + QString::fromLatin1(hash);
    m_lock = std::make_unique<QLockFile>(RuntimeFolder() + QLatin1Char('/') + m_name + QStringLiteral(".lock"));
    // A live lock is never taken over; a crashed copy's lock is, as its process is gone.
    m_lock->setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

bool SingleInstance::claim()
{
    if (m_lock->tryLock(0)) {
        // A socket name left behind by a crashed copy would make listen() fail.
        QLocalServer::removeServer(m_name);
        m_server.listen(m_name);
        return true;
    }
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (socket.waitForConnected(1000)) {
        socket.write(ShowRequest);
        socket.waitForBytesWritten(1000);
    }
    return false;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(ShowRequest))
                emit showRequested();
        });
    }
}
