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

// Qt reports an answer's own status as an error too (404, 500...); those are
// answers. Anything else (refused, reset, hung up halfway, timed out) is a
// failed transfer even when a status line had already arrived.
bool isTransferFailure(QNetworkReply::NetworkError error) {
    const int code = static_cast<int>(error);
    const bool httpStatus = (code >= 201 && code <= 299) || (code >= 401 && code <= 499);
    return error != QNetworkReply::NoError && !httpStatus;
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
    result.transportError = result.timedOut ? std::string("The request timed out")
                                            : reply->errorString().toStdString();
    return result;
}

} // namespace

QtHttpClient::QtHttpClient() {
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

std::unique_ptr<core::HttpRequestHandle> QtHttpClient::get(const core::HttpRequest& request, Completion completion) {
    QNetworkRequest networkRequest(QUrl(QString::fromStdString(request.url)));
    for (const auto& [name, value] : request.headers)
        networkRequest.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
    networkRequest.setTransferTimeout(static_cast<int>(request.timeout.count()));
    QNetworkReply* reply = m_network.get(networkRequest);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, completion = std::move(completion)] {
        core::HttpResult result = resultOf(reply);
        reply->deleteLater();
        completion(std::move(result));
    });
    return std::make_unique<ReplyHandle>(reply);
}

} // namespace velmora::app
