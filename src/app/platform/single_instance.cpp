#include "app/platform/single_instance.h"

#include "app/platform/diagnostic_log.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace velmora::app {

namespace {

// The whole conversation: one line each way.
constexpr char comeForwardRequest[] = "come-forward\n";
constexpr char comeForwardAnswer[] = "ok\n";
// Anything longer without a line break is not one of ours.
constexpr qint64 longestRequest = 256;

constexpr int connectWait = 1000;
// The running application answers from its event loop; a long task there delays it.
constexpr int answerWait = 5000;

} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), m_lock(folder) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    QString path = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    // Hashed, because socket names are short and the folder's path need not be.
    const QByteArray digest =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("velmora-") + QString::fromLatin1(digest);
}

SingleInstance::Start SingleInstance::start(std::chrono::milliseconds wait) {
    const QDeadlineTimer deadline(wait);
    for (;;) {
        if (m_lock.tryLock()) {
            listen();
            return Start::first;
        }
        if (askRunningToComeForward())
            return Start::handedOver;
        if (deadline.hasExpired())
            return Start::folderBusy;
        QThread::msleep(100);
    }
}

bool SingleInstance::askRunningToComeForward() const {
    QLocalSocket socket;
    socket.connectToServer(serverName(m_lock.folder()));
    if (!socket.waitForConnected(connectWait))
        return false;
    socket.write(comeForwardRequest);
    if (!socket.waitForBytesWritten(connectWait))
        return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(answerWait))
            return false;
    return socket.readLine() == comeForwardAnswer;
}

void SingleInstance::listen() {
    const QString name = serverName(m_lock.folder());
    // Whoever holds the lock owns the name: a socket file still there was left
    // by an instance that died without closing it.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        // The folder stays locked, so nothing is at risk; a later launch waits
        // and then says the folder is busy instead of bringing this one forward.
        logDiagnostic("Couldn't listen for other launches on " + name.toStdString() + ": " +
                      m_server->errorString().toStdString());
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

void SingleInstance::answer(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        if (socket->readLine() != comeForwardRequest)
            continue;
        emit comeForwardRequested();
        socket->write(comeForwardAnswer);
        socket->flush();
    }
    if (socket->bytesAvailable() > longestRequest)
        socket->abort();
}

} // namespace velmora::app
