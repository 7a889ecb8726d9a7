// The wiki client through the application's own HTTP client, against a real
// server on 127.0.0.1 answering as the wiki does, and as it does on a bad day.
#include "app/platform/qt_http_client.h"
#include "support/temporary_folder.h"
#include "wiki/traveller_wiki_service.h"
#include "wiki/wiki_cache.h"
#include "wiki_ui/wiki_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::TemporaryFolder;
using velmora::testing::WikiServer;

namespace {

struct Asking {
    WikiServer server;
    app::QtHttpClient http;
    TemporaryFolder data;
    wiki::WikiCache cache{data / "WikiCache"};
    wiki::TravellerWikiService service{http, &cache};

    Asking() { service.setEndpoint({server.apiAddress()}); }

    template <typename Answer, typename Start>
    Answer wait(Start start) {
        std::optional<Answer> answer;
        auto handle = start([&](Answer received) { answer = std::move(received); });
        QElapsedTimer clock;
        clock.start();
        while (!answer && clock.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_TRUE(answer) << "no answer came";
        return answer.value_or(Answer{});
    }
    wiki::SearchAnswer search(const std::string& query) {
        return wait<wiki::SearchAnswer>(
            [&](auto done) { return service.search(query, 25, std::move(done)); });
    }
    wiki::ArticleAnswer article(const std::string& title) {
        return wait<wiki::ArticleAnswer>(
            [&](auto done) { return service.fetchArticle(title, std::move(done)); });
    }
};

template <typename Answer>
std::string errorText(const Answer& answer) {
    return answer.error ? answer.error->what() : "no error";
}

} // namespace

TEST(WikiOverHttp, TheRequestsArriveAsTheWikiExpectsThem) {
    Asking asking;
    const wiki::SearchAnswer found = asking.search(" Regina\n");
    ASSERT_TRUE(found.value);
    EXPECT_EQ(found.value->size(), 4u);
    EXPECT_EQ(found.value->at(1).snippet,
              "Regina is a <high population> world, the \"capital\" of the Domain of Deneb's "
              "duchy");
    const wiki::ArticleAnswer read = asking.article("Regina (world)");
    ASSERT_TRUE(read.value);
    EXPECT_FALSE(read.isSavedCopy());

    const auto received = asking.server.received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].target, "/api.php?action=query&list=search&srsearch=Regina"
                                  "&srnamespace=0&srlimit=25&srprop=snippet%7Cwordcount"
                                  "&format=json&formatversion=2");
    EXPECT_EQ(received[1].target, "/api.php?action=parse&page=Regina%20%28world%29"
                                  "&prop=text%7Cdisplaytitle&redirects=1&disableeditsection=1"
                                  "&disabletoc=1&format=json&formatversion=2");
    EXPECT_EQ(received[1].query.at("page"), "Regina (world)");
    for (const auto& request : received)
        EXPECT_EQ(request.userAgent, "Velmora/1.0 (https://velmora.app; Linux app; wiki lookup)");
}

TEST(WikiOverHttp, EveryFailureIsToldInTheWikisWords) {
    Asking asking;
    const std::string unreadable = "The Traveller Wiki returned data that couldn't be read.";
    const std::vector<std::pair<std::string, std::string>> searches{
        {"Server Error", "The Traveller Wiki returned an error (HTTP 500). Please try again."},
        {"Lagged", "Waiting for 10.0.0.2: 7 seconds lagged."},
        {"Garbage", unreadable},
        {"   ", "Enter a search term."},
    };
    for (const auto& [query, text] : searches)
        EXPECT_EQ(errorText(asking.search(query)), text) << query;
    // The wiki hanging up halfway is a network failure, named by the platform.
    const std::string dropped = errorText(asking.search("Dropped"));
    EXPECT_EQ(dropped.rfind("Network error: ", 0), 0u) << dropped;
    EXPECT_TRUE(dropped.ends_with(". Please try again.")) << dropped;
    // No hits is no failure.
    const wiki::SearchAnswer none = asking.search("Nothing");
    ASSERT_TRUE(none.value);
    EXPECT_TRUE(none.value->empty());
    EXPECT_FALSE(none.error);

    const std::vector<std::pair<std::string, std::string>> articles{
        {"Server Error", "The Traveller Wiki returned an error (HTTP 503). Please try again."},
        {"Ragina", "No Traveller Wiki articles found for “Ragina”."},
        {"Lagged", "Waiting for 10.0.0.2: 7 seconds lagged."},
        {"Garbage", unreadable},
    };
    for (const auto& [title, text] : articles)
        EXPECT_EQ(errorText(asking.article(title)), text) << title;
    EXPECT_EQ(errorText(asking.article("Dropped")).rfind("Network error: ", 0), 0u);

    // A wiki nobody answers at.
    std::string closedAddress;
    {
        WikiServer gone;
        closedAddress = gone.apiAddress();
    }
    asking.service.setEndpoint({closedAddress});
    const std::string refused = errorText(asking.search("Regina"));
    EXPECT_EQ(refused.rfind("Network error: ", 0), 0u) << refused;
    asking.service.setEndpoint({"gopher://wiki.example.org/api.php"});
    EXPECT_EQ(errorText(asking.search("Regina")), unreadable);
}

TEST(WikiOverHttp, WhatWasReadOnceIsReadAgainOffline) {
    Asking asking;
    ASSERT_TRUE(asking.search("Regina").value);
    ASSERT_TRUE(asking.article("Regina (world)").value);

    asking.server.setOffline(true);
    const wiki::ArticleAnswer saved = asking.article("Regina (world)");
    ASSERT_TRUE(saved.value);
    EXPECT_TRUE(saved.isSavedCopy());
    EXPECT_EQ(saved.value->title, "Regina (world)");
    EXPECT_EQ(errorText(saved).rfind("Network error: ", 0), 0u);
    const wiki::SearchAnswer results = asking.search("Regina");
    ASSERT_TRUE(results.value);
    EXPECT_EQ(results.value->size(), 4u);
    EXPECT_TRUE(results.isSavedCopy());
    // Never read: nothing to fall back on.
    const wiki::ArticleAnswer never = asking.article("Spinward Marches");
    EXPECT_FALSE(never.value);
    EXPECT_TRUE(never.error);
}
