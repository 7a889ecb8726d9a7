#pragma once

#include "app/platform/data_folder_lock.h"

#include <QObject>
#include <chrono>

class QLocalServer;
class QLocalSocket;

namespace velmora::app {

// One application per data folder. The instance that holds the folder's lock
// listens on a local socket named after the folder; a later launch on the same
// folder asks it to bring its window forward, and leaves.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Start {
        first,      // holds the folder's lock and listens for later launches
        handedOver, // the running application answered; this launch is done
        folderBusy, // someone kept the folder past the wait without answering
    };

    explicit SingleInstance(const QString& folder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The local socket's name: one folder, however it is written, gives one name.
    static QString serverName(const QString& folder);

    // Takes the folder's lock and starts listening, or hands over to the running
    // application. A command-line writer may hold the folder for a moment, and an
    // application just starting holds it before it listens, so both are retried
    // for up to `wait`.
    Start start(std::chrono::milliseconds wait);

    const DataFolderLock& lock() const { return m_lock; }

signals:
    // A later launch on this folder asked for the window.
    void comeForwardRequested();

private:
    bool askRunningToComeForward() const;
    void listen();
    void answer(QLocalSocket* socket);

    DataFolderLock m_lock;
    QLocalServer* m_server = nullptr;
};

} // namespace velmora::app
