#pragma once

#include <chrono>
#include <functional>
#include <string>

// The command line's end of the control channel: plain POSIX, so asking the
// running copy needs no display and no Qt event loop.
class ControlClient final
{
public:
    enum class Outcome
    {
        Answered,   // the copy answered and closed the channel
        NotRunning, // nothing listens on the socket
        NoAnswer    // something listens but gave no answer in time
    };
    // Gets each line of the answer without its "\n"; false stops reading.
    using LineHandler = std::function<bool(const std::string& line)>;

    explicit ControlClient(std::string socketPath, std::chrono::milliseconds patience = std::chrono::seconds(2));

    // Sends one request line. The first line of the answer must come within the
    // patience; the lines after it (a watch) may take as long as they take.
    Outcome exchange(const std::string& request, const LineHandler& onLine) const;

private:
    int connectBefore(std::chrono::steady_clock::time_point deadline, Outcome& failure) const;
    Outcome readAnswer(int fd, std::chrono::steady_clock::time_point deadline, const LineHandler& onLine) const;

    std::string m_socketPath;
    std::chrono::milliseconds m_patience;
};
