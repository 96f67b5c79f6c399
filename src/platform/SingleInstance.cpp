#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
constexpr char ShowRequest[] = "show\n";

QString runtimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// The socket's address, or false when the path is too long for one.
bool addressOf(const QString& path, sockaddr_un& address)
{
    const QByteArray bytes = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(bytes.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}
} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
{
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(dataFolder).toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString base = runtimeFolder() + QStringLiteral("/earnmeter-") + QString::fromLatin1(hash);
    m_socketPath = base + QStringLiteral(".sock");
    m_lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    // A live lock is never taken over; a crashed copy's lock is, as its process is gone.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_listener >= 0) {
        ::close(m_listener);
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
}

bool SingleInstance::claim()
{
    if (m_lock->tryLock(0)) {
        listen();
        return true;
    }
    sockaddr_un address;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    if (addressOf(m_socketPath, address) &&
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        ::send(fd, ShowRequest, sizeof ShowRequest - 1, MSG_NOSIGNAL);
    ::close(fd);
    return false;
}

void SingleInstance::listen()
{
    sockaddr_un address;
    if (!addressOf(m_socketPath, address))
        return;
    // We hold the lock, so a socket file there was left behind by a crashed copy.
    ::unlink(address.sun_path);
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listener < 0)
        return;
    if (::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listener, 4) != 0) {
        ::close(m_listener);
        m_listener = -1;
        return;
    }
    m_notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::acceptRequest);
}

void SingleInstance::acceptRequest()
{
    const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0)
        return;
    // The second copy writes its request right after connecting; a short wait is enough.
    timeval wait{0, 200000};
    ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    char buffer[16] = {};
    const auto received = ::recv(client, buffer, sizeof buffer - 1, 0);
    ::close(client);
    if (received > 0 && std::strncmp(buffer, ShowRequest, sizeof ShowRequest - 1) == 0)
        emit showRequested();
}
