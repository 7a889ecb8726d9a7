#pragma once

#include "core/file_io.h"

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace velmora::core {

// Writes files atomically on a thread of its own, in the order they were asked
// for, so that writing hundreds of megabytes never holds up the window. A write
// of a file that has not started yet is replaced by a newer write of the same file:
// only the latest contents matter.
class BackgroundFileWriter {
public:
    // Called on the writer's thread once a write ended.
    using Finished = std::function<void(const FileResult&)>;

    explicit BackgroundFileWriter(FileWriting writeFile = atomicFileWriting());
    // Finishes every write asked for before it returns.
    ~BackgroundFileWriter();
    BackgroundFileWriter(const BackgroundFileWriter&) = delete;
    BackgroundFileWriter& operator=(const BackgroundFileWriter&) = delete;

    void write(std::filesystem::path file, FileText text, Finished finished = {});
    void write(std::filesystem::path file, std::string bytes, Finished finished = {}) {
        write(std::move(file), FileText(std::move(bytes)), std::move(finished));
    }

    // Returns once nothing is queued or being written.
    void waitUntilIdle();
    bool isBusy() const;

private:
    struct Job {
        std::filesystem::path file;
        FileText text;
        Finished finished;
    };
    void run();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_jobs;
    bool m_writing = false;
    bool m_stopping = false;
    FileWriting m_writeFile;
    std::thread m_thread;
};

} // namespace velmora::core
