#include "app/platform/qt_http_client.h"

#include <QNetworkReply>
#include <QPointer>
#include <QUrl>

namespace velmora::app {

namespace {

class ReplyHandle final : public core::HttpRequestHandle {
public:
    explicit ReplyHandle(QNetworkReply* reply) : m_reply(reply) {}
    void cancel() override {
        if (m_reply) {
            m_reply->disconnect();
            m_reply->abort();
            m_reply->deleteLater();
        }
    }

private:
    QPointer<QNetworkReply> m_reply;
};

// Qt reports an answer's own status as an error too (400, 404, 418, 500...), and
// under many names; whatever it calls it, a reply with a status line is the
// server's answer. Only a failure of the connection itself (refused, reset, timed
// out, cancelled) or a reply that broke off is a failed transfer.
bool isTransferFailure(QNetworkReply::NetworkError error) {
    const bool connectionFailed = error != QNetworkReply::NoError && static_cast<int>(error) < 100;
    return connectionFailed || error == QNetworkReply::ProtocolFailure;
}

core::HttpResult resultOf(QNetworkReply* reply) {
    core::HttpResult result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && !isTransferFailure(reply->error())) {
        result.status = status.toInt();
        result.body = reply->readAll().toStdString();
        return result;
    }
    result.timedOut = reply->error() == QNetworkReply::OperationCanceledError ||
                      reply->error() == QNetworkReply::TimeoutError;
    result.transportError =
        result.timedOut ? std::string("The request timed out") : reply->errorString().toStdString();
    return result;
}

} // namespace

QtHttpClient::QtHttpClient() {
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

std::unique_ptr<core::HttpRequestHandle> QtHttpClient::get(const core::HttpRequest& request,
                                                           Completion completion) {
    QNetworkRequest networkRequest(QUrl(QString::fromStdString(request.url)));
    for (const auto& [name, value] : request.headers)
        networkRequest.setRawHeader(QByteArray::fromStdString(name),
                                    QByteArray::fromStdString(value));
    networkRequest.setTransferTimeout(static_cast<int>(request.timeout.count()));
    QNetworkReply* reply = m_network.get(networkRequest);
    QObject::connect(reply, &QNetworkReply::finished, reply,
                     [reply, completion = std::move(completion)] {
                         core::HttpResult result = resultOf(reply);
                         reply->deleteLater();
                         completion(std::move(result));
                     });
    return std::make_unique<ReplyHandle>(reply);
}

} // namespace velmora::app
