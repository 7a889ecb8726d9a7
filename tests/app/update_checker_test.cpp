#include "app/platform/qt_http_client.h"
#include "app/platform/update_checker.h"
#include "support/loopback_server.h"
#include "support/memory_preferences.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmora;

namespace {

// A real HTTP server on the loopback address, answering the release feed.
class FeedServer {
public:
    QString url() const {
        return QStringLiteral("http://127.0.0.1:%1/latest.json").arg(m_http.port());
    }

    int status = 200;
    std::string body;

private:
    velmora::testing::LoopbackServer m_http{[this](httplib::Server& server) {
        server.Get("/latest.json", [this](const httplib::Request&, httplib::Response& response) {
            response.status = status;
            response.set_content(body, "application/json");
        });
    }};
};

struct Checking {
    FeedServer server;
    app::QtHttpClient http;
    velmora::testing::MemoryPreferences preferences;
    app::UpdateChecker checker{http, preferences, server.url()};
};

} // namespace

TEST(UpdateChecker, TellsOfANewerRelease) {
    Checking checking;
    checking.server.body = R"({"version": "99.1.0", "url": "https://example.org/download"})";
    QSignalSpy available(&checking.checker, &app::UpdateChecker::updateAvailable);
    QSignalSpy enabled(&checking.checker, &app::UpdateChecker::canCheckForUpdatesChanged);
    EXPECT_TRUE(checking.checker.canCheckForUpdates());
    checking.checker.checkNow(true);
    EXPECT_FALSE(checking.checker.canCheckForUpdates()) << "no second check while one runs";
    ASSERT_TRUE(available.wait(5000));
    EXPECT_TRUE(checking.checker.canCheckForUpdates());
    EXPECT_EQ(available.first().first().value<app::UpdateChecker::Release>().version, "99.1.0");
    EXPECT_EQ(enabled.count(), 2);
    EXPECT_TRUE(checking.preferences.text("lastUpdateCheck"));
}

TEST(UpdateChecker, SaysWhenUpToDateOrWhenTheFeedFails) {
    Checking checking;
    checking.server.body = R"({"version": "0.1.0"})";
    QSignalSpy upToDate(&checking.checker, &app::UpdateChecker::upToDate);
    QSignalSpy failed(&checking.checker, &app::UpdateChecker::checkFailed);
    checking.checker.checkNow(true);
    ASSERT_TRUE(upToDate.wait(5000));

    checking.server.status = 500;
    checking.checker.checkNow(true);
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_TRUE(failed.first().first().toString().contains("500"));

    checking.server.status = 200;
    checking.server.body = "<html>not json</html>";
    checking.checker.checkNow(true);
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_EQ(failed.count(), 2);
}

TEST(UpdateChecker, AutomaticChecksStayQuietAndRunOnceADay) {
    Checking checking;
    checking.server.status = 503;
    QSignalSpy failed(&checking.checker, &app::UpdateChecker::checkFailed);
    QSignalSpy enabled(&checking.checker, &app::UpdateChecker::canCheckForUpdatesChanged);
    checking.checker.startAutomaticChecks(std::chrono::milliseconds(1));
    ASSERT_TRUE(enabled.wait(5000));
    QTRY_COMPARE_WITH_TIMEOUT(enabled.count(), 2, 5000);
    EXPECT_EQ(failed.count(), 0);

    // Checked a moment ago: the next launch does not check again.
    checking.checker.startAutomaticChecks(std::chrono::milliseconds(1));
    QTest::qWait(50);
    EXPECT_EQ(enabled.count(), 2);
}

TEST(UpdateChecker, ComparesVersionsNumerically) {
    EXPECT_EQ(app::UpdateChecker::compareVersions("1.10", "1.9"), 1);
    EXPECT_EQ(app::UpdateChecker::compareVersions("1.2", "1.2.0"), 0);
    EXPECT_EQ(app::UpdateChecker::compareVersions("0.1.0", "0.2"), -1);
}
