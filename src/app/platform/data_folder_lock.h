#pragma once

#include <QString>
#include <chrono>
#include <memory>
#include <optional>

class QLockFile;

namespace velmora::app {

// One writer per data folder. The application holds this lock for as long as it
// runs, and a command-line run that stores anything holds it for its own run, so
// two programs never save over each other's work. A lock left behind by a
// process that has died (a crash, a kill) is taken over at once; a living holder
// is waited for, never broken, however long it has held the lock.
class DataFolderLock {
public:
    // Lives in the data folder itself, so every way of naming the folder finds it.
    static constexpr const char* fileName = ".velmora.lock";
    // How long a writer waits for the one before it to finish.
    static constexpr std::chrono::milliseconds writerWait{5000};

    // Who holds the lock, as its file tells.
    struct Holder {
        qint64 pid = 0;
        QString program; // "velmora" or "velmora-cli"
    };

    explicit DataFolderLock(const QString& folder);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Takes the lock when it is free or its holder is dead, waiting up to `wait`
    // for a living holder to let go. Makes the folder first when it is missing.
    bool tryLock(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    bool isLocked() const;
    void unlock();

    const QString& folder() const { return m_folder; }
    QString filePath() const;
    std::optional<Holder> holder() const;
    // What a writer that could not have the folder is told: the folder, and who has it.
    QString busyMessage() const;

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_file;
};

} // namespace velmora::app
