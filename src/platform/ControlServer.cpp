#include "platform/ControlServer.h"

#include "platform/ControlConnection.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool addressOf(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

// True when a process answers on the socket.
bool someoneListens(const sockaddr_un& address)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool listens = fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return listens;
}

} // namespace

ControlServer::ControlServer(MeterRemote& meter, Limits limits) : m_meter(meter), m_limits(limits)
{
    m_meter.onStatusChanged([this, alive = std::weak_ptr<bool>(m_alive)] {
        if (!alive.expired())
            pushStatus();
    });
}

ControlServer::~ControlServer()
{
    // Watchers see the channel close: the program has ended.
    for (ControlConnection* client : m_clients)
        client->onFinished = nullptr;
    if (m_listener >= 0) {
        ::close(m_listener);
        ::unlink(m_socketPath.c_str());
    }
}

std::string ControlServer::listen(const std::string& socketPath, bool ownsLock)
{
    sockaddr_un address;
    if (!addressOf(socketPath, address))
        return "the socket path " + socketPath + " is too long";
    if (ownsLock || !someoneListens(address))
        ::unlink(socketPath.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return std::strerror(errno);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(socketPath.c_str(), 0600) != 0 || ::listen(fd, 16) != 0) {
        const std::string problem = socketPath + ": " + std::strerror(errno);
        ::close(fd);
        return problem;
    }
    m_socketPath = socketPath;
    m_listener = fd;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ControlServer::acceptClients);
    return {};
}

void ControlServer::acceptClients()
{
    while (true) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        if (!fromThisUser(fd)) {
            ::close(fd);
            continue;
        }
        if (count(false) >= m_limits.requests) {
            const std::string busy = std::string(ControlProtocol::Busy) + "\n";
            [[maybe_unused]] const ssize_t told = ::send(fd, busy.data(), busy.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            ::close(fd);
            continue;
        }
        auto* client = new ControlConnection(
            fd, Patience, [this](ControlConnection& c, const auto& request) { answer(c, request); }, this);
        client->onFinished = [this](ControlConnection& c) {
            std::erase(m_clients, &c);
        };
        m_clients.push_back(client);
        // The request is usually there already.
        client->readSome();
    }
}

// The folder already keeps others out; this also keeps out root's programs run for the user.
bool ControlServer::fromThisUser(int fd) const
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

void ControlServer::answer(ControlConnection& client, const std::optional<ControlRequest>& request)
{
    if (!request) {
        client.send(ControlProtocol::Unknown);
        return;
    }
    switch (request->kind) {
    case ControlRequest::Kind::Command:
        client.send(commandAnswer(m_meter.wageToStartAt(request->command)));
        // After the answer and outside the reading: a command may open a modal box.
        QTimer::singleShot(0, this, [this, command = request->command] { m_meter.perform(command); });
        break;
    case ControlRequest::Kind::Status:
        client.send(statusText(request->json));
        break;
    case ControlRequest::Kind::Watch:
        if (count(true) >= m_limits.watchers)
            letGoOfStalledWatchers();
        if (count(true) >= m_limits.watchers)
            client.send(ControlProtocol::Busy);
        else if (client.send(statusText(request->json)))
            client.watch(request->json);
        break;
    }
}

std::string ControlServer::statusText(bool json) const
{
    const MeterStatus status = m_meter.status();
    const DayFigures day = m_meter.day();
    return json ? statusJson(status, day, m_meter.money()) : statusLine(status, day, m_meter.money());
}

int ControlServer::count(bool watching) const
{
    return static_cast<int>(std::count_if(m_clients.begin(), m_clients.end(), [watching](const ControlConnection* c) {
        return c->watching() == watching;
    }));
}

void ControlServer::letGoOfStalledWatchers()
{
    const std::vector<ControlConnection*> clients = m_clients;
    for (ControlConnection* client : clients)
        if (client->watching() && client->stalledFor(m_limits.watcherPatience))
            client->finish();
}

void ControlServer::pushStatus()
{
    // Today's figure may open the history: not for a meter no one watches.
    if (std::none_of(m_clients.begin(), m_clients.end(), [](const ControlConnection* c) { return c->watching(); }))
        return;
    const std::string lines[] = {statusText(false), statusText(true)};
    // A copy: a client that cannot take its line finishes and leaves the list.
    const std::vector<ControlConnection*> clients = m_clients;
    // A watcher is let go when a line has waited unread past its patience, or the new line does not fit.
    for (ControlConnection* client : clients)
        if (client->watching() &&
            (client->stalledFor(m_limits.watcherPatience) || !client->send(lines[client->json() ? 1 : 0])))
            client->finish();
}
