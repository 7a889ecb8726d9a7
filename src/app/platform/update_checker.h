#pragma once

#include "core/http_client.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

namespace velmora::universe {
class Preferences;
}

namespace velmora::app {

// Looks for a newer Velmora release in the release feed. It checks by itself
// shortly after launch, at most once a day; "Check for Updates…" asks it to check
// now, which it can do while no check is running (canCheckForUpdates).
class UpdateChecker : public QObject {
    Q_OBJECT
public:
    struct Release {
        QString version;
        QString url;
    };

    UpdateChecker(core::HttpClient& http, universe::Preferences& preferences, QString feedUrl,
                  QObject* parent = nullptr);
    ~UpdateChecker() override;

    bool canCheckForUpdates() const { return !m_request; }
    // Schedules the automatic check, unless one ran within the last day.
    void startAutomaticChecks(std::chrono::milliseconds delay = std::chrono::seconds(10));
    void checkNow(bool userInitiated);

    // -1, 0 or 1 as version a is older than, the same as or newer than b ("1.10" > "1.9").
    static int compareVersions(const QString& a, const QString& b);

signals:
    void canCheckForUpdatesChanged(bool canCheck);
    // A user-initiated check ended: with a newer release, none, or an error text.
    void updateAvailable(const velmora::app::UpdateChecker::Release& release);
    void upToDate(const QString& installedVersion);
    void checkFailed(const QString& error);

private:
    void finish(core::HttpResult result, bool userInitiated);

    core::HttpClient& m_http;
    universe::Preferences& m_preferences;
    QString m_feedUrl;
    QTimer m_automatic;
    std::unique_ptr<core::HttpRequestHandle> m_request;
};

} // namespace velmora::app
