#pragma once

#include "support/temporary_folder.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace velmora::testing {

// A real program started beside the test, as a desktop or a script starts it, on
// Qt's offscreen platform. What it prints goes to NAME.out and NAME.err in a
// folder of the test's; it is killed when the test is done with it.
class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& arguments, const TemporaryFolder& logs,
                 const std::string& name)
        : m_err(logs / (name + ".err")), m_logs(logs.path()), m_name(name) {
        std::vector<std::string> environment;
        for (char** entry = environ; *entry; ++entry)
            if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0)
                environment.emplace_back(*entry);
        environment.emplace_back("QT_QPA_PLATFORM=offscreen");

        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
        const std::string out = (logs / (name + ".out")).string();
        const std::string err = m_err.string();
        posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        const int spawned = posix_spawn(&m_pid, arguments.front().c_str(), &files, nullptr,
                                        pointers(arguments).data(), pointers(environment).data());
        posix_spawn_file_actions_destroy(&files);
        if (spawned != 0)
            throw std::runtime_error("could not start " + arguments.front() + ": " +
                                     std::strerror(spawned));
    }
    ~ChildProcess() {
        if (!m_status) {
            ::kill(m_pid, SIGKILL);
            int status = 0;
            waitpid(m_pid, &status, 0);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }
    bool running() { return !exitStatus(); }
    void kill(int signal) { ::kill(m_pid, signal); }

    // The exit status once it has ended: its exit code, or 128 and the signal.
    std::optional<int> exitStatus() {
        if (!m_status) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid)
                m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return m_status;
    }
    // Its exit status, or nothing while it still runs after `limit`.
    std::optional<int> waitForExit(std::chrono::milliseconds limit = std::chrono::seconds(60)) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!exitStatus() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return exitStatus();
    }

    std::string out() const { return core::readWholeFile(m_logs / (m_name + ".out")).value_or(""); }
    std::string err() const { return core::readWholeFile(m_err).value_or(""); }

private:
    static std::vector<char*> pointers(const std::vector<std::string>& texts) {
        std::vector<char*> list;
        for (const std::string& text : texts)
            list.push_back(const_cast<char*>(text.c_str()));
        list.push_back(nullptr);
        return list;
    }

    pid_t m_pid = -1;
    std::optional<int> m_status;
    std::filesystem::path m_err;
    std::filesystem::path m_logs;
    std::string m_name;
};

// Polls `condition` until it holds or `limit` has passed; whether it held.
inline bool eventually(const std::function<bool()>& condition,
                       std::chrono::milliseconds limit = std::chrono::seconds(60)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

} // namespace velmora::testing
