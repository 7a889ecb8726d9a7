#pragma once

#include "core/file_io.h"
#include "support/loopback_server.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace velmora::testing {

// A real HTTP server on 127.0.0.1 that answers like the map service, from the
// recorded responses for Spinward Marches. A test can make any path fail.
class TravellerMapServer {
public:
    // How one path misbehaves.
    struct Fault {
        std::optional<int> status{};        // answer with this status and a short body
        std::optional<std::string> body{};  // answer 200 with this body instead
        bool dropConnection = false;        // promise a body, then hang up halfway
        std::chrono::milliseconds delay{0}; // wait before answering
    };

    // What arrived, for tests that check the requests themselves.
    struct Received {
        std::string path;
        std::map<std::string, std::string> query;
        std::string userAgent;
        std::string accept;
    };

    std::string address() const { return m_http.address(); }

    void setFault(const std::string& path, Fault fault) {
        std::lock_guard lock(m_mutex);
        m_faults[path] = std::move(fault);
    }

    std::vector<Received> received() const {
        std::lock_guard lock(m_mutex);
        return m_received;
    }

    static std::string fixture(const std::string& name) {
        return core::readWholeFile(std::string(VELMORA_FIXTURES_DIR "/travellermap/") + name)
            .value_or("");
    }

private:
    void addRoutes(httplib::Server& server) {
        const auto serve = [this, &server](const char* path, auto answer) {
            server.Get(path, [this, path = std::string(path), answer](
                                 const httplib::Request& request, httplib::Response& response) {
                record(path, request);
                if (applyFault(path, response))
                    return;
                answer(request, response);
            });
        };
        serve("/api/coordinates", [this](const httplib::Request& request,
                                         httplib::Response& response) {
            if (!isSpinwardMarches(request.get_param_value("sector"))) {
                response.status = 404;
                response.set_content("{\"Message\":\"The specified sector was not found.\"}",
                                     "application/json");
                return;
            }
            response.set_content(fixture("spinward-marches.coordinates.json"), "application/json");
        });
        serve("/t5ss/allegiances", [this](const httplib::Request&, httplib::Response& response) {
            response.set_content(fixture("allegiances.json"), "application/json");
        });
        serve("/api/sec", [this](const httplib::Request& request, httplib::Response& response) {
            response.set_content(worldRows(request.get_param_value("subsector")),
                                 "text/plain; charset=utf-8");
        });
        serve("/api/metadata", [this](const httplib::Request& request,
                                      httplib::Response& response) {
            // Like the service behind a browser, XML unless JSON is asked for.
            const std::string accept = request.get_header_value("Accept");
            if (accept.find("application/json") != std::string::npos ||
                request.get_param_value("accept") == "application/json")
                response.set_content(fixture("spinward-marches.metadata.json"), "application/json");
            else
                response.set_content(fixture("spinward-marches.source.xml"), "text/xml");
        });
    }

    static bool isSpinwardMarches(std::string name) {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return name == "spinward marches" || name == "spin";
    }

    // The whole listing, or its header and the rows of one subsector.
    static std::string worldRows(const std::string& subsector) {
        const std::string all = fixture("spinward-marches.tab");
        if (subsector.empty())
            return all;
        std::string kept;
        std::size_t start = 0;
        bool header = true;
        while (start < all.size()) {
            const std::size_t end = all.find('\n', start);
            const std::string line =
                all.substr(start, end == std::string::npos ? end : end - start + 1);
            start = end == std::string::npos ? all.size() : end + 1;
            const std::size_t tab1 = line.find('\t');
            const std::size_t tab2 = line.find('\t', tab1 + 1);
            if (header || line.substr(tab1 + 1, tab2 - tab1 - 1) == subsector)
                kept += line;
            header = false;
        }
        return kept;
    }

    void record(const std::string& path, const httplib::Request& request) {
        Received received;
        received.path = path;
        for (const auto& [key, value] : request.params)
            received.query[key] = value;
        received.userAgent = request.get_header_value("User-Agent");
        received.accept = request.get_header_value("Accept");
        std::lock_guard lock(m_mutex);
        m_received.push_back(std::move(received));
    }

    bool applyFault(const std::string& path, httplib::Response& response) {
        Fault fault;
        {
            std::lock_guard lock(m_mutex);
            const auto found = m_faults.find(path);
            if (found == m_faults.end())
                return false;
            fault = found->second;
        }
        if (fault.delay.count() > 0)
            std::this_thread::sleep_for(fault.delay);
        if (fault.status) {
            response.status = *fault.status;
            response.set_content("Server Error", "text/plain");
            return true;
        }
        if (fault.body) {
            response.set_content(*fault.body, "application/json");
            return true;
        }
        if (fault.dropConnection) {
            // A length is promised, a few bytes are sent, and the socket closes.
            response.set_content_provider(
                4096, "application/json",
                [](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    if (offset == 0)
                        sink.write("{\"sx\":", 6);
                    return false;
                });
            return true;
        }
        return false;
    }

    mutable std::mutex m_mutex;
    std::map<std::string, Fault> m_faults;
    std::vector<Received> m_received;
    // Last: it answers from the members above, so it starts after and stops before them.
    LoopbackServer m_http{[this](httplib::Server& server) { addRoutes(server); }};
};

} // namespace velmora::testing
