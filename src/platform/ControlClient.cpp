#include "platform/ControlClient.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Hands every complete line in the buffer on; false when the handler wants no more.
bool passLines(std::string& buffer, bool& answered, const ControlClient::LineHandler& onLine)
{
    for (auto end = buffer.find('\n'); end != std::string::npos; end = buffer.find('\n')) {
        const std::string line = buffer.substr(0, end);
        buffer.erase(0, end + 1);
        answered = true;
        if (!onLine(line))
            return false;
    }
    return true;
}

} // namespace

ControlClient::ControlClient(std::string socketPath, std::chrono::milliseconds patience)
    : m_socketPath(std::move(socketPath)), m_patience(patience)
{}

ControlClient::Outcome ControlClient::exchange(const std::string& request, const LineHandler& onLine) const
{
    const Clock::time_point deadline = Clock::now() + m_patience;
    Outcome failure = Outcome::NoAnswer;
    const int fd = connectBefore(deadline, failure);
    if (fd < 0)
        return failure;
    const std::string line = request + "\n";
    Outcome outcome = Outcome::NoAnswer;
    if (::send(fd, line.data(), line.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(line.size()))
        outcome = readAnswer(fd, deadline, onLine);
    ::close(fd);
    return outcome;
}

// A full queue of waiting clients means a copy that is there but busy: try
// again until the deadline.
int ControlClient::connectBefore(Clock::time_point deadline, Outcome& failure) const
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (m_socketPath.size() >= sizeof address.sun_path) {
        failure = Outcome::NotRunning;
        return -1;
    }
    std::memcpy(address.sun_path, m_socketPath.data(), m_socketPath.size());
    while (true) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return -1;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return fd;
        const int error = errno;
        ::close(fd);
        if (error != EAGAIN) {
            failure = Outcome::NotRunning;
            return -1;
        }
        if (Clock::now() >= deadline)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

ControlClient::Outcome ControlClient::readAnswer(int fd, Clock::time_point deadline, const LineHandler& onLine) const
{
    std::string buffer;
    bool answered = false;
    while (true) {
        pollfd watch{fd, POLLIN, 0};
        const int ready = ::poll(&watch, 1, answered ? -1 : millisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return Outcome::NoAnswer;
        char chunk[512];
        const ssize_t received = ::recv(fd, chunk, sizeof chunk, 0);
        if (received < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (received <= 0)
            return answered ? Outcome::Answered : Outcome::NoAnswer;
        buffer.append(chunk, static_cast<std::size_t>(received));
        if (!passLines(buffer, answered, onLine))
            return Outcome::Answered;
    }
}
