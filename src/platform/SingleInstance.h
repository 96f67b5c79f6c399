#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

// One running copy per data folder: two copies would overwrite each other's
// files. A second launch asks the running copy to show its window and ends.
// A plain Unix socket carries the request, which keeps the network library
// out of the program's start-up.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& dataFolder);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process is the one copy; otherwise the running copy has
    // been asked to show itself (as far as it can be reached).
    bool claim();

signals:
    void showRequested();

private:
    void listen();
    void acceptRequest();

    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    int m_listener = -1;
    QSocketNotifier* m_notifier = nullptr;
};
