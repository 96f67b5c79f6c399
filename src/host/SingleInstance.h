#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <memory>

// One running copy per data folder: two copies would overwrite each other's
// files. A second launch asks the running copy to show its window and ends.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& dataFolder);

    // True when this process is the one copy; otherwise the running copy has
    // been asked to show itself (as far as it can be reached).
    bool claim();

signals:
    void showRequested();

private:
    void acceptConnection();

    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
