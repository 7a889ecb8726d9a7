#include "core/background_file_writer.h"

#include <algorithm>

namespace velmora::core {

BackgroundFileWriter::BackgroundFileWriter(FileWriting writeFile)
    : m_writeFile(std::move(writeFile)), m_thread([this] { run(); }) {}

BackgroundFileWriter::~BackgroundFileWriter() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void BackgroundFileWriter::write(std::filesystem::path file, FileText text, Finished finished) {
    {
        std::lock_guard lock(m_mutex);
        const auto queued = std::find_if(m_jobs.begin(), m_jobs.end(),
                                         [&](const Job& job) { return job.file == file; });
        if (queued != m_jobs.end())
            *queued = Job{std::move(file), std::move(text), std::move(finished)};
        else
            m_jobs.push_back(Job{std::move(file), std::move(text), std::move(finished)});
    }
    m_wake.notify_all();
}

void BackgroundFileWriter::waitUntilIdle() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_writing; });
}

bool BackgroundFileWriter::isBusy() const {
    std::lock_guard lock(m_mutex);
    return !m_jobs.empty() || m_writing;
}

void BackgroundFileWriter::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_jobs.empty()) {
            if (m_stopping)
                return;
            continue;
        }
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_writing = true;
        lock.unlock();
        const FileResult result = m_writeFile(job.file, job.text);
        if (job.finished)
            job.finished(result);
        lock.lock();
        m_writing = false;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
}

} // namespace velmora::core
