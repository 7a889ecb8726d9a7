#pragma once

#include "core/http_client.h"

#include <QNetworkAccessManager>

namespace velmora::app {

// HTTP GET through Qt's network stack, completing on the event loop.
class QtHttpClient final : public core::HttpClient {
public:
    QtHttpClient();
    std::unique_ptr<core::HttpRequestHandle> get(const core::HttpRequest& request, Completion completion) override;

    // Runs a request to completion on a local event loop, for the command line.
    core::HttpResult getAndWait(const core::HttpRequest& request);

private:
    QNetworkAccessManager m_network;
};

} // namespace velmora::app
