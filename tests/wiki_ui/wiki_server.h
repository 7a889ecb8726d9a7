#pragma once

#include "core/file_io.h"
#include "support/loopback_server.h"

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velmora::testing {

// A real HTTP server on 127.0.0.1 that answers like a MediaWiki API at
// /api.php, from hand-written answers. Some searches and titles misbehave on
// purpose, and the whole wiki can be taken off the air.
class WikiServer {
public:
    struct Received {
        std::string target; // path and query as sent
        std::map<std::string, std::string> query;
        std::string userAgent;
    };

    std::string apiAddress() const { return m_http.address() + "/api.php"; }
    std::string address() const { return m_http.address(); }

    // Every request answered with a dropped connection, as when the network is down.
    void setOffline(bool offline) {
        std::lock_guard lock(m_mutex);
        m_offline = offline;
    }

    std::vector<Received> received() const {
        std::lock_guard lock(m_mutex);
        return m_received;
    }
    bool receivedPath(const std::string& path) const {
        std::lock_guard lock(m_mutex);
        for (const Received& request : m_received) {
            if (request.target.rfind(path, 0) == 0)
                return true;
        }
        return false;
    }

    static std::string fixture(const std::string& name) {
        return core::readWholeFile(std::string(VELMORA_FIXTURES_DIR "/wiki/") + name).value_or("");
    }

    // Twenty-five hits and more to come, as the wiki answers a common word.
    static std::string manyHits() {
        std::string hits;
        for (int i = 1; i <= 25; ++i) {
            hits += (i > 1 ? "," : "") + std::string("{\"ns\":0,\"title\":\"Scout ") +
                    std::to_string(i) + "\",\"pageid\":" + std::to_string(500 + i) +
                    ",\"wordcount\":" + std::to_string(i * 10) +
                    ",\"snippet\":\"<span class=\\\"searchmatch\\\">Scout</span> number " +
                    std::to_string(i) + "\"}";
        }
        return "{\"continue\":{\"sroffset\":25},\"query\":{\"search\":[" + hits + "]}}";
    }

private:
    void addRoutes(httplib::Server& server) {
        server.Get("/api.php",
                   [this](const httplib::Request& request, httplib::Response& response) {
                       if (record(request))
                           return dropConnection(response);
                       const std::string action = request.get_param_value("action");
                       if (action == "query")
                           return answerSearch(request.get_param_value("srsearch"), response);
                       if (action == "parse")
                           return answerParse(request.get_param_value("page"), response);
                       response.status = 400;
                   });
        server.Get(R"(/images/.*)",
                   [this](const httplib::Request& request, httplib::Response& response) {
                       if (record(request))
                           return dropConnection(response);
                       response.set_content(fixture("crest.png"), "image/png");
                   });
        server.Get(R"(/(tracker\.png|script-fetch|style\.css))",
                   [this](const httplib::Request& request, httplib::Response& response) {
                       record(request);
                       response.set_content("", "text/plain");
                   });
    }

    void answerSearch(const std::string& query, httplib::Response& response) {
        if (query == "Regina")
            return json(fixture("search-regina.json"), response);
        if (query == "Scout")
            return json(manyHits(), response);
        if (query == "Server Error") {
            response.status = 500;
            response.set_content("<h1>Internal Server Error</h1>", "text/html");
            return;
        }
        if (query == "Lagged")
            return json(fixture("api-error.json"), response);
        if (query == "Garbage")
            return json("<html><body>Welcome to the hotel network</body></html>", response);
        if (query == "Dropped")
            return dropConnection(response);
        if (query == "Slow") {
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
            return json(fixture("search-regina.json"), response);
        }
        json(fixture("search-none.json"), response);
    }

    void answerParse(const std::string& title, httplib::Response& response) {
        if (title == "Regina (world)")
            return json(fixture("article-regina.json"), response);
        if (title == "Spinward Marches")
            return json(fixture("article-spinward-marches.json"), response);
        if (title == "Tracker") {
            std::string body = fixture("article-tracker.json");
            for (std::size_t at = body.find("{{server}}"); at != std::string::npos;
                 at = body.find("{{server}}"))
                body.replace(at, 10, address());
            return json(body, response);
        }
        if (title == "Server Error") {
            response.status = 503;
            response.set_content("Service Unavailable", "text/plain");
            return;
        }
        if (title == "Lagged")
            return json(fixture("api-error.json"), response);
        if (title == "Garbage")
            return json("{\"parse\": {\"title\": 12}}", response);
        if (title == "Dropped")
            return dropConnection(response);
        json(fixture("missing-title.json"), response);
    }

    static void json(const std::string& body, httplib::Response& response) {
        response.set_content(body, "application/json; charset=utf-8");
    }

    // A length is promised, a few bytes are sent, and the socket closes.
    static void dropConnection(httplib::Response& response) {
        response.set_content_provider(4096, "application/json",
                                      [](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                          if (offset == 0)
                                              sink.write("{\"query\":", 9);
                                          return false;
                                      });
    }

    // Keeps the request; answers whether the wiki is off the air.
    bool record(const httplib::Request& request) {
        Received received;
        received.target = request.target;
        for (const auto& [key, value] : request.params)
            received.query[key] = value;
        received.userAgent = request.get_header_value("User-Agent");
        std::lock_guard lock(m_mutex);
        m_received.push_back(std::move(received));
        return m_offline;
    }

    mutable std::mutex m_mutex;
    bool m_offline = false;
    std::vector<Received> m_received;
    // Last: it answers from the members above, so it starts after and stops before them.
    LoopbackServer m_http{[this](httplib::Server& server) { addRoutes(server); }};
};

} // namespace velmora::testing
