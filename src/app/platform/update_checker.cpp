#include "app/platform/update_checker.h"

#include "universe/preferences.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace velmora::app {

namespace {
constexpr const char* lastCheckKey = "lastUpdateCheck";
}

UpdateChecker::UpdateChecker(core::HttpClient& http, universe::Preferences& preferences,
                             QString feedUrl, QObject* parent)
    : QObject(parent), m_http(http), m_preferences(preferences), m_feedUrl(std::move(feedUrl)) {
    m_automatic.setSingleShot(true);
    connect(&m_automatic, &QTimer::timeout, this, [this] { checkNow(false); });
}

UpdateChecker::~UpdateChecker() {
    if (m_request)
        m_request->cancel();
}

void UpdateChecker::startAutomaticChecks(std::chrono::milliseconds delay) {
    if (const auto last = m_preferences.text(lastCheckKey)) {
        const QDateTime when = QDateTime::fromString(QString::fromStdString(*last), Qt::ISODate);
        if (when.isValid() && when.secsTo(QDateTime::currentDateTimeUtc()) < 24 * 60 * 60)
            return;
    }
    m_automatic.start(delay);
}

void UpdateChecker::checkNow(bool userInitiated) {
    if (m_request)
        return;
    m_automatic.stop();
    core::HttpRequest request;
    request.url = m_feedUrl.toStdString();
    request.headers.emplace_back("User-Agent",
                                 "Velmora/" + QCoreApplication::applicationVersion().toStdString());
    request.timeout = std::chrono::seconds(60);
    m_request = m_http.get(request, [this, userInitiated](core::HttpResult result) {
        finish(std::move(result), userInitiated);
    });
    emit canCheckForUpdatesChanged(false);
}

void UpdateChecker::finish(core::HttpResult result, bool userInitiated) {
    m_request.reset();
    emit canCheckForUpdatesChanged(true);
    m_preferences.setText(lastCheckKey,
                          QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString());

    QString error;
    Release release;
    if (!result.isHttpResponse()) {
        error = QString::fromStdString(result.transportError);
    } else if (!result.isSuccess()) {
        error = tr("The release feed answered with HTTP %1.").arg(*result.status);
    } else {
        const QJsonDocument document =
            QJsonDocument::fromJson(QByteArray::fromStdString(result.body));
        release.version = document.object().value(QStringLiteral("version")).toString();
        release.url = document.object().value(QStringLiteral("url")).toString();
        if (release.version.isEmpty())
            error = tr("The release feed could not be read.");
    }
    if (!error.isEmpty()) {
        // Automatic checks stay quiet: the next launch tries again.
        if (userInitiated)
            emit checkFailed(error);
        return;
    }
    const QString installed = QCoreApplication::applicationVersion();
    if (compareVersions(release.version, installed) > 0)
        emit updateAvailable(release);
    else if (userInitiated)
        emit upToDate(installed);
}

int UpdateChecker::compareVersions(const QString& a, const QString& b) {
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    for (int i = 0; i < std::max(left.size(), right.size()); ++i) {
        const int x = i < left.size() ? left[i].toInt() : 0;
        const int y = i < right.size() ? right[i].toInt() : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

} // namespace velmora::app
