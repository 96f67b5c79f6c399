#pragma once

#include "engine/MeterRemote.h"
#include "platform/ControlProtocol.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

class ControlConnection;
class QSocketNotifier;

// Watchers (panels) and requests have places of their own, so that panels
// never shut a request out; a client with no place is told "busy". A watcher
// whose lines have waited unread this long is let go.
struct ControlLimits
{
    int watchers = 64;
    int requests = 16;
    std::chrono::seconds watcherPatience{30};
};

// The running copy's end of the control channel: a Unix socket in a folder only
// the user can enter. It answers status requests from the run's state, keeps
// watching clients informed of every change, and passes commands to the meter
// once the client has its answer.
class ControlServer final : public QObject
{
public:
    static constexpr std::chrono::milliseconds Patience{1000};
    using Limits = ControlLimits;

    explicit ControlServer(MeterRemote& meter, Limits limits = Limits{});
    ~ControlServer() override;
    ControlServer(const ControlServer&) = delete;
    ControlServer& operator=(const ControlServer&) = delete;

    // Opens the channel; empty on success, otherwise why not. With the lock
    // held, a socket file found there was left by a copy that crashed; without
    // it, one is taken over only when nobody answers on it.
    std::string listen(const std::string& socketPath, bool ownsLock);

private:
    void acceptClients();
    bool fromThisUser(int fd) const;
    void answer(ControlConnection& client, const std::optional<ControlRequest>& request);
    std::string statusText(bool json) const;
    void pushStatus();
    int count(bool watching) const;
    void letGoOfStalledWatchers();

    MeterRemote& m_meter;
    Limits m_limits;
    std::string m_socketPath;
    int m_listener = -1;
    QSocketNotifier* m_notifier = nullptr;
    std::vector<ControlConnection*> m_clients; // children of this object
    // The meter keeps its subscribers for good: this tells it when this server is gone.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
