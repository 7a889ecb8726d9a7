#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora::core {

struct HttpRequest {
    std::string url;
    std::vector<std::pair<std::string, std::string>> headers;
    std::chrono::milliseconds timeout{std::chrono::seconds(60)};
};

// Either an HTTP answer (any status) or a transport failure with its description.
struct HttpResult {
    std::optional<int> status; // absent on a transport failure
    std::string body;
    std::string transportError;
    bool timedOut = false;

    bool isHttpResponse() const { return status.has_value(); }
    bool isSuccess() const { return status && *status >= 200 && *status <= 299; }
};

// Cancels the request it belongs to when cancel() is called; the completion is
// then never called.
class HttpRequestHandle {
public:
    virtual ~HttpRequestHandle() = default;
    virtual void cancel() = 0;
};

// The one way Velmora talks to the network. Requests complete asynchronously on
// the thread that owns the documents; the application implements this with Qt's
// network stack.
class HttpClient {
public:
    using Completion = std::function<void(HttpResult)>;
    virtual ~HttpClient() = default;
    virtual std::unique_ptr<HttpRequestHandle> get(const HttpRequest& request,
                                                   Completion completion) = 0;
};

} // namespace velmora::core
