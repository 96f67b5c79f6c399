#pragma once

#include "platform/ControlProtocol.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

class QSocketNotifier;

// One client of the control channel. It has a moment to send one short
// request line; garbage, silence or a flood only end this connection, never
// the meter or the next client. A watching client then only receives.
class ControlConnection final : public QObject
{
public:
    // The request read, or nothing for garbage; not called for silence or a hang-up.
    using RequestHandler = std::function<void(ControlConnection&, std::optional<ControlRequest>)>;

    ControlConnection(int fd, std::chrono::milliseconds patience, RequestHandler onRequest, QObject* parent);
    ~ControlConnection() override;
    ControlConnection(const ControlConnection&) = delete;
    ControlConnection& operator=(const ControlConnection&) = delete;

    // Sends one line; false when the client cannot take it now (gone, or not reading).
    bool send(const std::string& line);
    // From now on the client only receives status lines, in JSON or not.
    void watch(bool json);
    bool watching() const { return m_watching; }
    bool json() const { return m_json; }
    // Something sent has waited unread in the socket at least this long.
    bool stalledFor(std::chrono::steady_clock::duration patience) const;
    // The connection is over: it closes and is deleted once back in the event loop.
    void finish();
    bool finished() const { return m_fd < 0; }
    // Reads what has come so far; the notifier calls it for what comes later.
    void readSome();

    std::function<void(ControlConnection&)> onFinished;

private:
    int unread() const;
    void takeRequest();

    int m_fd;
    QSocketNotifier* m_notifier;
    QTimer m_deadline;
    RequestHandler m_onRequest;
    std::string m_buffer;
    bool m_watching = false;
    bool m_json = false;
    std::chrono::steady_clock::time_point m_unreadSince;
};
