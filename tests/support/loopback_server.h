#pragma once

#include <httplib.h>
#include <string>
#include <thread>

namespace velmora::testing {

// A real HTTP server on 127.0.0.1, on a free port, for the life of the object.
// The routes are set up before it starts listening.
class LoopbackServer {
public:
    template <typename Routes>
    explicit LoopbackServer(Routes routes) {
        routes(m_server);
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        // stop() does nothing before the server runs, so wait for it.
        while (!m_server.is_running())
            std::this_thread::yield();
    }
    ~LoopbackServer() {
        m_server.stop();
        m_thread.join();
    }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int port() const { return m_port; }
    std::string address() const { return "http://127.0.0.1:" + std::to_string(m_port); }

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
};

} // namespace velmora::testing
