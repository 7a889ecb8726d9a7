#include "app/platform/data_folder_lock.h"

#include <QDir>
#include <QLockFile>

namespace velmora::app {

DataFolderLock::DataFolderLock(const QString& folder)
    : m_folder(QDir(folder).absolutePath()),
      m_file(std::make_unique<QLockFile>(QDir(m_folder).filePath(QLatin1String(fileName)))) {
    // Age alone never makes a lock stale: a referee may keep the window open for
    // days. Only a holder that is no longer running gives it up.
    m_file->setStaleLockTime(0);
}

DataFolderLock::~DataFolderLock() = default;

bool DataFolderLock::tryLock(std::chrono::milliseconds wait) {
    if (m_file->isLocked())
        return true;
    QDir().mkpath(m_folder);
    return m_file->tryLock(int(wait.count()));
}

bool DataFolderLock::isLocked() const {
    return m_file->isLocked();
}

void DataFolderLock::unlock() {
    m_file->unlock();
}

QString DataFolderLock::filePath() const {
    return QDir(m_folder).filePath(QLatin1String(fileName));
}

std::optional<DataFolderLock::Holder> DataFolderLock::holder() const {
    Holder found;
    QString hostName;
    if (!m_file->getLockInfo(&found.pid, &hostName, &found.program))
        return std::nullopt;
    return found;
}

QString DataFolderLock::busyMessage() const {
    QString who = QStringLiteral("Another Velmora");
    if (const auto known = holder(); known && known->pid > 0) {
        const QString program =
            known->program.isEmpty() ? QStringLiteral("process") : known->program;
        who += QStringLiteral(" (%1, process %2)").arg(program).arg(known->pid);
    }
    return QStringLiteral("%1 is writing to %2; close it, or try again once it has finished.")
        .arg(who, QDir::toNativeSeparators(m_folder));
}

} // namespace velmora::app
