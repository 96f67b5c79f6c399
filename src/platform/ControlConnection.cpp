#include "platform/ControlConnection.h"

#include <QSocketNotifier>

#include <cerrno>
#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

ControlConnection::ControlConnection(int fd, std::chrono::milliseconds patience, RequestHandler onRequest,
                                     QObject* parent)
    : QObject(parent), m_fd(fd), m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this)),
      m_onRequest(std::move(onRequest))
{
    connect(m_notifier, &QSocketNotifier::activated, this, &ControlConnection::readSome);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &ControlConnection::finish);
    m_deadline.start(patience);
}

ControlConnection::~ControlConnection()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool ControlConnection::send(const std::string& line)
{
    if (finished())
        return false;
    // The oldest line still unread dates from the last send into an empty queue.
    if (unread() == 0)
        m_unreadSince = std::chrono::steady_clock::now();
    const std::string text = line + "\n";
    // All or nothing: a client whose buffer is full is not reading and is let go.
    return ::send(m_fd, text.data(), text.size(), MSG_NOSIGNAL | MSG_DONTWAIT) == static_cast<ssize_t>(text.size());
}

int ControlConnection::unread() const
{
    int waiting = 0;
    return ::ioctl(m_fd, SIOCOUTQ, &waiting) == 0 ? waiting : 0;
}

bool ControlConnection::stalledFor(std::chrono::steady_clock::duration patience) const
{
    return !finished() && unread() > 0 && std::chrono::steady_clock::now() - m_unreadSince >= patience;
}

void ControlConnection::watch(bool json)
{
    m_watching = true;
    m_json = json;
    m_deadline.stop();
}

void ControlConnection::finish()
{
    if (finished())
        return;
    m_deadline.stop();
    m_notifier->setEnabled(false);
    ::close(m_fd);
    m_fd = -1;
    if (onFinished)
        onFinished(*this);
    deleteLater();
}

void ControlConnection::readSome()
{
    while (!finished()) {
        char chunk[64];
        const ssize_t received = ::recv(m_fd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (received < 0 && errno == EINTR)
            continue;
        if (received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (received <= 0) {
            finish(); // hung up, or broken
            return;
        }
        // A watcher has nothing more to say: one that talks on is let go.
        if (m_watching) {
            finish();
            return;
        }
        m_buffer.append(chunk, static_cast<std::size_t>(received));
        takeRequest();
    }
}

void ControlConnection::takeRequest()
{
    const auto end = m_buffer.find('\n');
    if (end == std::string::npos && m_buffer.size() <= ControlProtocol::MaxRequestLength)
        return;
    std::optional<ControlRequest> request;
    if (end != std::string::npos && end <= ControlProtocol::MaxRequestLength)
        request = parseRequest(std::string_view(m_buffer).substr(0, end));
    m_buffer.clear();
    m_deadline.stop();
    m_onRequest(*this, request);
    if (!m_watching)
        finish();
}
