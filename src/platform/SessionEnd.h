#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a signal on the event loop, so that the
// count can be saved on the user-interface thread before the process ends.
// Only the first one counts, and the process ends within a second of it.
class SessionEnd final : public QObject
{
    Q_OBJECT

public:
    SessionEnd();
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

signals:
    void ending();

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
    bool m_ended = false; // later signals change nothing
};
