#pragma once

#include "core/http_client.h"

#include <QNetworkAccessManager>

namespace velmora::app {

// HTTP GET through Qt's network stack, completing on the event loop.
class QtHttpClient final : public core::HttpClient {
public:
    QtHttpClient();
    std::unique_ptr<core::HttpRequestHandle> get(const core::HttpRequest& request,
                                                 Completion completion) override;

private:
    QNetworkAccessManager m_network;
};

} // namespace velmora::app
