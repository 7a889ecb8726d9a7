// The "Traveller Wiki" window driven as a referee drives it, over the real HTTP
// client against a wiki on the loopback address.
#include "app/platform/qt_http_client.h"
#include "support/memory_preferences.h"
#include "support/temporary_folder.h"
#include "support/widget_lookup.h"
#include "wiki/traveller_wiki_browser.h"
#include "wiki/ui/traveller_wiki_window.h"
#include "wiki/ui/wiki_article_view.h"
#include "wiki/wiki_cache.h"
#include "wiki/wiki_requests.h"
#include "wiki_ui/wiki_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::child;
using velmora::testing::MemoryPreferences;
using velmora::testing::TemporaryFolder;
using velmora::testing::WikiServer;

namespace {

bool waitFor(const std::function<bool()>& done, int milliseconds = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

struct WikiWindow {
    WikiServer server;
    app::QtHttpClient http;
    TemporaryFolder data;
    MemoryPreferences preferences;
    wiki::WikiCache cache{data / "WikiCache"};
    wiki::TravellerWikiService service{http, &cache};
    wiki::TravellerWikiBrowser browser{service};
    std::unique_ptr<wiki::TravellerWikiWindow> window;
    std::vector<QUrl> opened; // in the user's browser

    WikiWindow() {
        service.setEndpoint({server.apiAddress()});
        window = std::make_unique<wiki::TravellerWikiWindow>(browser, http, &preferences);
        window->setExternalLinkOpener([this](const QUrl& url) { opened.push_back(url); });
        window->show();
    }

    QLineEdit* search() { return child<QLineEdit>(*window, "wikiSearch"); }
    QListWidget* results() { return child<QListWidget>(*window, "wikiResults"); }
    wiki::WikiArticleView* article() {
        return child<wiki::WikiArticleView>(*window, "wikiArticle");
    }
    QString error() {
        auto* line = child<QLabel>(*window, "wikiError");
        return line->isVisible() ? line->text() : QString();
    }
    QString savedNote() {
        auto* line = child<QLabel>(*window, "savedCopyNote");
        return line->isVisible() ? line->text() : QString();
    }

    void searchFor(const QString& text) {
        search()->clear();
        QTest::keyClicks(search(), text);
        QTest::keyClick(search(), Qt::Key_Return);
        EXPECT_TRUE(waitFor([&] { return !browser.isLoading(); }));
    }
    void settle() {
        EXPECT_TRUE(waitFor([&] { return !browser.isLoading(); }));
    }
    QString articleTitle() { return child<QLabel>(*window, "wikiArticleTitle")->text(); }
};

} // namespace

TEST(TravellerWikiWindow, SearchShowsTwentyFiveResultsAndOpensOne) {
    WikiWindow w;
    EXPECT_EQ(w.window->windowTitle(), "Traveller Wiki");
    w.searchFor("Scout");
    ASSERT_EQ(w.results()->count(), 25);
    EXPECT_EQ(w.results()->item(0)->text(), "Scout 1\nScout number 1");
    EXPECT_EQ(w.results()->item(24)->text(), "Scout 25\nScout number 25");
    EXPECT_EQ(w.server.received().back().query.at("srlimit"), "25");
    EXPECT_EQ(w.error(), "");

    w.searchFor("Regina");
    ASSERT_EQ(w.results()->count(), 4);
    EXPECT_EQ(w.results()->item(1)->text(),
              "Regina (world)\nRegina is a <high population> world, the \"capital\" of the "
              "Domain of Deneb's duchy");
    QTest::mouseClick(w.results()->viewport(), Qt::LeftButton, {},
                      w.results()->visualItemRect(w.results()->item(1)).center());
    w.settle();
    EXPECT_EQ(w.articleTitle(), "Regina (world)");
    const QString text = w.article()->toPlainText();
    EXPECT_TRUE(text.contains("Regina is the capital of the Regina Subsector"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("A – Excellent")) << text.toStdString();

    w.searchFor("Nothing at all");
    EXPECT_EQ(w.results()->count(), 0);
    EXPECT_EQ(w.error(), "No Traveller Wiki articles found for “Nothing at all”.");
    // The article stays.
    EXPECT_EQ(w.articleTitle(), "Regina (world)");
}

TEST(TravellerWikiWindow, LinksOpenArticlesHereAndEverythingElseInTheBrowser) {
    WikiWindow w;
    w.browser.open("Regina (world)");
    w.settle();
    auto* back = child<QToolButton>(*w.window, "wikiBack");
    auto* forward = child<QToolButton>(*w.window, "wikiForward");
    EXPECT_FALSE(back->isEnabled());

    emit w.article()->anchorClicked(QUrl("/wiki/Spinward_Marches"));
    w.settle();
    EXPECT_EQ(w.articleTitle(), "Spinward Marches");
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());
    back->click();
    w.settle();
    EXPECT_EQ(w.articleTitle(), "Regina (world)");
    EXPECT_TRUE(forward->isEnabled());
    forward->click();
    w.settle();
    EXPECT_EQ(w.articleTitle(), "Spinward Marches");
    // "Third Imperium" in that article leads to Regina's page.
    emit w.article()->anchorClicked(QUrl("/wiki/Regina_(world)"));
    w.settle();
    EXPECT_EQ(w.browser.history(),
              (std::vector<std::string>{"Regina (world)", "Spinward Marches", "Regina (world)"}));

    // Off the wiki: the user's browser; anchors stay in the page.
    emit w.article()->anchorClicked(QUrl("https://travellermap.com/?p=-110.98!-70.49!7"));
    emit w.article()->anchorClicked(QUrl("#Astrography"));
    ASSERT_EQ(w.opened.size(), 1u);
    EXPECT_EQ(w.opened[0].host(), "travellermap.com");
    // A page not written yet is asked for, and said to be missing.
    emit w.article()->anchorClicked(
        QUrl("/index.php?title=Regina_Naval_Depot&action=edit&redlink=1"));
    w.settle();
    EXPECT_EQ(w.error(), "No Traveller Wiki articles found for “Regina Naval Depot”.");
    EXPECT_EQ(w.articleTitle(), "Regina (world)");
}

TEST(TravellerWikiWindow, NothingRunsAndNothingLoadsUnlessTheRefereeAsks) {
    WikiWindow w;
    w.browser.open("Tracker");
    w.settle();
    const QString text = w.article()->toPlainText();
    EXPECT_TRUE(text.contains("Before.")) << text.toStdString();
    EXPECT_TRUE(text.contains("After")) << text.toStdString();
    EXPECT_FALSE(text.contains("SCRIPT RAN"));
    EXPECT_FALSE(text.contains("document.write"));
    EXPECT_FALSE(text.contains("color: red"));
    // Give anything that would load the time to.
    QTest::qWait(300);
    EXPECT_FALSE(w.server.receivedPath("/tracker.png"));
    EXPECT_FALSE(w.server.receivedPath("/script-fetch"));
    EXPECT_FALSE(w.server.receivedPath("/style.css"));

    // The referee asks for this article's images: the one on the wiki's host is
    // fetched and shown; a local file never is.
    w.browser.open("Regina (world)");
    w.settle();
    EXPECT_FALSE(w.server.receivedPath("/images/"));
    auto* loadImages = child<QPushButton>(*w.window, "wikiLoadImages");
    ASSERT_TRUE(loadImages->isEnabled());
    const QUrl crest(QString::fromStdString(w.server.address()) +
                     "/images/thumb/crest.png/120px-crest.png");
    EXPECT_EQ(w.article()->imageUrls(), QList<QUrl>{crest});
    loadImages->click();
    ASSERT_TRUE(waitFor([&] { return w.server.receivedPath("/images/thumb/crest.png"); }));
    ASSERT_TRUE(waitFor([&] {
        const QVariant image = w.article()->document()->resource(
            QTextDocument::ImageResource, QUrl("/images/thumb/crest.png/120px-crest.png"));
        return image.value<QImage>().width() == 12;
    }));
    EXPECT_FALSE(loadImages->isEnabled());
    // The next article starts without images again.
    emit w.article()->anchorClicked(QUrl("/wiki/Spinward_Marches"));
    w.settle();
    emit w.article()->anchorClicked(QUrl("/wiki/Regina_(world)"));
    w.settle();
    EXPECT_TRUE(loadImages->isEnabled());
    EXPECT_EQ(w.article()
                  ->document()
                  ->resource(QTextDocument::ImageResource,
                             QUrl("/images/thumb/crest.png/120px-crest.png"))
                  .value<QImage>()
                  .width(),
              1);
}

TEST(TravellerWikiWindow, LoadingErrorsAndTheSavedCopyAreShown) {
    WikiWindow w;
    auto* loading = child<QProgressBar>(*w.window, "wikiLoading");
    EXPECT_FALSE(loading->isVisible());
    QTest::keyClicks(w.search(), "Slow");
    QTest::keyClick(w.search(), Qt::Key_Return);
    EXPECT_TRUE(loading->isVisible());
    w.settle();
    EXPECT_FALSE(loading->isVisible());
    EXPECT_EQ(w.results()->count(), 4);

    const std::vector<std::pair<QString, QString>> failures{
        {"Server Error", "The Traveller Wiki returned an error (HTTP 500). Please try again."},
        {"Lagged", "Waiting for 10.0.0.2: 7 seconds lagged."},
        {"Garbage", "The Traveller Wiki returned data that couldn't be read."},
        {"  ", "Enter a search term."},
    };
    for (const auto& [query, text] : failures) {
        w.searchFor(query);
        EXPECT_EQ(w.error(), text);
        EXPECT_EQ(w.results()->count(), 4) << query.toStdString();
    }
    w.searchFor("Dropped");
    EXPECT_TRUE(w.error().startsWith("Network error: ")) << w.error().toStdString();

    // Read once, then off the air: the saved copy, with why and since when.
    w.searchFor("Regina");
    w.browser.open("Regina (world)");
    w.settle();
    EXPECT_EQ(w.savedNote(), "");
    w.server.setOffline(true);
    w.browser.open("Spinward Marches");
    w.settle();
    EXPECT_TRUE(w.error().startsWith("Network error: "));
    w.browser.open("Regina (world)");
    w.settle();
    EXPECT_TRUE(w.error().startsWith("Network error: "));
    EXPECT_TRUE(w.savedNote().startsWith("Showing a saved copy of “Regina (world)” from "))
        << w.savedNote().toStdString();
    EXPECT_TRUE(w.article()->toPlainText().contains("Regina is the capital"));
    w.server.setOffline(false);
    w.browser.open("Regina (world)");
    w.settle();
    EXPECT_EQ(w.savedNote(), "");
    EXPECT_EQ(w.error(), "");
}

TEST(TravellerWikiWindow, TheWikiAddressIsKeptInThePreferences) {
    WikiWindow w;
    auto* address = child<QLineEdit>(*w.window, "wikiAddress");
    EXPECT_EQ(address->text().toStdString(), w.server.apiAddress());
    // Another wiki: the next search goes there, and the choice is kept.
    WikiServer mirror;
    address->setText(QString::fromStdString(mirror.apiAddress()));
    emit address->editingFinished();
    EXPECT_EQ(w.preferences.texts.at(wiki::wikiAddressKey), mirror.apiAddress());
    w.searchFor("Regina");
    EXPECT_EQ(mirror.received().size(), 1u);
    // Emptied, it is the public wiki again.
    address->clear();
    emit address->editingFinished();
    EXPECT_EQ(address->text(), "https://wiki.travellerrpg.com/api.php");
    EXPECT_EQ(w.service.endpoint().address, "https://wiki.travellerrpg.com/api.php");
}
